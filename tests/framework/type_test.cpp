// Names of the composed value types and the behaviour of the pair that refers to
// its items.
#include <cstring>
#include <string>

#include <gtest/gtest.h>

#include "framework/type.h"

namespace {

using inspectors::InspectorTuple2;
using inspectors::InspectorTuple3;
using inspectors::TimedValue;
using inspectors::WithMultiplicity;

struct range_stand_in {
  static char const* TypeName() { return "time range"; }
};

TEST(ComposedTypeNames, AreBuiltOnceAndStayPut) {
  char const* first = WithMultiplicity<integer>::TypeName();
  EXPECT_EQ(first, WithMultiplicity<integer>::TypeName());
  EXPECT_STREQ(first, "integer with multiplicity");

  std::string const pair = MakeTupleTypeName("time range", "integer");
  EXPECT_EQ((TimedValue<integer, range_stand_in>::TypeName()), "timed" + pair);
  EXPECT_EQ((InspectorTuple2<integer, boolean>::TypeName()),
            MakeTupleTypeName("integer", "boolean"));
  EXPECT_EQ((InspectorTuple3<integer, boolean, inspector_string>::TypeName()),
            MakeTupleTypeName("integer", "boolean", "string"));
}

TEST(Tuples, ReferToTheirItemsAndRelinkWhenCopied) {
  integer const a(1);
  boolean const b(true);
  InspectorTuple2<integer, boolean> original(a, b);
  EXPECT_EQ(TupleItem(0, original.Nodes()), &a);
  EXPECT_EQ(TupleItem(1, original.Nodes()), &b);
  EXPECT_EQ(TupleItem(2, original.Nodes()), nullptr);

  InspectorTuple2<integer, boolean> const copy(original);
  EXPECT_EQ(copy.Nodes()[0].next, &copy.Nodes()[1]) << "the copy links its own nodes";
  EXPECT_EQ(TupleItem(1, copy.Nodes()), &b);

  integer const c(3);
  inspector_string const d{};
  InspectorTuple3<integer, integer, inspector_string> const triple(a, c, d);
  EXPECT_EQ(triple.Second().get(), 3);
  EXPECT_EQ(TupleItem(2, triple.Nodes()), &d);
}

}  // namespace
