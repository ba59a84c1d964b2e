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

void html_concatenation::Delimit(ConstData text) {
  if (written_) text_.AppendEscaped(text);
  written_ = true;
}

void html_concatenation::Delimit(rope const& delimiter) {
  if (written_) text_.Append(delimiter);
  written_ = true;
}

html_rope html_concatenation::First(Of, html_rope const& element) {
  text_.Append(element);
  throw NoSuchObject();
}

html_rope html_concatenation::Next(Of, html_rope const&) {
  throw NoSuchObject();
}

html_rope html_concatenation::FirstStringOfHTML(inspector_string const& delimiter, Of,
                                                html_rope const& element) {
  Delimit(AsConstData(delimiter));
  text_.Append(element);
  throw NoSuchObject();
}

html_rope html_concatenation::NextStringOfHTML(inspector_string const&, Of, html_rope const&) {
  throw NoSuchObject();
}

html_rope html_concatenation::FirstHTMLOfString(html_rope const& delimiter, Of,
                                                inspector_string const& element) {
  Delimit(delimiter);
  text_.AppendEscaped(AsConstData(element));
  throw NoSuchObject();
}

html_rope html_concatenation::NextHTMLOfString(html_rope const&, Of, inspector_string const&) {
  throw NoSuchObject();
}

html_rope html_concatenation::FirstHTMLOfHTML(html_rope const& delimiter, Of,
                                              html_rope const& element) {
  Delimit(delimiter);
  text_.Append(element);
  throw NoSuchObject();
}

html_rope html_concatenation::NextHTMLOfHTML(html_rope const&, Of, html_rope const&) {
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

Prop const concatenationOfHTML("concatenation", "concatenations", &C::FirstInitial, &C::NextInitial,
                               &C::First, &C::Next, &C::FirstFinal, &C::NextFinal,
                               kDependsOnlyOnParameters);
Prop const stringDelimitedHTML("concatenation", "concatenations", &C::FirstInitial, &C::NextInitial,
                               &C::FirstStringOfHTML, &C::NextStringOfHTML, &C::FirstFinal,
                               &C::NextFinal, kDependsOnlyOnParameters);
Prop const htmlDelimitedStrings("concatenation", "concatenations", &C::FirstInitial,
                                &C::NextInitial, &C::FirstHTMLOfString, &C::NextHTMLOfString,
                                &C::FirstFinal, &C::NextFinal, kDependsOnlyOnParameters);
Prop const htmlDelimitedHTML("concatenation", "concatenations", &C::FirstInitial, &C::NextInitial,
                             &C::FirstHTMLOfHTML, &C::NextHTMLOfHTML, &C::FirstFinal, &C::NextFinal,
                             kDependsOnlyOnParameters);
Prop const htmlConcatenation("html concatenation", "html concatenations", &C::FirstInitial,
                             &C::NextInitial, &C::First, &C::Next, &C::FirstFinal, &C::NextFinal,
                             kDependsOnlyOnParameters);
Prop const stringDelimitedHTMLConcatenation("html concatenation", "html concatenations",
                                            &C::FirstInitial, &C::NextInitial,
                                            &C::FirstStringOfHTML, &C::NextStringOfHTML,
                                            &C::FirstFinal, &C::NextFinal,
                                            kDependsOnlyOnParameters);

}  // namespace

}  // namespace inspectors
