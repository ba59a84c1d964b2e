// "concatenation" and "html concatenation" of html values, or of strings with an html
// delimiter: the elements' text joined in order, with the delimiter between
// elements. Strings are escaped, whether elements or delimiters.
#pragma once

#include "framework/contract/evaluator.h"
#include "framework/registration_object.h"
#include "inspectors/strings/html_text.h"

namespace inspectors {

// The initial phase and every element yield nothing; the final phase yields the
// joined text once, as an html value over this state's bytes. Joined text too long
// for a string has no value.
class html_concatenation {
 public:
  html_rope FirstInitial();
  html_rope NextInitial();

  html_rope First(Of, html_rope const& element);
  html_rope Next(Of, html_rope const& element);
  html_rope FirstStringOfHTML(inspector_string const& delimiter, Of, html_rope const& element);
  html_rope NextStringOfHTML(inspector_string const& delimiter, Of, html_rope const& element);
  html_rope FirstHTMLOfString(html_rope const& delimiter, Of, inspector_string const& element);
  html_rope NextHTMLOfString(html_rope const& delimiter, Of, inspector_string const& element);
  html_rope FirstHTMLOfHTML(html_rope const& delimiter, Of, html_rope const& element);
  html_rope NextHTMLOfHTML(html_rope const& delimiter, Of, html_rope const& element);

  html_rope FirstFinal();
  html_rope NextFinal();

 private:
  // Writes the delimiter unless this is the first element.
  void Delimit(ConstData text);  // escaped
  void Delimit(rope const& delimiter);

  HTMLBuffer text_;
  bool written_ = false;
};

}  // namespace inspectors
