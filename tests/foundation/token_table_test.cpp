#include "foundation/token_table.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "chunked_reading.h"
#include "foundation/keyword_lexemes.h"

namespace inspectors {
namespace {

int Sign(int n) {
  return (n > 0) - (n < 0);
}

TEST(TokenTable, ComparesTextWithBytes) {
  struct {
    char const* text;
    std::string bytes;
    int sign;
  } const cases[] = {
      {"", "", 0},          {"ab", "ab", 0},   {"ab", "abc", -1},
      {"abc", "ab", 1},     {"b", "a", 1},     {"a", "\xe9", -1},
      {"ab", {"ab\0", 3}, -1},  // a proper prefix is smaller even before a zero byte
  };
  for (auto const& c : cases) {
    EXPECT_EQ(Sign(Compare(c.text, ConstData(c.bytes))), c.sign) << c.text << " / " << c.bytes;
  }
}

enum class Colour { Blue, Green, Red, Unknown };
constexpr TokenTableAssociation<Colour> kColours[] = {
    {"blue", Colour::Blue}, {"green", Colour::Green}, {"red", Colour::Red}, {nullptr, Colour::Unknown}};

TEST(TokenTable, FindsWholeRowsOnly) {
  TokenTable<Colour> const table(kColours);
  struct {
    char const* text;
    Colour value;
    bool found;
  } const cases[] = {
      {"blue", Colour::Blue, true},      {"green", Colour::Green, true}, {"red", Colour::Red, true},
      {"re", Colour::Unknown, false},    {"reds", Colour::Unknown, false},
      {"Red", Colour::Unknown, false},   {"", Colour::Unknown, false},
  };
  for (auto const& c : cases) {
    EXPECT_EQ(table[c.text], c.value) << c.text;
    EXPECT_EQ(table.LookFor(c.text) != nullptr, c.found) << c.text;
  }
  constexpr TokenTableAssociation<Colour> unsorted[] = {
      {"red", Colour::Red}, {"blue", Colour::Blue}, {nullptr, Colour::Unknown}};
  constexpr TokenTableAssociation<Colour> twice[] = {
      {"red", Colour::Red}, {"red", Colour::Blue}, {nullptr, Colour::Unknown}};
  EXPECT_THROW(TokenTable<Colour>{unsorted}, std::logic_error);
  EXPECT_THROW(TokenTable<Colour>{twice}, std::logic_error);
}

enum class Op { Dot, Colon, Scope, Less, LessEqual, ShiftAssign, None };
constexpr TokenTableAssociation<Op> kOperators[] = {
    {".", Op::Dot},       {":", Op::Colon},           {"::", Op::Scope}, {"<", Op::Less},
    {"<<=", Op::ShiftAssign}, {"<=", Op::LessEqual}, {nullptr, Op::None}};

class OperatorRecorder : public OperatorLexemeAcceptor<Op>, public EndLexemeAcceptor {
 public:
  void AcceptOperator(TokenRange r, Op op) override {
    notes += std::to_string(static_cast<int>(op)) + "@" + std::to_string(r.begin) + "-" +
             std::to_string(r.end) + " ";
  }
  void AcceptBadOperator(TokenRange r) override {
    notes += "bad@" + std::to_string(r.begin) + "-" + std::to_string(r.end) + " ";
  }
  void Reset() override { notes.clear(); }
  void AcceptEnd(unsigned long) override { notes += "end"; }
  std::string notes;
};

class OperatorLexer : public Lexer {
 public:
  OperatorLexer(TokenTable<Op> const& table, OperatorRecorder& r) : Lexer(r), operators_(table, r) {}

 private:
  Lexeme& ChooseLexeme(byte) override { return operators_; }
  OperatorLexeme<Op> operators_;
};

TEST(TokenTableCursor, TakesTheLongestMatchAcrossChunks) {
  TokenTable<Op> const table(kOperators);
  struct {
    char const* text;
    char const* tokens;
  } const cases[] = {
      {"", "end"},
      {":::", "2@0-2 1@2-3 end"},
      {".:.", "0@0-1 1@1-2 0@2-3 end"},
      {"<=<", "4@0-2 3@2-3 end"},
      {"<<=<<=", "5@0-3 5@3-6 end"},
      // One byte back at most: "<<" begins only "<<=", so it is no operator.
      {"<<", "bad@0-2 end"},
      {"<<.", "bad@0-2 0@2-3 end"},
      // A byte that begins no operator is not consumed; the lexer does not loop.
      {"x", "!ParsingFailure"},
      {".x", "!ParsingFailure"},
  };
  OperatorRecorder recorder;
  OperatorLexer lexer(table, recorder);
  for (auto const& c : cases) {
    std::string const outcome = ReadInEveryChunking(c.text, [&](std::vector<ConstData> const& chunks) {
      lexer.Start();
      for (ConstData chunk : chunks) lexer.Receive(chunk);
      lexer.ReceiveEnd();
      return recorder.notes;
    });
    EXPECT_EQ(outcome, c.tokens) << c.text;
  }
}

TEST(TokenTableCursor, MatchesNothingInAnEmptyTable) {
  constexpr TokenTableAssociation<Op> none[] = {{nullptr, Op::None}};
  TokenTable<Op> const table(none);
  TokenTableCursor<Op> cursor(table);
  ConstBuffer in(ConstData(":"));
  EXPECT_FALSE(cursor.LookFor(in));
  EXPECT_EQ(in.Length(), 1u);
  EXPECT_FALSE(cursor.ExactMatch());
  EXPECT_EQ(cursor.Value(), Op::None);
}

}  // namespace
}  // namespace inspectors
