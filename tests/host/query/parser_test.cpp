// How names and keywords are told apart, where syntax errors point, and that a
// deadline or a cancellation stops preparing: the trees and columns that a query's
// answer does not show. Longest names, precedence and nesting are in grammar.q.
#include "host/query/parser.h"

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

#include "host/contract/interruption.h"
#include "host/query/type_checker.h"
#include "host/query_engine_fixture.h"

namespace evaluator {
namespace {

using testing::QueryEngine;

class ParserTest : public ::testing::Test {
 protected:
  void SetUp() override {
    engine_.Type("bit set");
    engine_.Type("number of months");
    for (records::Signature const& s :
         std::initializer_list<records::Signature>{{"bit", "bits", "integer", "bit set", "boolean"},
                                                   {"bit set", "bit sets", "string", "", "bit set"},
                                                   {"contains", "", "", "", "integer"},
                                                   {"exists flag", "", "", "", "boolean"}}) {
      engine_.Property(Kind::Property, s);
    }
  }

  NodePtr Parse(std::string const& query) {
    query_ = query;
    return evaluator::Parse(query_, engine_.registry());
  }

  QueryEngine engine_;
  std::string query_;
};

TEST_F(ParserTest, NamesWinOverKeywordsInTermPositionAndRelationsInOperatorPosition) {
  EXPECT_EQ(Parse("number of months")->kind, NodeKind::Phrase);
  NodePtr count = Parse("number of bits 3 of bit set \"1\"");
  ASSERT_EQ(count->kind, NodeKind::NumberOf);
  EXPECT_EQ(count->children[0]->name(), "bits");
  EXPECT_EQ(Parse("exists flag")->kind, NodeKind::Phrase);
  EXPECT_EQ(Parse("exists 1")->kind, NodeKind::Exists);

  NodePtr n = Parse("contains contains contains");
  ASSERT_EQ(n->kind, NodeKind::Binary);
  EXPECT_EQ(n->op, BinaryOp::Contains);
  EXPECT_EQ(n->children[0]->name(), "contains");
  EXPECT_EQ(n->children[1]->name(), "contains");
  for (auto [query, op] : {std::pair{"1 does not start with 2", BinaryOp::NotStartsWith},
                           {"1 is not 2", BinaryOp::NotEqual},
                           {"1 is 2", BinaryOp::Equal},
                           {"1 >= 2", BinaryOp::GreaterOrEqual}}) {
    EXPECT_EQ(Parse(query)->op, op) << query;
  }
}

TEST_F(ParserTest, SyntaxErrorsPointAtTheirColumn) {
  struct {
    char const* query;
    std::size_t column;
  } const cases[] = {
      {"1 +", 4},
      {"(1", 3},
      {"item x of 1", 6},
      {"1 2", 3},
      {"1 $", 3},
      {"ab !x", 4},
      {"  \"open", 3},
      {"\"a\\q\"", 3},
      {"\"\\x4g\"", 2},
      {"x\x01", 2},
      {"1 as ;", 6},
      {"if 1 then 2", 12},
      {"1 does not 2", 12},
      {"as", 1},
      {"1 + 9223372036854775809", 5},
      {"-9223372036854775808 whose (true)", 2},
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

TEST_F(ParserTest, APassedDeadlineOrACancellationStopsPreparingSoonAtTheColumnReached) {
  std::string query = "1";
  for (int i = 0; i < 20000; ++i) query += "; 1";
  struct {
    bool checking;  // stopped in the type checker, else in the parser
    bool cancelled;
  } const cases[] = {{false, false}, {false, true}, {true, false}, {true, true}};
  for (auto const& c : cases) {
    SCOPED_TRACE(std::string(c.checking ? "checking" : "parsing") +
                 (c.cancelled ? ", cancelled" : ", past the deadline"));
    NodePtr tree = c.checking ? Parse(query) : NodePtr();
    TypeTable types(engine_.registry());
    std::optional<DeadlineScope> deadline;
    if (c.cancelled) {
      deadline.emplace(std::nullopt);
      RequestCancellation();  // after the scope began, so that it counts
    } else {
      deadline.emplace(std::chrono::steady_clock::now() - std::chrono::milliseconds(1));
    }
    try {
      if (c.checking) {
        CheckTypes(*tree, engine_.registry(), types);
      } else {
        Parse(query);
      }
      ADD_FAILURE() << "not stopped";
    } catch (Interrupted const& e) {
      EXPECT_EQ(dynamic_cast<Cancelled const*>(&e) != nullptr, c.cancelled);
      // Stopped within the first tenth of the query, at one of its tokens.
      EXPECT_GT(e.column, 0u);
      EXPECT_LT(e.column, query.size() / 10);
      EXPECT_NE(query[e.column - 1], ' ');
    }
  }
}

}  // namespace
}  // namespace evaluator
