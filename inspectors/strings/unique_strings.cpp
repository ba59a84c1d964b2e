#include "inspectors/strings/unique_strings.h"

#include "foundation/exceptions.h"
#include "framework/inspector.h"

namespace inspectors {

integer Multiplicity(Of, StringWithMultiplicity const& s) {
  return integer(s.multiplicity);
}

void unique_strings::Initialize() {
  counts_.clear();
  cursor_ = counts_.end();
}

void unique_strings::Aggregate(Of, inspector_string const& element) {
  std::string key;
  if (element.length != 0) key.assign(reinterpret_cast<char const*>(element.bytes), element.length);
  ++counts_[std::move(key)];
}

StringWithMultiplicity unique_strings::Current() const {
  if (cursor_ == counts_.end()) throw NoSuchObject();
  std::string const& text = cursor_->first;
  return StringWithMultiplicity{
      inspector_string{reinterpret_cast<unsigned char const*>(text.data()),
                       static_cast<std::uint32_t>(text.size())},
      cursor_->second};
}

StringWithMultiplicity unique_strings::FirstFinal() {
  cursor_ = counts_.begin();
  return Current();
}

StringWithMultiplicity unique_strings::NextFinal() {
  if (cursor_ != counts_.end()) ++cursor_;
  return Current();
}

namespace {

DerivedType<StringWithMultiplicity, inspector_string, kNotFingerprinted> const
    stringWithMultiplicityType;
Prop const multiplicity("multiplicity", "multiplicities", &Multiplicity, kDependsOnlyOnParameters);
Prop const uniqueValues("unique value", "unique values", &unique_strings::Initialize,
                        &unique_strings::Aggregate, &unique_strings::FirstFinal,
                        &unique_strings::NextFinal, kDependsOnlyOnParameters);

}  // namespace

}  // namespace inspectors
