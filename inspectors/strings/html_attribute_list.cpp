#include "inspectors/strings/html_attribute_list.h"

#include "foundation/exceptions.h"
#include "foundation/inspector_string_copy.h"
#include "framework/inspector.h"
#include "inspectors/strings/html_syntax.h"

namespace inspectors {

void html_attribute_list_maker::Initialize() {
  text_.Clear();
  written_ = false;
  invalid_ = false;
}

void html_attribute_list_maker::Collect(Of, AttributePair const& pair) {
  ConstData const name = AsConstData(pair.First());
  if (!IsAttributeName(name)) invalid_ = true;
  if (invalid_) return;
  if (written_) text_.Append(ConstData(" "));
  written_ = true;
  text_.Append(name);
  text_.Append(ConstData("=\""));
  text_.AppendEscaped(AsConstData(pair.Second()));
  text_.Append(ConstData("\""));
}

html_attribute_list html_attribute_list_maker::FirstFinal() {
  if (invalid_ || text_.Overflowed()) throw NoSuchObject();
  return html_attribute_list{text_.Bytes()};
}

html_attribute_list html_attribute_list_maker::NextFinal() {
  throw NoSuchObject();
}

inspector_string AsString(html_attribute_list const& list) {
  return AsInspectorString(list.text);
}

namespace {

Type<html_attribute_list, kNotFingerprinted> const attributeListType;
Prop const attributeList("attr list", "attr lists", &html_attribute_list_maker::Initialize,
                         &html_attribute_list_maker::Collect,
                         &html_attribute_list_maker::FirstFinal,
                         &html_attribute_list_maker::NextFinal, kDependsOnlyOnParameters);
Cast<html_attribute_list, inspector_string> const attributeListAsString("string", &AsString,
                                                                        kDependsOnlyOnParameters);

}  // namespace

}  // namespace inspectors
