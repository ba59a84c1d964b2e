#include "host/inspect/output.h"

#include <gtest/gtest.h>

#include <sstream>

namespace inspect {
namespace {

using evaluator::Error;
using evaluator::PhraseInfo;
using evaluator::Result;
using evaluator::Value;

Value Integer(std::int64_t n) {
  Value v;
  v.kind = Value::Kind::Integer;
  v.type = "integer";
  v.integer = n;
  v.text = std::to_string(n);
  return v;
}

Value Text(std::string text) {
  Value v;
  v.kind = Value::Kind::String;
  v.type = "string";
  v.text = std::move(text);
  return v;
}

TEST(OutputTest, CaretSitsUnderTheColumn) {
  EXPECT_EQ(CaretLine("1 + + 2", 5), "    ^");
  EXPECT_EQ(CaretLine("x", 1), "^");
  EXPECT_EQ(CaretLine("1 +", 4), "   ^");  // just past the end
  EXPECT_EQ(CaretLine("\t1 +", 4), "\t  ^");
  // "é" is two bytes but one place on a terminal.
  EXPECT_EQ(CaretLine("\"\xc3\xa9\" + 1", 6), "    ^");
}

TEST(OutputTest, LongQueriesAreCutAroundTheColumn) {
  std::string query = std::string(300, 'a') + "!" + std::string(300, 'b');
  auto excerpt = ExcerptAround(query, 301, 120);
  ASSERT_LT(excerpt.text.size(), 130u);
  EXPECT_TRUE(excerpt.text.starts_with("..."));
  EXPECT_TRUE(excerpt.text.ends_with("..."));
  EXPECT_EQ(excerpt.text[excerpt.column - 1], '!');

  auto start = ExcerptAround(query, 1, 120);
  EXPECT_FALSE(start.text.starts_with("..."));
  EXPECT_EQ(start.column, 1u);
  auto end = ExcerptAround(query, query.size() + 1, 120);  // just past the end
  EXPECT_FALSE(end.text.ends_with("..."));
  EXPECT_EQ(end.column, end.text.size() + 1);

  auto shortQuery = ExcerptAround("1 + + 2", 5, 120);
  EXPECT_EQ(shortQuery.text, "1 + + 2");
  EXPECT_EQ(shortQuery.column, 5u);

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

TEST(OutputTest, LongMessagesKeepTheirEnds) {
  std::string const name(10'000'000, 'n');
  Error type{Error::Category::Type, "no property \"" + name + "\" of \"integer\"", 1};
  std::string const line = ErrorLine(type, {});
  EXPECT_LT(line.size(), 400u);
  EXPECT_TRUE(line.starts_with("type error at column 1: no property \"nnn")) << line;
  EXPECT_TRUE(line.ends_with("nnn\" of \"integer\"")) << line;
  EXPECT_NE(line.find("..."), std::string::npos);
  EXPECT_EQ(Shortened("short"), "short");
  // Never a cut inside a UTF-8 sequence.
  std::string const euros = [] {
    std::string text;
    for (int i = 0; i < 400; ++i) text += "\xe2\x82\xac";
    return text;
  }();
  std::string const cut = Shortened(euros, 100);
  std::string const rejoined = cut.substr(0, cut.find("...")) + cut.substr(cut.find("...") + 3);
  EXPECT_EQ(rejoined.size() % 3, 0u);
  EXPECT_EQ(static_cast<unsigned char>(cut[cut.find("...") + 3]), 0xe2u);
}

TEST(OutputTest, ErrorsStayOnOneLine) {
  EXPECT_EQ(OneLine("a\nb\x01"), "a\\x0ab\\x01");
  EXPECT_EQ(QueryLine("a\nb\tc"), "a?b\tc");
  Error syntax{Error::Category::Syntax, "expected a term\nhere", 5};
  EXPECT_EQ(ErrorLine(syntax, {}), "syntax error at column 5: expected a term\\x0ahere");
  Error type{Error::Category::Type, "no phrase", 2};
  EXPECT_EQ(ErrorLine(type, {"q.txt", 7}), "q.txt:7: type error at column 2: no phrase");
  Error repeated{Error::Category::Syntax, "syntax error: unexpected \"+\"", 3};
  EXPECT_EQ(ErrorLine(repeated, {}), "syntax error at column 3: unexpected \"+\"");
  Error failure{Error::Category::Failure, "division by zero", 0};
  EXPECT_EQ(ErrorLine(failure, {}), "division by zero");
  Error timeout{Error::Category::Timeout, "after 1 s", 0};
  EXPECT_EQ(ErrorLine(timeout, {}), "timed out: after 1 s");
}

TEST(OutputTest, PlainOutputPrintsValuesThenTheErrorWithACaret) {
  Result result;
  result.query = "1 + + 2";
  result.values = {Integer(3), Text("a b")};
  result.error = Error{Error::Category::Syntax, "unexpected '+'", 5};
  std::ostringstream out, err;
  MakeOutput(Format::Plain, out, err)->WriteResult(result, {});
  EXPECT_EQ(out.str(), "3\na b\n");
  EXPECT_EQ(err.str(), "inspect: syntax error at column 5: unexpected '+'\n1 + + 2\n    ^\n");

  // A failure has no caret.
  result.error = Error{Error::Category::Failure, "division by zero", 3};
  std::ostringstream out2, err2;
  MakeOutput(Format::Plain, out2, err2)->WriteResult(result, {});
  EXPECT_EQ(err2.str(), "inspect: division by zero\n");
}

TEST(OutputTest, JsonKeepsTheValueKinds) {
  Value boolean;
  boolean.kind = Value::Kind::Boolean;
  boolean.boolean = true;
  boolean.text = "true";
  Value tuple;
  tuple.kind = Value::Kind::Tuple;
  tuple.items = {Integer(-4), Text("x"), boolean};
  tuple.text = "-4, x, true";
  Value other;
  other.kind = Value::Kind::Other;
  other.text = "0101";

  EXPECT_EQ(ValueJson(Integer(-4)), nlohmann::json(-4));
  EXPECT_EQ(ValueJson(boolean), nlohmann::json(true));
  EXPECT_EQ(ValueJson(other), nlohmann::json("0101"));
  EXPECT_EQ(ValueJson(tuple), nlohmann::json::parse(R"([-4, "x", true])"));
}

TEST(OutputTest, JsonResultHasEveryField) {
  Result result;
  result.query = "q";
  result.type = "integer";
  result.plural = true;
  result.values = {Integer(1), Integer(2)};
  result.elapsed = std::chrono::microseconds(1500);
  auto json = ResultJson(result, {});
  EXPECT_EQ(json["query"], "q");
  EXPECT_EQ(json["type"], "integer");
  EXPECT_EQ(json["plural"], true);
  EXPECT_EQ(json["values"], nlohmann::json::parse("[1, 2]"));
  EXPECT_TRUE(json["error"].is_null());
  EXPECT_DOUBLE_EQ(json["elapsed_ms"].get<double>(), 1.5);
  EXPECT_FALSE(json.contains("file"));

  result.error = Error{Error::Category::Type, "bad", 3};
  json = ResultJson(result, {"f", 2});
  EXPECT_EQ(json["error"]["category"], "type");
  EXPECT_EQ(json["error"]["message"], "bad");
  EXPECT_EQ(json["error"]["column"], 3);
  EXPECT_EQ(json["file"], "f");
  EXPECT_EQ(json["line"], 2);
}

TEST(OutputTest, JsonOutputSurvivesBytesThatAreNotUtf8) {
  Result result;
  result.query = "\"\xff\xfe\"";
  result.values = {Text("\xff")};
  std::ostringstream out, err;
  MakeOutput(Format::Json, out, err)->WriteResult(result, {});
  auto json = nlohmann::json::parse(out.str());
  EXPECT_EQ(json["values"][0], "\xef\xbf\xbd");  // U+FFFD
  EXPECT_TRUE(err.str().empty());
}

TEST(OutputTest, PhraseTableAlignsAndDropsEmptyColumns) {
  PhraseInfo property{"property", "bit", "bits", "integer", "bit set", "", "boolean", "", -1};
  PhraseInfo plus{"binary operator", "", "", "", "integer", "integer", "integer", "", 0};
  auto lines = PhraseTable({property, plus});
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(lines[0].find("BASE"), std::string::npos);  // no phrase has a base
  EXPECT_NE(lines[0].find("CODE"), std::string::npos);
  // Every column starts at the same place on each line.
  auto objectColumn = lines[0].find("OBJECT");
  EXPECT_EQ(lines[1].substr(objectColumn, 7), "bit set");
  EXPECT_EQ(lines[2].substr(objectColumn, 7), "integer");
  EXPECT_EQ(lines[2].substr(0, 15), "binary operator");
  EXPECT_NE(lines[2].find(" 0"), std::string::npos);
  // Operators are named by their symbol.
  EXPECT_EQ(lines[2].substr(lines[0].find("NAME"), 2), "+ ");
  EXPECT_TRUE(PhraseTable({}).empty());
}

TEST(OutputTest, PhrasesAsJson) {
  PhraseInfo plus{"binary operator", "", "", "", "integer", "integer", "integer", "", 0};
  auto json = PhraseJson(plus);
  EXPECT_EQ(json["kind"], "binary operator");
  EXPECT_EQ(json["code"], 0);
  EXPECT_EQ(json["name"], "+");
  PhraseInfo negate{"unary operator", "", "", "", "integer", "", "integer", "", 0};
  EXPECT_EQ(PhraseJson(negate)["name"], "-");
  PhraseInfo contains{"binary operator", "", "", "", "string", "string", "boolean", "", 11};
  EXPECT_EQ(PhraseJson(contains)["name"], "contains");
  EXPECT_EQ(json["right"], "integer");
  EXPECT_FALSE(json.contains("plural"));
}

}  // namespace
}  // namespace inspect
