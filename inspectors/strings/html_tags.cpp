#include "inspectors/strings/html_tags.h"

#include <cstring>
#include <string>

#include "foundation/ascii.h"
#include "framework/inspector.h"
#include "inspectors/strings/html_syntax.h"

namespace inspectors {

namespace {

byte* Put(byte* out, ConstData bytes) noexcept {
  if (!bytes.Empty()) std::memcpy(out, bytes.begin(), bytes.Length());
  return out + bytes.Length();
}

byte* Put(byte* out, char c) noexcept {
  *out = static_cast<byte>(c);
  return out + 1;
}

// Checks the tag and the attributes, then writes <tag attributes>, the content of
// `contentLength` bytes (written by `writeContent(out)`, which returns the end) and
// </tag> into evaluator memory.
template <class WriteContent>
html_rope WriteElement(ConstData tag, ConstData attributes, std::uint64_t contentLength,
                       WriteContent writeContent) {
  if (!IsTagName(tag)) throw NoSuchObject();
  if (ClassifyAttributeText(attributes) == AttributeTextKind::kInvalid) throw NoSuchObject();
  std::uint64_t const markup =
      2 * std::uint64_t{tag.Length()} + 5 + (attributes.Empty() ? 0 : attributes.Length() + 1);
  if (contentLength > kMaxHTMLLength || markup > kMaxHTMLLength - contentLength) {
    throw NoSuchObject();
  }
  byte* const first = AllocateHTML(markup + contentLength);
  byte* out = Put(Put(first, '<'), tag);
  if (!attributes.Empty()) out = Put(Put(out, ' '), attributes);
  out = writeContent(Put(out, '>'));
  out = Put(Put(Put(Put(out, '<'), '/'), tag), '>');
  return MakeHTMLRope(nullptr, ConstData(first, out), nullptr);
}

// The tag name and the attribute text of a description.
struct TagDescription {
  ConstData tag;
  ConstData attributes;
};

TagDescription Split(inspector_string const& description) {
  ConstData const text = AsConstData(description);
  ByteSet const& whiteSpace = Ascii::WhiteSpace();
  for (std::size_t i = 0; i < text.Length(); ++i) {
    if (whiteSpace.Contains(text[i])) return {text.Head(i), text.Tail(i + 1)};
  }
  return {text, ConstData()};
}

}  // namespace

html_rope MakeTaggedHTML(ConstData tag, ConstData attributes, rope const& content) {
  return WriteElement(tag, attributes, content.Length(), [&](byte* out) {
    ForEachPiece(content, [&](ConstData piece) {
      out = Put(out, piece);
      return true;
    });
    return out;
  });
}

html_rope MakeTaggedText(ConstData tag, ConstData attributes, ConstData content) {
  return WriteElement(tag, attributes, EscapedHTMLLength(content),
                      [&](byte* out) { return WriteEscapedHTML(content, out); });
}

html_rope MakeEmptyHTMLTag(ConstData tag, ConstData attributes) {
  if (!IsTagName(tag)) throw NoSuchObject();
  AttributeTextKind const kind = ClassifyAttributeText(attributes);
  if (kind == AttributeTextKind::kInvalid) throw NoSuchObject();
  bool const spaceBeforeSlash = kind == AttributeTextKind::kValidEndingInUnquotedValue;
  std::uint64_t const length = std::uint64_t{tag.Length()} + 3 +
                               (attributes.Empty() ? 0 : attributes.Length() + 1) +
                               (spaceBeforeSlash ? 1 : 0);
  byte* const first = AllocateHTML(length);
  byte* out = Put(Put(first, '<'), tag);
  if (!attributes.Empty()) out = Put(Put(out, ' '), attributes);
  if (spaceBeforeSlash) out = Put(out, ' ');
  out = Put(Put(out, '/'), '>');
  return MakeHTMLRope(nullptr, ConstData(first, out), nullptr);
}

html_rope HTMLTagOfString(inspector_string const& description, Of,
                          inspector_string const& content) {
  TagDescription const s = Split(description);
  return MakeTaggedText(s.tag, s.attributes, AsConstData(content));
}

html_rope HTMLTagOfHTML(inspector_string const& description, Of, html_rope const& content) {
  TagDescription const s = Split(description);
  return MakeTaggedHTML(s.tag, s.attributes, content);
}

html_rope HTMLTag0S(TagAndText const& tuple) {
  return MakeTaggedText(AsConstData(tuple.First()), ConstData(), AsConstData(tuple.Second()));
}

html_rope HTMLTag0H(TagAndHTML const& tuple) {
  return MakeTaggedHTML(AsConstData(tuple.First()), ConstData(), tuple.Second());
}

html_rope HTMLTagNS(TagAttributesAndText const& tuple) {
  return MakeTaggedText(AsConstData(tuple.First()), tuple.Second().text,
                        AsConstData(tuple.Third()));
}

html_rope HTMLTagNH(TagAttributesAndHTML const& tuple) {
  return MakeTaggedHTML(AsConstData(tuple.First()), tuple.Second().text, tuple.Third());
}

void HTMLListWriter::Reset() noexcept {
  text_.Clear();
  opened_ = false;
  invalid_ = false;
  nextItemTag_ = 0;
}

void HTMLListWriter::OpenItem(ConstData attributes) {
  if (!opened_) {
    opened_ = true;
    if (ClassifyAttributeText(attributes) == AttributeTextKind::kInvalid) invalid_ = true;
    text_.Append(ConstData("<"));
    text_.Append(ConstData(listTag_));
    if (!attributes.Empty()) {
      text_.Append(ConstData(" "));
      text_.Append(attributes);
    }
    text_.Append(ConstData(">"));
  }
  text_.Append(ConstData("<"));
  text_.Append(ConstData(itemTags_[nextItemTag_]));
  text_.Append(ConstData(">"));
}

void HTMLListWriter::CloseItem() {
  text_.Append(ConstData("</"));
  text_.Append(ConstData(itemTags_[nextItemTag_]));
  text_.Append(ConstData(">"));
  nextItemTag_ = 1 - nextItemTag_;
}

void HTMLListWriter::AddText(ConstData attributes, ConstData item) {
  OpenItem(attributes);
  text_.AppendEscaped(item);
  CloseItem();
}

void HTMLListWriter::AddHTML(ConstData attributes, rope const& item) {
  OpenItem(attributes);
  text_.Append(item);
  CloseItem();
}

html_rope HTMLListWriter::Close() {
  if (!opened_ || invalid_) throw NoSuchObject();
  text_.Append(ConstData("</"));
  text_.Append(ConstData(listTag_));
  text_.Append(ConstData(">"));
  if (text_.Overflowed()) throw NoSuchObject();
  return MakeHTMLRope(nullptr, text_.Bytes(), nullptr);
}

namespace {

// The name a tag registration is asked for by, its plural (the name followed by "s")
// and the tag it writes (the name, unless given).
class TagPhrase {
 public:
  explicit TagPhrase(char const* name, char const* tag)
      : name_(name), plural_(std::string(name) + "s"), tag_(tag == nullptr ? name : tag) {}

 protected:
  char const* name_;
  std::string const plural_;
  ConstData tag_;
};

// Four properties under one name: of a string (escaped), of html, and the same two
// with attribute text as the index. Each receives the tag it writes.
class HTMLTagRegistration : private TagPhrase {
 public:
  HTMLTagRegistration(char const* name, char const* tag = nullptr)
      : TagPhrase(name, tag),
        ofText_(name_, plural_.c_str(), tag_, &OfText, kDependsOnlyOnParameters),
        ofHTML_(name_, plural_.c_str(), tag_, &OfHTML, kDependsOnlyOnParameters),
        attributedText_(name_, plural_.c_str(), tag_, &AttributedText, kDependsOnlyOnParameters),
        attributedHTML_(name_, plural_.c_str(), tag_, &AttributedHTML, kDependsOnlyOnParameters) {}

 private:
  static html_rope OfText(ConstData const& tag, Of, inspector_string const& content) {
    return MakeTaggedText(tag, ConstData(), AsConstData(content));
  }
  static html_rope OfHTML(ConstData const& tag, Of, html_rope const& content) {
    return MakeTaggedHTML(tag, ConstData(), content);
  }
  static html_rope AttributedText(ConstData const& tag, inspector_string const& attributes, Of,
                                  inspector_string const& content) {
    return MakeTaggedText(tag, AsConstData(attributes), AsConstData(content));
  }
  static html_rope AttributedHTML(ConstData const& tag, inspector_string const& attributes, Of,
                                  html_rope const& content) {
    return MakeTaggedHTML(tag, AsConstData(attributes), content);
  }

  PropWith<ConstData> const ofText_;
  PropWith<ConstData> const ofHTML_;
  PropWith<ConstData> const attributedText_;
  PropWith<ConstData> const attributedHTML_;
};

// Two properties of the world: the empty tag alone, and with attribute text.
class EmptyHTMLTagRegistration : private TagPhrase {
 public:
  explicit EmptyHTMLTagRegistration(char const* name)
      : TagPhrase(name, nullptr),
        plain_(name_, plural_.c_str(), tag_, &Plain, kDependsOnlyOnParameters),
        attributed_(name_, plural_.c_str(), tag_, &Attributed, kDependsOnlyOnParameters) {}

 private:
  static html_rope Plain(ConstData const& tag) { return MakeEmptyHTMLTag(tag, ConstData()); }
  static html_rope Attributed(ConstData const& tag, inspector_string const& attributes) {
    return MakeEmptyHTMLTag(tag, AsConstData(attributes));
  }

  PropWith<ConstData> const plain_;
  PropWith<ConstData> const attributed_;
};

// Four aggregates under one name: string or html items, with or without attribute
// text for the list tag.
template <class Traits>
class HTMLListConcatenationRegistration {
  using L = html_list_concatenation<Traits>;

 public:
  HTMLListConcatenationRegistration(char const* name, char const* plural)
      : text_(name, plural, &L::Initialize, &L::ConcatenateText, &L::FirstFinal, &L::NextFinal,
              kDependsOnlyOnParameters),
        attributedText_(name, plural, &L::Initialize, &L::ConcatenateTextWithAttributes,
                        &L::FirstFinal, &L::NextFinal, kDependsOnlyOnParameters),
        html_(name, plural, &L::Initialize, &L::ConcatenateHTML, &L::FirstFinal, &L::NextFinal,
              kDependsOnlyOnParameters),
        attributedHTML_(name, plural, &L::Initialize, &L::ConcatenateHTMLWithAttributes,
                        &L::FirstFinal, &L::NextFinal, kDependsOnlyOnParameters) {}

 private:
  Prop const text_;
  Prop const attributedText_;
  Prop const html_;
  Prop const attributedHTML_;
};

Prop const htmlTagOfText("html tag", "html tags", &HTMLTagOfString, kDependsOnlyOnParameters);
Prop const htmlTagOfHTML("html tag", "html tags", &HTMLTagOfHTML, kDependsOnlyOnParameters);
Prop const htmlTagOfTagAndText("html tag", "html tags", &HTMLTag0S, kDependsOnlyOnParameters);
Prop const htmlTagOfTagAndHTML("html tag", "html tags", &HTMLTag0H, kDependsOnlyOnParameters);
Prop const htmlTagOfTagAttributesAndText("html tag", "html tags", &HTMLTagNS,
                                         kDependsOnlyOnParameters);
Prop const htmlTagOfTagAttributesAndHTML("html tag", "html tags", &HTMLTagNH,
                                         kDependsOnlyOnParameters);
HTMLTagRegistration const documentAndTextTags[] = {
    {"html"},       {"head"}, {"title"}, {"meta"}, {"body"}, {"div"},  {"span"}, {"address"},
    {"h1"},         {"h2"},   {"h3"},    {"h4"},   {"h5"},   {"h6"},   {"em"},   {"strong"},
    {"dfn"},        {"code"}, {"samp"},  {"kbd"},  {"var"},  {"cite"}, {"abbr"}, {"acronym"},
    {"blockquote"}, {"q"},    {"sub"},   {"sup"},  {"p"},
};
EmptyHTMLTagRegistration const lineBreak("br");
HTMLTagRegistration const editTags[] = {{"pre"}, {"ins"}, {"del"}};
HTMLListConcatenationRegistration<UnorderedListTraits> const unorderedList("unordered list",
                                                                           "unordered lists");
HTMLListConcatenationRegistration<OrderedListTraits> const orderedList("ordered list",
                                                                       "ordered lists");
HTMLListConcatenationRegistration<DefinitionListTraits> const definitionList("definition list",
                                                                             "definition lists");
HTMLTagRegistration const listTableLinkAndFontTags[] = {
    {"ul"},      {"ol"},          {"li"},    {"dt"},          {"dd"},       {"table"},
    {"caption"}, {"thead"},       {"tfoot"}, {"tbody"},       {"colgroup"}, {"col"},
    {"tr"},      {"th"},          {"td"},    {"anchor", "a"}, {"link"},     {"base"},
    {"tt"},      {"italic", "i"}, {"b"},     {"big"},         {"small"},
};
EmptyHTMLTagRegistration const horizontalRule("hr");

}  // namespace

}  // namespace inspectors
