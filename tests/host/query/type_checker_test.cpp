// Which registration the type checker chooses, and the columns of its errors: what
// a query's answer or message alone does not show.
#include "host/query/type_checker.h"

#include <gtest/gtest.h>

#include "host/query_engine_fixture.h"

namespace evaluator {
namespace {

using testing::QueryEngine;

class TypeCheckerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    engine_.Type("shape");
    engine_.Type("polygon", "shape");
    engine_.Type("square", "polygon");
    engine_.Property(Kind::Property, {"square", "squares", "integer", "", "square"});
    area_ = &engine_.Property(Kind::Property, {"area", "areas", "", "shape", "integer"});
    polygonArea_ = &engine_.Property(Kind::Property, {"area", "areas", "", "polygon", "integer"});
    corner_ =
        &engine_.Property(Kind::Property, {"corner", "corners", "integer", "polygon", "integer"});
    engine_.Property(Kind::Property, {"corner", "corners", "string", "shape", "string"});
    engine_.Property(Kind::IteratedProperty, {"side", "sides", "", "polygon", "integer"});
  }

  NodePtr Check(std::string const& query) { return engine_.Prepare(query); }

  std::string Error(std::string const& query) {
    try {
      Check(query);
    } catch (TypeError const& e) {
      return e.what() + std::string(" @") + std::to_string(e.column());
    }
    return "(no error)";
  }

  QueryEngine engine_;
  Registration const* area_ = nullptr;
  Registration const* polygonArea_ = nullptr;
  Registration const* corner_ = nullptr;
};

TEST_F(TypeCheckerTest, TheNearestBaseWinsAndTheLibraryBeforeTheEvaluator) {
  EXPECT_EQ(Check("area of square 1")->registration, polygonArea_);
  EXPECT_EQ(Check("area of (square 1 as shape)")->registration, area_);
  // Both "corner" registrations fit a square by its object; the parameter decides.
  EXPECT_EQ(Check("corner 2 of square 1")->registration, corner_);
  EXPECT_EQ(Check("corner \"a\" of square 1")->type->name, "string");
  EXPECT_EQ(Check("square 1 as shape")->type->name, "shape");

  NodePtr greater = Check("\"b\" > \"a\"");
  EXPECT_EQ(greater->registration->origin, Origin::Evaluator);
  EXPECT_TRUE(greater->swapOperands);
  Registration const& plus = engine_.Add(records::BinaryOperator(
      nullptr, kOperatorPlus, "integer", "integer", "integer", nullptr, nullptr, nullptr));
  EXPECT_EQ(Check("1 + 2")->registration, &plus);
  EXPECT_EQ(Check("3 - 2")->registration->origin, Origin::Evaluator);
}

TEST_F(TypeCheckerTest, ErrorsNameThePhraseAndPointAtIt) {
  struct {
    char const* query;
    char const* error;
  } const cases[] = {
      {"area of 3", "no property \"area\" of \"integer\" @1"},
      {"corner true of square 1",
       "no property \"corner\" with parameter \"boolean\" of \"square\" @1"},
      {"square 1 as integer", "no cast \"integer\" from \"square\" @13"},
      {"area of squares (1; 2)",
       "the singular \"area\" is applied to a plural \"square\"; use \"areas\" @1"},
      {"square (1; 2)", "the singular \"square\" has a plural parameter @9"},
      {"1; square 1", "items of a list differ in type: \"integer\" and \"square\" @4"},
      {"square 1 = square 2", "no operator \"=\" for \"square\" and \"square\" @10"},
      {"- square 1", "no operator \"-\" for \"square\" @1"},
      {"if 1 = 1 then 2 else \"x\"",
       "\"then\" and \"else\" differ in type: \"integer\" and \"string\" @22"},
      {"side of (square 1) whose (it)", "\"whose\" needs a boolean, not \"square\" @27"},
      {"integer", "\"integer\" is a type or cast name, not a property @1"},
  };
  for (auto const& c : cases) EXPECT_EQ(Error(c.query), c.error);
}

TEST_F(TypeCheckerTest, PluralityFollowsTheFormAndTheOperands) {
  struct {
    char const* query;
    bool plural;
  } const cases[] = {
      {"areas of squares (1; 2)", true},
      {"side of square 1", false},
      {"sides of square 1", true},
      {"minimum of sides of square 1", false},
      {"minima of 1", true},
      {"area of square 1 + (1; 2)", true},
      {"square 1, (1; 2)", true},
      {"if true then 1 else (1; 2)", true},
  };
  for (auto const& c : cases) EXPECT_EQ(Check(c.query)->plural, c.plural) << c.query;
}

TEST_F(TypeCheckerTest, ATimedTupleIsAKindOfThePlainTupleOfItsItems) {
  engine_.Add(records::BinaryOperator(nullptr, kOperatorTimes, "square", "integer",
                                      "timed(square, integer)", nullptr, nullptr, nullptr));
  Registration const& label =
      engine_.Property(Kind::Property, {"label", "labels", "", "(polygon, integer)", "string"});
  engine_.Property(Kind::Property, {"span", "spans", "", "timed(shape, integer)", "integer"});
  EXPECT_EQ(Check("square 1 * 2")->type->name, "timed(square, integer)");
  EXPECT_EQ(Check("label of (square 1 * 2)")->registration, &label);
  EXPECT_EQ(Check("span of (square 1 * 2)")->type->name, "integer");
  EXPECT_EQ(Error("span of (square 1, 2)"), "no property \"span\" of \"(square, integer)\" @1");
  EXPECT_EQ(Error("item 2 of (square 1 * 2)"), "no item 2 in \"timed(square, integer)\" @1");
}

}  // namespace
}  // namespace evaluator
