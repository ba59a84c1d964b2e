// HTML elements: the generic "html tag", a fixed vocabulary of tag properties ("p",
// "table", "anchor", ...), the empty tags "br" and "hr", and HTML lists (unordered,
// ordered and definition lists) built by aggregation.
//
// Tag names and attribute texts come from the caller unescaped, so they are checked
// (see html_syntax.h): a tag name that is not one, or attribute text that could end
// the tag, gives no value. Contents that are strings are escaped; html contents are
// inserted unchanged. The element's text is written into evaluator memory.
#pragma once

#include "foundation/const_data.h"
#include "foundation/exceptions.h"
#include "foundation/inspector_string_copy.h"
#include "framework/contract/evaluator.h"
#include "framework/type.h"
#include "inspectors/strings/html_attribute_list.h"
#include "inspectors/strings/html_text.h"

namespace inspectors {

// <tag attributes>content</tag>, without the space when there are no attributes.
html_rope MakeTaggedHTML(ConstData tag, ConstData attributes, rope const& content);
// The same with a string content, escaped.
html_rope MakeTaggedText(ConstData tag, ConstData attributes, ConstData content);
// <tag attributes/>. An unquoted last attribute value is followed by a space, so that
// the slash does not become part of it.
html_rope MakeEmptyHTMLTag(ConstData tag, ConstData attributes);

// "html tag" with a description: the tag name up to the first whitespace byte (tab,
// line feed, carriage return or space), the attribute text after it.
html_rope HTMLTagOfString(inspector_string const& description, Of, inspector_string const& content);
html_rope HTMLTagOfHTML(inspector_string const& description, Of, html_rope const& content);

// "html tag" of tuples: (tag, content) and (tag, attribute list, content).
using TagAndText = InspectorTuple2<inspector_string, inspector_string>;
using TagAndHTML = InspectorTuple2<inspector_string, html_rope>;
using TagAttributesAndText =
    InspectorTuple3<inspector_string, html_attribute_list, inspector_string>;
using TagAttributesAndHTML = InspectorTuple3<inspector_string, html_attribute_list, html_rope>;
html_rope HTMLTag0S(TagAndText const& tuple);
html_rope HTMLTag0H(TagAndHTML const& tuple);
html_rope HTMLTagNS(TagAttributesAndText const& tuple);
html_rope HTMLTagNH(TagAttributesAndHTML const& tuple);

// The writer behind the list aggregates: the opening list tag with the attributes
// before the first item, each item in the next item tag, and the closing tag.
class HTMLListWriter {
 public:
  HTMLListWriter(char const* listTag, char const* firstItemTag, char const* secondItemTag) noexcept
      : listTag_(listTag), itemTags_{firstItemTag, secondItemTag} {}

  void Reset() noexcept;
  void AddText(ConstData attributes, ConstData item);
  void AddHTML(ConstData attributes, rope const& item);
  // A list without items, with invalid attributes or too long has no value.
  html_rope Close();

 private:
  void OpenItem(ConstData attributes);
  void CloseItem();

  HTMLBuffer text_;
  char const* listTag_;
  char const* itemTags_[2];
  bool opened_ = false;
  bool invalid_ = false;
  int nextItemTag_ = 0;
};

struct UnorderedListTraits {
  static constexpr char const* ListTag() noexcept { return "ul"; }
  static constexpr char const* FirstItemTag() noexcept { return "li"; }
  static constexpr char const* SecondItemTag() noexcept { return "li"; }
};
struct OrderedListTraits {
  static constexpr char const* ListTag() noexcept { return "ol"; }
  static constexpr char const* FirstItemTag() noexcept { return "li"; }
  static constexpr char const* SecondItemTag() noexcept { return "li"; }
};
// Terms and definitions alternate, starting with a term.
struct DefinitionListTraits {
  static constexpr char const* ListTag() noexcept { return "dl"; }
  static constexpr char const* FirstItemTag() noexcept { return "dt"; }
  static constexpr char const* SecondItemTag() noexcept { return "dd"; }
};

template <class Traits>
class html_list_concatenation {
 public:
  void Initialize() { list_.Reset(); }
  void ConcatenateText(Of, inspector_string const& item) {
    list_.AddText(ConstData(), AsConstData(item));
  }
  void ConcatenateTextWithAttributes(inspector_string const& attributes, Of,
                                     inspector_string const& item) {
    list_.AddText(AsConstData(attributes), AsConstData(item));
  }
  void ConcatenateHTML(Of, html_rope const& item) { list_.AddHTML(ConstData(), item); }
  void ConcatenateHTMLWithAttributes(inspector_string const& attributes, Of,
                                     html_rope const& item) {
    list_.AddHTML(AsConstData(attributes), item);
  }
  html_rope FirstFinal() { return list_.Close(); }
  html_rope NextFinal() { throw NoSuchObject(); }

 private:
  HTMLListWriter list_{Traits::ListTag(), Traits::FirstItemTag(), Traits::SecondItemTag()};
};

}  // namespace inspectors
