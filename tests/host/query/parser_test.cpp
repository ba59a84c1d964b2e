#include "host/query/parser.h"

#include <gtest/gtest.h>

#include "host/query_engine_fixture.h"

namespace evaluator {
namespace {

using testing::PropertyRecord;
using testing::QueryEngine;

class ParserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    engine_.Type("bit set", 8);
    engine_.Type("number of months", 8);
    engine_.Add(PropertyRecord(Kind::Property, "bit", "bits", "integer", "bit set", "boolean"));
    engine_.Add(PropertyRecord(Kind::Property, "bit set", "bit sets", "string", "", "bit set"));
    engine_.Add(PropertyRecord(Kind::Property, "least significant one bit",
                               "least significant one bits", "", "bit set", "integer"));
    engine_.Add(PropertyRecord(Kind::Property, "contains", "", "", "", "integer"));
    engine_.Add(PropertyRecord(Kind::Property, "exists flag", "", "", "", "boolean"));
  }

  NodePtr Parse(std::string const& query) {
    query_ = query;
    return evaluator::Parse(query_, engine_.registry());
  }

  QueryEngine engine_;
  std::string query_;
};

TEST_F(ParserTest, LongestRegisteredNameWins) {
  NodePtr n = Parse("bit 3 of Bit  Set \"101\"");
  ASSERT_EQ(n->kind, NodeKind::Phrase);
  EXPECT_EQ(n->name, "bit");
  ASSERT_TRUE(n->parameter);
  EXPECT_EQ(n->parameter->integer, 3);
  ASSERT_TRUE(n->object);
  EXPECT_EQ(n->object->name, "bit set");  // case and spacing normalized
  EXPECT_EQ(n->object->parameter->text, "101");
  EXPECT_EQ(n->object->phrase, "Bit  Set \"101\"");

  // A prefix of a longer name that is not itself complete falls back to the
  // longest complete one.
  NodePtr lsb = Parse("least significant one bit of bit set \"1\"");
  EXPECT_EQ(lsb->name, "least significant one bit");
}

TEST_F(ParserTest, RegisteredNameWinsOverKeywordInTermPosition) {
  NodePtr months = Parse("number of months");
  ASSERT_EQ(months->kind, NodeKind::Phrase);
  EXPECT_EQ(months->name, "number of months");

  NodePtr count = Parse("number of bits 3 of bit set \"1\"");
  ASSERT_EQ(count->kind, NodeKind::NumberOf);
  EXPECT_EQ(count->children[0]->name, "bits");

  NodePtr flag = Parse("exists flag");
  ASSERT_EQ(flag->kind, NodeKind::Phrase);
  EXPECT_EQ(flag->name, "exists flag");
  EXPECT_EQ(Parse("exists 1")->kind, NodeKind::Exists);
}

TEST_F(ParserTest, RelationWordsWinInOperatorPosition) {
  NodePtr n = Parse("contains contains contains");
  ASSERT_EQ(n->kind, NodeKind::Binary);
  EXPECT_EQ(n->op, BinaryOp::Contains);
  EXPECT_EQ(n->children[0]->name, "contains");
  EXPECT_EQ(n->children[1]->name, "contains");

  EXPECT_EQ(Parse("1 does not start with 2")->op, BinaryOp::NotStartsWith);
  EXPECT_EQ(Parse("1 is not 2")->op, BinaryOp::NotEqual);
  EXPECT_EQ(Parse("1 >= 2")->op, BinaryOp::GreaterOrEqual);
}

TEST_F(ParserTest, Precedence) {
  // 1 + (2 * 3) = 7 or false, as a list item.
  NodePtr n = Parse("1 + 2 * 3 = 7 or false; 4");
  ASSERT_EQ(n->kind, NodeKind::List);
  Node const& orNode = *n->children[0];
  ASSERT_EQ(orNode.kind, NodeKind::Or);
  Node const& eq = *orNode.children[0];
  ASSERT_EQ(eq.op, BinaryOp::Equal);
  Node const& plus = *eq.children[0];
  EXPECT_EQ(plus.op, BinaryOp::Plus);
  EXPECT_EQ(plus.children[1]->op, BinaryOp::Times);

  // A cast binds tighter than a binary operator and looser than unary minus.
  NodePtr cast = Parse("- 1 as string & \"x\"");
  ASSERT_EQ(cast->op, BinaryOp::Concatenate);
  ASSERT_EQ(cast->children[0]->kind, NodeKind::Cast);
  EXPECT_EQ(cast->children[0]->children[0]->integer, -1);

  // Tuples bind looser than `or`, lists looser than tuples.
  NodePtr tuple = Parse("1, 2; 3, 4");
  ASSERT_EQ(tuple->kind, NodeKind::List);
  EXPECT_EQ(tuple->children[1]->kind, NodeKind::Tuple);
}

TEST_F(ParserTest, WhoseAttachesToThePhraseBeforeOf) {
  NodePtr n = Parse("bits whose (it) of bit set \"1\"");
  ASSERT_EQ(n->kind, NodeKind::Whose);
  EXPECT_EQ(n->children[0]->name, "bits");
  EXPECT_TRUE(n->children[0]->object);
  EXPECT_EQ(n->children[1]->kind, NodeKind::It);
}

TEST_F(ParserTest, SyntaxErrorsHaveColumns) {
  struct Case {
    char const* query;
    std::size_t column;
  } const cases[] = {
      {"1 +", 4}, {"(1", 3},           {"item x of 1", 6},
      {"1 2", 3}, {"if 1 then 2", 12}, {"1 does not 2", 12},
      {"as", 1},  {"1 as ;", 6},       {"-9223372036854775808 whose (true)", 2},
  };
  for (auto const& c : cases) {
    try {
      Parse(c.query);
      ADD_FAILURE() << c.query << ": no error";
    } catch (SyntaxError const& e) {
      EXPECT_EQ(e.column(), c.column) << c.query << ": " << e.what();
    }
  }
}

TEST_F(ParserTest, DeepNestingIsASyntaxErrorNotACrash) {
  for (std::string const open : {"(", "- ", "not ", "exists "}) {
    std::string query;
    for (int i = 0; i < 1000; ++i) query += open;
    query += "1";
    try {
      Parse(query);
      ADD_FAILURE() << open << ": no error";
    } catch (SyntaxError const& e) {
      EXPECT_STREQ(e.what(), "query nested too deeply");
    }
  }
  std::string chain = "1";
  for (int i = 0; i < 1000; ++i) chain += " + 1";
  EXPECT_THROW(Parse(chain), SyntaxError);

  // Moderate nesting is fine, and long lists are flat.
  EXPECT_NO_THROW(Parse(std::string(50, '(') + "1" + std::string(50, ')')));
  std::string list = "1";
  for (int i = 0; i < 20000; ++i) list += "; 1";
  EXPECT_EQ(Parse(list)->children.size(), 20001u);
}

}  // namespace
}  // namespace evaluator
