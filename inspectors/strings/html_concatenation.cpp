#include "inspectors/strings/html_concatenation.h"

#include "foundation/exceptions.h"
#include "foundation/inspector_string_copy.h"
#include "framework/inspector.h"

namespace inspectors {

html_rope html_concatenation::FirstInitial() {
  text_.Clear();
  written_ = false;
  throw NoSuchObject();
}

html_rope html_concatenation::NextInitial() {
  throw NoSuchObject();
}

html_rope html_concatenation::First(Of, html_rope const& element) {
  Add(element);
  throw NoSuchObject();
}

html_rope html_concatenation::Next(Of, html_rope const&) {
  throw NoSuchObject();
}

html_rope html_concatenation::FirstFinal() {
  if (text_.Overflowed()) throw NoSuchObject();
  return MakeHTMLRope(nullptr, text_.Bytes(), nullptr);
}

html_rope html_concatenation::NextFinal() {
  throw NoSuchObject();
}

namespace {

using C = html_concatenation;
using S = inspector_string;
using H = html_rope;

Prop const concatenationOfHTML("concatenation", "concatenations", &C::FirstInitial, &C::NextInitial,
                               &C::First, &C::Next, &C::FirstFinal, &C::NextFinal,
                               kDependsOnlyOnParameters);
Prop const stringDelimitedHTML("concatenation", "concatenations", &C::FirstInitial, &C::NextInitial,
                               &C::FirstDelimited<S, H>, &C::NextDelimited<S, H>, &C::FirstFinal,
                               &C::NextFinal, kDependsOnlyOnParameters);
Prop const htmlDelimitedStrings("concatenation", "concatenations", &C::FirstInitial,
                                &C::NextInitial, &C::FirstDelimited<H, S>, &C::NextDelimited<H, S>,
                                &C::FirstFinal, &C::NextFinal, kDependsOnlyOnParameters);
Prop const htmlDelimitedHTML("concatenation", "concatenations", &C::FirstInitial, &C::NextInitial,
                             &C::FirstDelimited<H, H>, &C::NextDelimited<H, H>, &C::FirstFinal,
                             &C::NextFinal, kDependsOnlyOnParameters);
Prop const htmlConcatenation("html concatenation", "html concatenations", &C::FirstInitial,
                             &C::NextInitial, &C::First, &C::Next, &C::FirstFinal, &C::NextFinal,
                             kDependsOnlyOnParameters);
Prop const stringDelimitedHTMLConcatenation("html concatenation", "html concatenations",
                                            &C::FirstInitial, &C::NextInitial,
                                            &C::FirstDelimited<S, H>, &C::NextDelimited<S, H>,
                                            &C::FirstFinal, &C::NextFinal,
                                            kDependsOnlyOnParameters);

}  // namespace

}  // namespace inspectors
