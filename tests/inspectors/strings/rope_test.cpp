#include "inspectors/strings/rope.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <deque>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "foundation/exceptions.h"

namespace inspectors {
namespace {

// Ropes over pieces of one text, owning their nodes.
class RopeMaker {
 public:
  // A left-leaning chain, the way a run of joins builds it.
  rope const& Chain(std::vector<std::string> const& pieces) {
    rope const* r = nullptr;
    for (std::string const& piece : pieces) {
      r = &nodes_.emplace_back(rope{r, Keep(piece), nullptr});
    }
    return r != nullptr ? *r : nodes_.emplace_back();
  }

  // A balanced tree, every node holding one piece in its middle.
  rope const& Balanced(std::vector<std::string> const& pieces) {
    if (pieces.empty()) return nodes_.emplace_back();
    return *Balanced(pieces, 0, pieces.size());
  }

  rope const& Join(rope const& a, rope const& b) {
    return nodes_.emplace_back(rope{&a, ConstData(), &b});
  }

 private:
  rope const* Balanced(std::vector<std::string> const& pieces, std::size_t begin, std::size_t end) {
    if (begin == end) return nullptr;
    std::size_t const middle = begin + (end - begin) / 2;
    rope const* left = Balanced(pieces, begin, middle);
    rope const* right = Balanced(pieces, middle + 1, end);
    return &nodes_.emplace_back(rope{left, Keep(pieces[middle]), right});
  }

  ConstData Keep(std::string const& text) { return ConstData(texts_.emplace_back(text)); }

  std::deque<std::string> texts_;
  std::deque<rope> nodes_;
};

inspector_string String(std::string const& text) {
  return inspector_string{reinterpret_cast<unsigned char const*>(text.data()),
                          static_cast<std::uint32_t>(text.size())};
}

std::string Text(inspector_string const& s) {
  return std::string(reinterpret_cast<char const*>(s.bytes), s.length);
}

bool RopeContains(std::vector<std::string> const& pieces, std::string const& pattern) {
  RopeMaker maker;
  bool const inChain = Contains(maker.Chain(pieces), String(pattern));
  bool const inTree = Contains(maker.Balanced(pieces), String(pattern));
  EXPECT_EQ(inChain, inTree);
  return inChain;
}

// Every way to cut `text` into pieces (2^(n-1) of them), empty pieces between.
std::vector<std::vector<std::string>> EveryCut(std::string const& text) {
  std::vector<std::vector<std::string>> cuts;
  std::size_t const n = text.size();
  std::uint32_t const ways = n == 0 ? 1 : std::uint32_t{1} << (n - 1);
  for (std::uint32_t mask = 0; mask < ways; ++mask) {
    std::vector<std::string> pieces{""};
    for (std::size_t i = 0; i < n; ++i) {
      if (i > 0 && (mask >> (i - 1) & 1) != 0) pieces.emplace_back("");
      pieces.back() += text[i];
    }
    pieces.emplace_back("");
    cuts.push_back(std::move(pieces));
  }
  return cuts;
}

// Every text over {a, b} of up to 6 bytes, every pattern of 1 to 4 bytes, every
// way to cut the text: the answer is that of a search in the whole text.
TEST(RopeSearch, AgreesWithAWholeTextSearchForEveryCut) {
  std::vector<std::string> words{""};
  for (std::size_t i = 0; i < words.size() && words[i].size() < 6; ++i) {
    words.push_back(words[i] + "a");
    words.push_back(words[i] + "b");
  }
  for (std::string const& text : words) {
    std::vector<std::vector<std::string>> const cuts = EveryCut(text);
    for (std::string const& pattern : words) {
      if (pattern.empty() || pattern.size() > 4) continue;
      bool const expected = text.find(pattern) != std::string::npos;
      for (auto const& pieces : cuts) {
        ASSERT_EQ(RopeContains(pieces, pattern), expected)
            << "text " << text << " pattern " << pattern << " in " << pieces.size() << " pieces";
      }
    }
  }
}

// Long patterns (past the 255-byte shift cap) with a periodic structure, so that
// partial matches at piece ends are common, against random cuts.
TEST(RopeSearch, LongPatternsAcrossRandomCuts) {
  std::mt19937 random(20240611);
  auto randomText = [&](std::size_t n, char last) {
    std::string s;
    for (std::size_t i = 0; i < n; ++i) {
      s += static_cast<char>('a' + random() % static_cast<unsigned>(last - 'a' + 1));
    }
    return s;
  };
  for (int round = 0; round < 300; ++round) {
    std::string const unit = randomText(1 + random() % 5, 'c');
    std::string text;
    while (text.size() < 2000) text += unit;
    text += randomText(50, 'c');
    std::size_t const start = random() % 1500;
    std::size_t const length = 1 + random() % 600;
    std::string pattern = text.substr(start, length);
    if (round % 2 == 1) pattern.back() = pattern.back() == 'a' ? 'b' : 'a';
    bool const expected = text.find(pattern) != std::string::npos;

    std::vector<std::string> pieces;
    for (std::size_t at = 0; at < text.size();) {
      std::size_t const n = std::min<std::size_t>(text.size() - at, random() % 400);
      pieces.push_back(text.substr(at, n));
      at += n;
    }
    ASSERT_EQ(RopeContains(pieces, pattern), expected) << "round " << round;
  }
}

TEST(RopeSearch, MatchesAcrossPiecesAndLongPatterns) {
  // Each piece is fed from a buffer that is overwritten right after, as if the
  // earlier pieces were gone: the loop keeps what a match across them needs.
  PatternMatcher abcabd{ConstData("abcabd")};
  MatchLoop loop(abcabd);
  std::string buffer;
  for (std::string const piece : {"xxab", "cab", "d"}) {
    buffer = piece;
    EXPECT_EQ(loop.Continue(ConstData(buffer)), piece == "d") << piece;
    buffer.assign(buffer.size(), '?');
  }
  // A long pattern that the text matches everywhere but far from its end.
  std::string pattern(1000, 'x');
  pattern[10] = 'y';
  pattern[995] = 'z';
  PatternMatcher matcher{ConstData(pattern)};
  std::string const text = std::string(3000, 'x') + pattern + "x";
  EXPECT_TRUE(matcher.OccursIn(ConstData(text)));
  EXPECT_FALSE(matcher.OccursIn(ConstData(text.substr(0, text.size() - 2))));
}

// Deep enough that walking it recursively would risk the stack.
TEST(Rope, ADeepChainIsWalkedWithoutRecursion) {
  std::vector<std::string> pieces(200000, "ab");
  pieces[123456] = "cd";
  RopeMaker maker;
  rope const& r = maker.Chain(pieces);
  EXPECT_EQ(r.Length(), 400000u);
  EXPECT_EQ(length_of(Of{}, r).get(), 400000);
  std::string const text = Text(AsString(r));
  ASSERT_EQ(text.size(), 400000u);
  EXPECT_EQ(text.substr(2 * 123456 - 2, 6), "abcdab");
  EXPECT_TRUE(Contains(r, String("bcda")));
  EXPECT_FALSE(Contains(r, String("cdcd")));
}

TEST(Rope, SharedSubtreesAreMeasuredOnceAndTooLongTextHasNoString) {
  RopeMaker maker;
  rope const* r = &maker.Chain({"abc"});
  for (int i = 0; i < 10; ++i) r = &maker.Join(*r, *r);
  EXPECT_EQ(r->Length(), 3u << 10);
  EXPECT_EQ(Text(AsString(*r)).size(), 3u << 10);

  for (int i = 10; i < 31; ++i) r = &maker.Join(*r, *r);
  EXPECT_EQ(r->Length(), std::uint64_t{3} << 31);  // past 2^32 - 1
  EXPECT_THROW(AsString(*r), NoSuchObject);

  for (int i = 31; i < 70; ++i) r = &maker.Join(*r, *r);
  EXPECT_EQ(r->Length(), std::numeric_limits<std::uint64_t>::max());
  EXPECT_THROW(length_of(Of{}, *r), NoSuchObject);
  EXPECT_THROW(AsString(*r), NoSuchObject);
}

}  // namespace
}  // namespace inspectors
