#include "host/query/type_checker.h"

#include <gtest/gtest.h>

#include "host/query_engine_fixture.h"

namespace evaluator {
namespace {

using testing::PropertyRecord;
using testing::QueryEngine;

class TypeCheckerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    engine_.Type("shape", 8);
    engine_.Type("polygon", 8, "shape");
    engine_.Type("square", 8, "polygon");
    engine_.Add(PropertyRecord(Kind::Property, "square", "squares", "integer", "", "square"));
    area_ = &engine_.Add(PropertyRecord(Kind::Property, "area", "areas", "", "shape", "integer"));
    corners_ = &engine_.Add(
        PropertyRecord(Kind::Property, "corner", "corners", "integer", "polygon", "integer"));
    engine_.Add(PropertyRecord(Kind::Property, "corner", "corners", "string", "shape", "string"));
    Registration side =
        PropertyRecord(Kind::IteratedProperty, "side", "sides", "", "polygon", "integer");
    sides_ = &engine_.Add(side);
    Registration cast;
    cast.kind = Kind::Cast;
    cast.name = Name("string");
    cast.objectType = Name("shape");
    cast.resultType = Name("string");
    engine_.Add(cast);
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
  Registration const* corners_ = nullptr;
  Registration const* sides_ = nullptr;
};

TEST_F(TypeCheckerTest, DerivedTypesAreAcceptedAndTheNearestBaseWins) {
  NodePtr area = Check("area of square 1");
  EXPECT_EQ(area->registration, area_);
  EXPECT_EQ(area->type->name, "integer");
  EXPECT_FALSE(area->plural);

  // Both "corner" registrations fit a square by its object; the parameter decides.
  EXPECT_EQ(Check("corner 2 of square 1")->registration, corners_);
  EXPECT_EQ(Check("corner \"a\" of square 1")->type->name, "string");

  EXPECT_EQ(Check("square 1 as string")->type->name, "string");
  EXPECT_EQ(Check("square 1 as shape")->type->name, "shape");
  EXPECT_EQ(Error("area of 3"), "no property \"area\" of \"integer\" @1");
  EXPECT_EQ(Error("corner true of square 1"),
            "no property \"corner\" with parameter \"boolean\" of \"square\" @1");
  EXPECT_EQ(Error("square 1 as integer"), "no cast \"integer\" from \"square\" @13");
}

TEST_F(TypeCheckerTest, SingularAndPluralForms) {
  NodePtr areas = Check("areas of squares (1; 2)");
  EXPECT_TRUE(areas->plural);
  EXPECT_TRUE(areas->pluralForm);
  EXPECT_EQ(Error("area of squares (1; 2)"),
            "the singular \"area\" is applied to a plural \"square\"; use \"areas\" @1");
  EXPECT_EQ(Error("square (1; 2)"), "the singular \"square\" has a plural parameter @9");

  NodePtr side = Check("side of square 1");
  EXPECT_EQ(side->registration, sides_);
  EXPECT_EQ(side->shape, CallShape::Iterated);
  EXPECT_FALSE(side->plural);
  EXPECT_TRUE(Check("sides of squares (1; 2)")->plural);

  // Aggregates take the whole sequence under either name.
  EXPECT_FALSE(Check("minimum of sides of square 1")->plural);
  EXPECT_TRUE(Check("minima of 1")->plural);
}

TEST_F(TypeCheckerTest, CompositeTypes) {
  NodePtr tuple = Check("square 1, 2, \"x\"");
  EXPECT_EQ(tuple->type->name, "(square, integer, string)");
  EXPECT_EQ(Check("item 0 of (square 1, 2)")->type->name, "square");
  // A list takes the type that all its items are.
  EXPECT_EQ(Check("square 1; (square 2 as shape)")->type->name, "shape");
  EXPECT_EQ(Check("if true then square 1 else (square 2 as polygon)")->type->name, "polygon");
  EXPECT_EQ(Error("1; square 1"), "items of a list differ in type: \"integer\" and \"square\" @4");
  EXPECT_EQ(Error("square 1 = square 2"), "no operator \"=\" for \"square\" and \"square\" @10");
}

TEST_F(TypeCheckerTest, RelationsDeriveFromTheirPositiveForms) {
  NodePtr greater = Check("\"b\" > \"a\"");
  EXPECT_TRUE(greater->swapOperands);
  EXPECT_FALSE(greater->negate);
  EXPECT_EQ(greater->registration->operatorCode, kRelationLess);
  NodePtr notEnds = Check("\"b\" does not end with \"a\"");
  EXPECT_TRUE(notEnds->negate);
  EXPECT_EQ(notEnds->registration->operatorCode, kRelationEndsWith);
  EXPECT_EQ(notEnds->type->name, "boolean");
}

}  // namespace
}  // namespace evaluator
