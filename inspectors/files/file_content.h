// The content of a file as a searchable whole, in the case it is stored in or folded
// to lower or upper case (ASCII letters only), and single bytes of a file.
#pragma once

#include <cstdint>

#include "framework/contract/evaluator.h"
#include "inspectors/files/file.h"

namespace inspectors {

enum class CaseView : std::uint8_t { kAsStored = 0, kLowerCase = 1, kUpperCase = 2 };

// The file and the case in which it is seen.
struct content {
  file of;
  CaseView view = CaseView::kAsStored;

  static char const* TypeName() noexcept { return "file content"; }
};

// The file's fingerprint, then the case: a search in one case is not the same
// search in another.
Fingerprinter& operator<<(Fingerprinter& f, content const& c);

// The longest text that a content search looks for.
inline constexpr std::size_t kLongestNeedle = 32768;

// Whether the bytes occur in the content as viewed. The needle is not folded: with
// a folded view it is looked for as written. The empty text is in every content,
// without reading it; a text longer than kLongestNeedle has no value. The file is
// read once, in chunks, whatever its length, with the evaluator's interruption check
// between chunks.
boolean Contains(content const& c, inspector_string const& needle);

content content_of(Of, file const& f);
content AsUppercase(content const& c);
content AsLowercase(content const& c);

// The byte at offset n (0 to 255); past the end, or a file that cannot be read, has
// no value.
integer byte_of(std::uint64_t n, file const& f);

}  // namespace inspectors
