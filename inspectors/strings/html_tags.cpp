#include "inspectors/strings/html_tags.h"

#include <cstring>

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

// Four properties under one name: of a string (escaped), of html, and the same two
// with attribute text as the index.
template <class Info>
class HTMLTagRegistration {
 public:
  HTMLTagRegistration(char const* name, char const* plural)
      : ofText_(name, plural, &OfText, kDependsOnlyOnParameters),
        ofHTML_(name, plural, &OfHTML, kDependsOnlyOnParameters),
        attributedText_(name, plural, &AttributedText, kDependsOnlyOnParameters),
        attributedHTML_(name, plural, &AttributedHTML, kDependsOnlyOnParameters) {}

 private:
  static html_rope OfText(Of, inspector_string const& content) {
    return MakeTaggedText(Info::TagName(), ConstData(), AsConstData(content));
  }
  static html_rope OfHTML(Of, html_rope const& content) {
    return MakeTaggedHTML(Info::TagName(), ConstData(), content);
  }
  static html_rope AttributedText(inspector_string const& attributes, Of,
                                  inspector_string const& content) {
    return MakeTaggedText(Info::TagName(), AsConstData(attributes), AsConstData(content));
  }
  static html_rope AttributedHTML(inspector_string const& attributes, Of,
                                  html_rope const& content) {
    return MakeTaggedHTML(Info::TagName(), AsConstData(attributes), content);
  }

  Prop const ofText_;
  Prop const ofHTML_;
  Prop const attributedText_;
  Prop const attributedHTML_;
};

// Two properties of the world: the empty tag alone, and with attribute text.
template <class Info>
class EmptyHTMLTagRegistration {
 public:
  EmptyHTMLTagRegistration(char const* name, char const* plural)
      : plain_(name, plural, &Plain, kDependsOnlyOnParameters),
        attributed_(name, plural, &Attributed, kDependsOnlyOnParameters) {}

 private:
  static html_rope Plain() { return MakeEmptyHTMLTag(Info::TagName(), ConstData()); }
  static html_rope Attributed(inspector_string const& attributes) {
    return MakeEmptyHTMLTag(Info::TagName(), AsConstData(attributes));
  }

  Prop const plain_;
  Prop const attributed_;
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

#define INSPECTORS_HTML_TAG_INFO(Info, tag)                         \
  struct Info {                                                     \
    static constexpr char const* TagName() noexcept { return tag; } \
  }

INSPECTORS_HTML_TAG_INFO(htmlTagInfo, "html");
INSPECTORS_HTML_TAG_INFO(headTagInfo, "head");
INSPECTORS_HTML_TAG_INFO(titleTagInfo, "title");
INSPECTORS_HTML_TAG_INFO(metaTagInfo, "meta");
INSPECTORS_HTML_TAG_INFO(bodyTagInfo, "body");
INSPECTORS_HTML_TAG_INFO(divTagInfo, "div");
INSPECTORS_HTML_TAG_INFO(spanTagInfo, "span");
INSPECTORS_HTML_TAG_INFO(addressTagInfo, "address");
INSPECTORS_HTML_TAG_INFO(h1TagInfo, "h1");
INSPECTORS_HTML_TAG_INFO(h2TagInfo, "h2");
INSPECTORS_HTML_TAG_INFO(h3TagInfo, "h3");
INSPECTORS_HTML_TAG_INFO(h4TagInfo, "h4");
INSPECTORS_HTML_TAG_INFO(h5TagInfo, "h5");
INSPECTORS_HTML_TAG_INFO(h6TagInfo, "h6");
INSPECTORS_HTML_TAG_INFO(emTagInfo, "em");
INSPECTORS_HTML_TAG_INFO(strongTagInfo, "strong");
INSPECTORS_HTML_TAG_INFO(dfnTagInfo, "dfn");
INSPECTORS_HTML_TAG_INFO(codeTagInfo, "code");
INSPECTORS_HTML_TAG_INFO(sampTagInfo, "samp");
INSPECTORS_HTML_TAG_INFO(kbdTagInfo, "kbd");
INSPECTORS_HTML_TAG_INFO(varTagInfo, "var");
INSPECTORS_HTML_TAG_INFO(citeTagInfo, "cite");
INSPECTORS_HTML_TAG_INFO(abbrTagInfo, "abbr");
INSPECTORS_HTML_TAG_INFO(acronymTagInfo, "acronym");
INSPECTORS_HTML_TAG_INFO(blockquoteTagInfo, "blockquote");
INSPECTORS_HTML_TAG_INFO(qTagInfo, "q");
INSPECTORS_HTML_TAG_INFO(subTagInfo, "sub");
INSPECTORS_HTML_TAG_INFO(supTagInfo, "sup");
INSPECTORS_HTML_TAG_INFO(pTagInfo, "p");
INSPECTORS_HTML_TAG_INFO(brTagInfo, "br");
INSPECTORS_HTML_TAG_INFO(preTagInfo, "pre");
INSPECTORS_HTML_TAG_INFO(insTagInfo, "ins");
INSPECTORS_HTML_TAG_INFO(delTagInfo, "del");
INSPECTORS_HTML_TAG_INFO(ulTagInfo, "ul");
INSPECTORS_HTML_TAG_INFO(olTagInfo, "ol");
INSPECTORS_HTML_TAG_INFO(liTagInfo, "li");
INSPECTORS_HTML_TAG_INFO(dtTagInfo, "dt");
INSPECTORS_HTML_TAG_INFO(ddTagInfo, "dd");
INSPECTORS_HTML_TAG_INFO(tableTagInfo, "table");
INSPECTORS_HTML_TAG_INFO(captionTagInfo, "caption");
INSPECTORS_HTML_TAG_INFO(theadTagInfo, "thead");
INSPECTORS_HTML_TAG_INFO(tfootTagInfo, "tfoot");
INSPECTORS_HTML_TAG_INFO(tbodyTagInfo, "tbody");
INSPECTORS_HTML_TAG_INFO(colgroupTagInfo, "colgroup");
INSPECTORS_HTML_TAG_INFO(colTagInfo, "col");
INSPECTORS_HTML_TAG_INFO(trTagInfo, "tr");
INSPECTORS_HTML_TAG_INFO(thTagInfo, "th");
INSPECTORS_HTML_TAG_INFO(tdTagInfo, "td");
INSPECTORS_HTML_TAG_INFO(anchorTagInfo, "a");
INSPECTORS_HTML_TAG_INFO(linkTagInfo, "link");
INSPECTORS_HTML_TAG_INFO(baseTagInfo, "base");
INSPECTORS_HTML_TAG_INFO(ttTagInfo, "tt");
INSPECTORS_HTML_TAG_INFO(italicTagInfo, "i");
INSPECTORS_HTML_TAG_INFO(bTagInfo, "b");
INSPECTORS_HTML_TAG_INFO(bigTagInfo, "big");
INSPECTORS_HTML_TAG_INFO(smallTagInfo, "small");
INSPECTORS_HTML_TAG_INFO(hrTagInfo, "hr");

#undef INSPECTORS_HTML_TAG_INFO

// Every plural is the name followed by "s".
#define INSPECTORS_NAME_AND_PLURAL(name) name, name "s"

Prop const htmlTagOfText("html tag", "html tags", &HTMLTagOfString, kDependsOnlyOnParameters);
Prop const htmlTagOfHTML("html tag", "html tags", &HTMLTagOfHTML, kDependsOnlyOnParameters);
Prop const htmlTagOfTagAndText("html tag", "html tags", &HTMLTag0S, kDependsOnlyOnParameters);
Prop const htmlTagOfTagAndHTML("html tag", "html tags", &HTMLTag0H, kDependsOnlyOnParameters);
Prop const htmlTagOfTagAttributesAndText("html tag", "html tags", &HTMLTagNS,
                                         kDependsOnlyOnParameters);
Prop const htmlTagOfTagAttributesAndHTML("html tag", "html tags", &HTMLTagNH,
                                         kDependsOnlyOnParameters);
HTMLTagRegistration<htmlTagInfo> const htmlTag(INSPECTORS_NAME_AND_PLURAL("html"));
HTMLTagRegistration<headTagInfo> const headTag(INSPECTORS_NAME_AND_PLURAL("head"));
HTMLTagRegistration<titleTagInfo> const titleTag(INSPECTORS_NAME_AND_PLURAL("title"));
HTMLTagRegistration<metaTagInfo> const metaTag(INSPECTORS_NAME_AND_PLURAL("meta"));
HTMLTagRegistration<bodyTagInfo> const bodyTag(INSPECTORS_NAME_AND_PLURAL("body"));
HTMLTagRegistration<divTagInfo> const divTag(INSPECTORS_NAME_AND_PLURAL("div"));
HTMLTagRegistration<spanTagInfo> const spanTag(INSPECTORS_NAME_AND_PLURAL("span"));
HTMLTagRegistration<addressTagInfo> const addressTag(INSPECTORS_NAME_AND_PLURAL("address"));
HTMLTagRegistration<h1TagInfo> const h1Tag(INSPECTORS_NAME_AND_PLURAL("h1"));
HTMLTagRegistration<h2TagInfo> const h2Tag(INSPECTORS_NAME_AND_PLURAL("h2"));
HTMLTagRegistration<h3TagInfo> const h3Tag(INSPECTORS_NAME_AND_PLURAL("h3"));
HTMLTagRegistration<h4TagInfo> const h4Tag(INSPECTORS_NAME_AND_PLURAL("h4"));
HTMLTagRegistration<h5TagInfo> const h5Tag(INSPECTORS_NAME_AND_PLURAL("h5"));
HTMLTagRegistration<h6TagInfo> const h6Tag(INSPECTORS_NAME_AND_PLURAL("h6"));
HTMLTagRegistration<emTagInfo> const emTag(INSPECTORS_NAME_AND_PLURAL("em"));
HTMLTagRegistration<strongTagInfo> const strongTag(INSPECTORS_NAME_AND_PLURAL("strong"));
HTMLTagRegistration<dfnTagInfo> const dfnTag(INSPECTORS_NAME_AND_PLURAL("dfn"));
HTMLTagRegistration<codeTagInfo> const codeTag(INSPECTORS_NAME_AND_PLURAL("code"));
HTMLTagRegistration<sampTagInfo> const sampTag(INSPECTORS_NAME_AND_PLURAL("samp"));
HTMLTagRegistration<kbdTagInfo> const kbdTag(INSPECTORS_NAME_AND_PLURAL("kbd"));
HTMLTagRegistration<varTagInfo> const varTag(INSPECTORS_NAME_AND_PLURAL("var"));
HTMLTagRegistration<citeTagInfo> const citeTag(INSPECTORS_NAME_AND_PLURAL("cite"));
HTMLTagRegistration<abbrTagInfo> const abbrTag(INSPECTORS_NAME_AND_PLURAL("abbr"));
HTMLTagRegistration<acronymTagInfo> const acronymTag(INSPECTORS_NAME_AND_PLURAL("acronym"));
HTMLTagRegistration<blockquoteTagInfo> const blockquoteTag(
    INSPECTORS_NAME_AND_PLURAL("blockquote"));
HTMLTagRegistration<qTagInfo> const qTag(INSPECTORS_NAME_AND_PLURAL("q"));
HTMLTagRegistration<subTagInfo> const subTag(INSPECTORS_NAME_AND_PLURAL("sub"));
HTMLTagRegistration<supTagInfo> const supTag(INSPECTORS_NAME_AND_PLURAL("sup"));
HTMLTagRegistration<pTagInfo> const pTag(INSPECTORS_NAME_AND_PLURAL("p"));
EmptyHTMLTagRegistration<brTagInfo> const brTag(INSPECTORS_NAME_AND_PLURAL("br"));
HTMLTagRegistration<preTagInfo> const preTag(INSPECTORS_NAME_AND_PLURAL("pre"));
HTMLTagRegistration<insTagInfo> const insTag(INSPECTORS_NAME_AND_PLURAL("ins"));
HTMLTagRegistration<delTagInfo> const delTag(INSPECTORS_NAME_AND_PLURAL("del"));
HTMLListConcatenationRegistration<UnorderedListTraits> const unorderedList(
    INSPECTORS_NAME_AND_PLURAL("unordered list"));
HTMLListConcatenationRegistration<OrderedListTraits> const orderedList(
    INSPECTORS_NAME_AND_PLURAL("ordered list"));
HTMLListConcatenationRegistration<DefinitionListTraits> const definitionList(
    INSPECTORS_NAME_AND_PLURAL("definition list"));
HTMLTagRegistration<ulTagInfo> const ulTag(INSPECTORS_NAME_AND_PLURAL("ul"));
HTMLTagRegistration<olTagInfo> const olTag(INSPECTORS_NAME_AND_PLURAL("ol"));
HTMLTagRegistration<liTagInfo> const liTag(INSPECTORS_NAME_AND_PLURAL("li"));
HTMLTagRegistration<dtTagInfo> const dtTag(INSPECTORS_NAME_AND_PLURAL("dt"));
HTMLTagRegistration<ddTagInfo> const ddTag(INSPECTORS_NAME_AND_PLURAL("dd"));
HTMLTagRegistration<tableTagInfo> const tableTag(INSPECTORS_NAME_AND_PLURAL("table"));
HTMLTagRegistration<captionTagInfo> const captionTag(INSPECTORS_NAME_AND_PLURAL("caption"));
HTMLTagRegistration<theadTagInfo> const theadTag(INSPECTORS_NAME_AND_PLURAL("thead"));
HTMLTagRegistration<tfootTagInfo> const tfootTag(INSPECTORS_NAME_AND_PLURAL("tfoot"));
HTMLTagRegistration<tbodyTagInfo> const tbodyTag(INSPECTORS_NAME_AND_PLURAL("tbody"));
HTMLTagRegistration<colgroupTagInfo> const colgroupTag(INSPECTORS_NAME_AND_PLURAL("colgroup"));
HTMLTagRegistration<colTagInfo> const colTag(INSPECTORS_NAME_AND_PLURAL("col"));
HTMLTagRegistration<trTagInfo> const trTag(INSPECTORS_NAME_AND_PLURAL("tr"));
HTMLTagRegistration<thTagInfo> const thTag(INSPECTORS_NAME_AND_PLURAL("th"));
HTMLTagRegistration<tdTagInfo> const tdTag(INSPECTORS_NAME_AND_PLURAL("td"));
HTMLTagRegistration<anchorTagInfo> const anchorTag(INSPECTORS_NAME_AND_PLURAL("anchor"));
HTMLTagRegistration<linkTagInfo> const linkTag(INSPECTORS_NAME_AND_PLURAL("link"));
HTMLTagRegistration<baseTagInfo> const baseTag(INSPECTORS_NAME_AND_PLURAL("base"));
HTMLTagRegistration<ttTagInfo> const ttTag(INSPECTORS_NAME_AND_PLURAL("tt"));
HTMLTagRegistration<italicTagInfo> const italicTag(INSPECTORS_NAME_AND_PLURAL("italic"));
HTMLTagRegistration<bTagInfo> const bTag(INSPECTORS_NAME_AND_PLURAL("b"));
HTMLTagRegistration<bigTagInfo> const bigTag(INSPECTORS_NAME_AND_PLURAL("big"));
HTMLTagRegistration<smallTagInfo> const smallTag(INSPECTORS_NAME_AND_PLURAL("small"));
EmptyHTMLTagRegistration<hrTagInfo> const hrTag(INSPECTORS_NAME_AND_PLURAL("hr"));

#undef INSPECTORS_NAME_AND_PLURAL

}  // namespace

}  // namespace inspectors
