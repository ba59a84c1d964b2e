// "concatenation" and "html concatenation" of html values, or of strings with an html
// delimiter: the elements' text joined in order, with the delimiter between
// elements. Strings are escaped, whether elements or delimiters.
#pragma once

#include "foundation/exceptions.h"
#include "foundation/inspector_string_copy.h"
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
  // With a delimiter (a string or html) before every element but the first.
  template <class Delimiter, class Element>
  html_rope FirstDelimited(Delimiter const& delimiter, Of, Element const& element) {
    if (written_) Add(delimiter);
    written_ = true;
    Add(element);
    throw NoSuchObject();
  }
  template <class Delimiter, class Element>
  html_rope NextDelimited(Delimiter const&, Of, Element const&) {
    throw NoSuchObject();
  }

  html_rope FirstFinal();
  html_rope NextFinal();

 private:
  void Add(inspector_string const& text) { text_.AppendEscaped(AsConstData(text)); }
  void Add(rope const& html) { text_.Append(html); }

  HTMLBuffer text_;
  bool written_ = false;
};

}  // namespace inspectors
