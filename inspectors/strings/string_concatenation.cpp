#include "inspectors/strings/string_concatenation.h"

#include <cstdint>
#include <limits>

#include "foundation/exceptions.h"
#include "framework/inspector.h"

namespace inspectors {

void string_concatenation::Initialize() {
  bytes_.clear();
  seenFirst_ = false;
}

void string_concatenation::Append(inspector_string const& text) {
  constexpr std::size_t kLongest = std::numeric_limits<std::uint32_t>::max();
  if (text.length > kLongest - bytes_.size()) throw DataOverflow();
  bytes_.insert(bytes_.end(), text.bytes, text.bytes + text.length);
}

void string_concatenation::Concatenate(Of, inspector_string const& element) {
  Append(element);
}

void string_concatenation::ConcatenateWithDelimiter(inspector_string const& delimiter, Of,
                                                    inspector_string const& element) {
  if (seenFirst_) Append(delimiter);
  seenFirst_ = true;
  Append(element);
}

inspector_string string_concatenation::FirstFinal() {
  return inspector_string{bytes_.data(), static_cast<std::uint32_t>(bytes_.size())};
}

inspector_string string_concatenation::NextFinal() {
  throw NoSuchObject();
}

namespace {

Prop const concatenation("concatenation", "concatenations", &string_concatenation::Initialize,
                         &string_concatenation::Concatenate, &string_concatenation::FirstFinal,
                         &string_concatenation::NextFinal, kDependsOnlyOnParameters);
Prop const concatenationWithDelimiter("concatenation", "concatenations",
                                      &string_concatenation::Initialize,
                                      &string_concatenation::ConcatenateWithDelimiter,
                                      &string_concatenation::FirstFinal,
                                      &string_concatenation::NextFinal, kDependsOnlyOnParameters);

}  // namespace

}  // namespace inspectors
