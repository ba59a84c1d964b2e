// HTML attribute lists: name="value" pairs, separated by single spaces, made by
// aggregating (name, value) string pairs. Values are escaped and quoted.
#pragma once

#include <vector>

#include "foundation/const_data.h"
#include "framework/contract/evaluator.h"
#include "framework/type.h"
#include "inspectors/strings/html_text.h"

namespace inspectors {

struct html_attribute_list {
  ConstData text;

  static char const* TypeName() noexcept { return "html attribute list"; }
};

using AttributePair = InspectorTuple2<inspector_string, inspector_string>;

// "attr list": the pairs in the order given. A name that is not an attribute name
// (empty, or holding whitespace, quotes, '<', '>', '/', '=' or NUL) would let the
// text escape its tag, so a list with such a name has no value; so has one too long
// for a string. No pairs give the empty list.
class html_attribute_list_maker {
 public:
  void Initialize();
  void Collect(Of, AttributePair const& pair);
  html_attribute_list FirstFinal();
  html_attribute_list NextFinal();

 private:
  HTMLBuffer text_;
  bool written_ = false;
  bool invalid_ = false;
};

// The attribute text itself.
inspector_string AsString(html_attribute_list const& list);

}  // namespace inspectors
