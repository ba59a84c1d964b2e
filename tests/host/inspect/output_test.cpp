// The rules of the command's output that its process tests (inspect_test) do not
// reach: where the caret goes, how a long query is cut, how control bytes are
// shown, and how the phrase table is laid out.
#include "host/inspect/output.h"

#include <gtest/gtest.h>

namespace inspect {
namespace {

using evaluator::Error;
using evaluator::PhraseInfo;

// The caret under plain text, and just past its end, is in inspect_test.
TEST(Output, TheCaretSitsUnderTheColumnAsATerminalShowsIt) {
  EXPECT_EQ(CaretLine("x", 1), "^");
  EXPECT_EQ(CaretLine("\t1 +", 4), "\t  ^");
  EXPECT_EQ(CaretLine("\"\xc3\xa9\" + 1", 6), "    ^");  // "é" is two bytes, one place
}

TEST(Output, ALongQueryIsCutAroundTheColumn) {
  std::string const query = std::string(300, 'a') + "!" + std::string(300, 'b');
  auto middle = ExcerptAround(query, 301, 120);
  EXPECT_LT(middle.text.size(), 130u);
  EXPECT_TRUE(middle.text.starts_with("...") && middle.text.ends_with("...")) << middle.text;
  EXPECT_EQ(middle.text[middle.column - 1], '!');
  auto start = ExcerptAround(query, 1, 120);
  EXPECT_FALSE(start.text.starts_with("..."));
  EXPECT_EQ(start.column, 1u);
  auto end = ExcerptAround(query, query.size() + 1, 120);  // just past the end
  EXPECT_FALSE(end.text.ends_with("..."));
  EXPECT_EQ(end.column, end.text.size() + 1);

  // Bytes that are not UTF-8: the cuts may not step over the offending byte, and the
  // column stays inside the excerpt.
  struct {
    std::string query;
    std::size_t column;
  } const hostile[] = {
      {std::string(200, '\x9a'), 1},
      {std::string(200, '\x9a'), 100},
      {std::string(200, '\x9a'), 201},
      {"x" + std::string(300, '\x80'), 2},
      {std::string(150, 'a') + "\xe2\x82\xac" + std::string(150, '\xbf'), 152},
  };
  for (auto const& c : hostile) {
    auto excerpt = ExcerptAround(c.query, c.column, 120);
    EXPECT_GE(excerpt.column, 1u);
    EXPECT_LE(excerpt.column, excerpt.text.size() + 1);
    EXPECT_LT(excerpt.text.size(), 140u);
    EXPECT_LE(CaretLine(excerpt.text, excerpt.column).size(), excerpt.text.size() + 1);
  }
  EXPECT_EQ(CaretLine("ab", std::size_t(-1)), "   ^");  // bounded by the text
}

TEST(Output, ALongMessageKeepsItsEnds) {
  std::string const name(10'000'000, 'n');
  Error const type{Error::Category::Type, "no property \"" + name + "\" of \"integer\"", 1};
  std::string const line = ErrorLine(type, {});
  EXPECT_LT(line.size(), 400u);
  EXPECT_TRUE(line.starts_with("type error at column 1: no property \"nnn")) << line;
  EXPECT_TRUE(line.ends_with("nnn\" of \"integer\"")) << line;
  EXPECT_EQ(Shortened("short"), "short");
  // Never a cut inside a UTF-8 sequence.
  std::string euros;
  for (int i = 0; i < 400; ++i) euros += "\xe2\x82\xac";
  std::string const cut = Shortened(euros, 100);
  std::size_t const dots = cut.find("...");
  ASSERT_NE(dots, std::string::npos);
  EXPECT_EQ((cut.size() - 3) % 3, 0u);
  EXPECT_EQ(static_cast<unsigned char>(cut[dots + 3]), 0xe2u);
}

TEST(Output, ErrorsStayOnOneLineAndTheQueryKeepsItsPlaces) {
  Error const error{Error::Category::Syntax, "expected a term\nhere\x01", 5};
  EXPECT_EQ(ErrorLine(error, {"q.txt", 7}),
            "q.txt:7: syntax error at column 5: expected a term\\x0ahere\\x01");
  EXPECT_EQ(QueryLine("a\nb\tc"), "a?b\tc");
}

TEST(Output, ThePhraseTableAlignsItsColumnsAndDropsEmptyOnes) {
  PhraseInfo const property{"property", "bit",     "bits", "integer", "bit set",
                            "",         "boolean", "",     -1,        ""};
  PhraseInfo const plus{"binary operator", "", "", "", "integer", "integer", "integer", "", 0, "+"};
  auto lines = PhraseTable({property, plus});
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].find("BASE"), std::string::npos);  // no phrase has a base
  auto const object = lines[0].find("OBJECT");
  EXPECT_EQ(lines[1].substr(object, 7), "bit set");
  EXPECT_EQ(lines[2].substr(object, 7), "integer");
  EXPECT_EQ(lines[2].substr(lines[0].find("NAME"), 2), "+ ");  // operators by their symbol
  EXPECT_TRUE(lines[2].ends_with(" 0"));
  EXPECT_TRUE(PhraseTable({}).empty());
}

}  // namespace
}  // namespace inspect
