#include "inspectors/files/file_line.h"

#include <utility>

#include "foundation/inspector_string_copy.h"
#include "framework/inspector.h"

namespace inspectors {
namespace {

void FingerprintOffset(Fingerprinter& f, std::uint64_t offset) {
  unsigned char bytes[8];
  for (unsigned char& b : bytes) {
    b = static_cast<unsigned char>(offset & 0xFF);
    offset >>= 8;
  }
  Fingerprint_Byte_Range(f, bytes, bytes + sizeof bytes);
}

inspector_string View(ConstData text) noexcept {
  return inspector_string{text.begin(), static_cast<std::uint32_t>(text.Length())};
}

}  // namespace

Fingerprinter& operator<<(Fingerprinter& f, file_line const& line) {
  f << line.text << integer(line.number);
  FingerprintOffset(f, line.range.begin);
  FingerprintOffset(f, line.range.end);
  return f;
}

SharingPtr<FileReadingPath> MakeFileReadingPath(file const& f) {
  return std::make_shared<FileReadingPath>(f.item.Location());
}

LineReading::LineReading(SharingPtr<FileReadingPath> path)
    : file(std::move(path)),
      buffer(std::make_unique_for_overwrite<byte[]>(kLineBuffer)),
      loop(Data(buffer.get(), kLineBuffer)) {}

file_line LineReading::Line(std::int64_t number) const {
  return file_line{CopyToInspectorString(loop.TextWithoutEnding()),
                   number,
                   {loop.LineBegin(), loop.LineEnd()},
                   file};
}

void line_iterator::Start(file const& f) {
  reading_ = std::make_unique<LineReading>(MakeFileReadingPath(f));
  reading_->loop.Start(*reading_->file, 0);
  number_ = 0;
}

void line_iterator::Advance() {
  ++reading_->loop;
  ++number_;
}

template <class Test>
file_line line_iterator::NextWhose(Test const& test) {
  for (; !reading_->loop.Finished(); Advance()) {
    if (test(View(reading_->loop.TextWithoutEnding()))) return reading_->Line(number_);
  }
  throw NoSuchObject();
}

namespace {

auto const kEveryLine = [](inspector_string const&) { return true; };

}  // namespace

file_line line_iterator::First(Of, file const& f) {
  Start(f);
  return NextWhose(kEveryLine);
}
file_line line_iterator::Next(Of, file const&) {
  Advance();
  return NextWhose(kEveryLine);
}
file_line line_iterator::FirstStartingWith(inspector_string const& prefix, Of, file const& f) {
  Start(f);
  return NextWhose([&](inspector_string const& text) { return StartsWith(text, prefix); });
}
file_line line_iterator::NextStartingWith(inspector_string const& prefix, Of, file const&) {
  Advance();
  return NextWhose([&](inspector_string const& text) { return StartsWith(text, prefix); });
}
file_line line_iterator::FirstContaining(inspector_string const& part, Of, file const& f) {
  Start(f);
  return NextWhose([&](inspector_string const& text) { return Contains(text, part); });
}
file_line line_iterator::NextContaining(inspector_string const& part, Of, file const&) {
  Advance();
  return NextWhose([&](inspector_string const& text) { return Contains(text, part); });
}

integer LineNumber(Of, file_line const& line) {
  return integer(line.number + 1);
}

file_line NextLine(Of, file_line const& line) {
  LineReading reading(line.file);
  reading.loop.Start(*reading.file, line.range.end);
  if (reading.loop.Finished()) throw NoSuchObject();
  return reading.Line(line.number + 1);
}

file_line PreviousLine(Of, file_line const& line) {
  if (line.number == 0) throw NoSuchObject();
  LineReading reading(line.file);
  reading.loop.Start(*reading.file, PreviousLineBegin(*reading.file, line.range.begin));
  if (reading.loop.Finished()) throw NoSuchObject();
  return reading.Line(line.number - 1);
}

file_line NumberedLine(integer const& n, Of, file const& f) {
  if (n.get() < 1) throw NoSuchObject();
  LineReading reading(MakeFileReadingPath(f));
  reading.loop.Start(*reading.file, 0);
  for (std::int64_t i = 1; i < n.get() && !reading.loop.Finished(); ++i) ++reading.loop;
  if (reading.loop.Finished()) throw NoSuchObject();
  return reading.Line(n.get() - 1);
}

namespace {

using It = line_iterator;

DerivedType<file_line, inspector_string, kFingerprinted> const fileLineType;
Prop const lineNumber("line number", "line numbers", &LineNumber, kDependsOnlyOnParameters);
Prop const previousLine("previous line", "previous lines", &PreviousLine, kDependsOnMachineState);
Prop const nextLine("next line", "next lines", &NextLine, kDependsOnMachineState);
Prop const numberedLine("line", "lines", &NumberedLine, kDependsOnMachineState);
Prop const lines("line", "lines", &It::First, &It::Next, kDependsOnMachineState);
Prop const linesStartingWith("line starting with", "lines starting with", &It::FirstStartingWith,
                             &It::NextStartingWith, kDependsOnMachineState);
Prop const linesContaining("line containing", "lines containing", &It::FirstContaining,
                           &It::NextContaining, kDependsOnMachineState);

}  // namespace

}  // namespace inspectors
