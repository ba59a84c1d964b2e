#include "inspectors/files/file_content.h"

#include <cstring>
#include <memory>

#include "foundation/ascii.h"
#include "framework/inspector.h"
#include "inspectors/files/file_reading_loop.h"

namespace inspectors {
namespace {

// The chunk in which content is read.
constexpr std::size_t kContentChunk = 32768;

void Fold(CaseView view, Data chunk) {
  if (view == CaseView::kLowerCase) Ascii::LowerCase(chunk);
  if (view == CaseView::kUpperCase) Ascii::RaiseCase(chunk);
}

}  // namespace

Fingerprinter& operator<<(Fingerprinter& f, content const& c) {
  auto const view = static_cast<unsigned char>(c.view);
  f << c.of;
  Fingerprint_Byte_Range(f, &view, &view + 1);
  return f;
}

boolean Contains(content const& c, inspector_string const& needle) {
  std::size_t const n = needle.length;
  if (n == 0) return true;
  if (n > kLongestNeedle) throw NoSuchObject();
  FileReadingPath const path(c.of.item.Location());
  // The last n - 1 bytes of each region stay in front of the next chunk, so that a
  // match across two chunks is found.
  std::size_t const kept = n - 1;
  auto const work = std::make_unique_for_overwrite<byte[]>(kept + kContentChunk);
  std::size_t carried = 0;
  for (FileReadingLoop loop(Data(work.get() + kept, kContentChunk), path, 0); !loop.Finished();
       ++loop) {
    Fold(c.view, Data(work.get() + kept, loop.Chunk().Length()));
    byte* const region = work.get() + kept - carried;
    std::size_t const length = carried + loop.Chunk().Length();
    if (length >= n && ::memmem(region, length, needle.bytes, n) != nullptr) return true;
    carried = std::min(kept, length);
    std::memmove(work.get() + kept - carried, region + length - carried, carried);
    Check_For_Inspector_Interruption();
  }
  return false;
}

content content_of(Of, file const& f) {
  return content{f, CaseView::kAsStored};
}

content AsUppercase(content const& c) {
  return content{c.of, CaseView::kUpperCase};
}

content AsLowercase(content const& c) {
  return content{c.of, CaseView::kLowerCase};
}

integer byte_of(std::uint64_t n, file const& f) {
  try {
    FileReadingPath const path(f.item.Location());
    byte b = 0;
    if (path.ReadAt(n, Data(&b, 1)) == 1) return integer(b);
  } catch (NoSuchObject const&) {
    throw;
  } catch (...) {
  }
  throw NoSuchObject();
}

namespace {

Type<content, kFingerprinted> const contentType;
RelationContains<content, inspector_string> const contains(kDependsOnlyOnParameters, &Contains);
Prop const contentOfFile("content", "contents", &content_of, kDependsOnMachineState);
Cast<content, content> const uppercase("uppercase", &AsUppercase, kDependsOnlyOnParameters);
Cast<content, content> const lowercase("lowercase", &AsLowercase, kDependsOnlyOnParameters);
NumberedProperty<file, integer> const byteOfFile("byte", "bytes", &byte_of,
                                                 kDependsOnlyOnParameters);

}  // namespace

}  // namespace inspectors
