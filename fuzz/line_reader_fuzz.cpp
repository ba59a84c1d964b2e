// The line reader and the chunk reader over a file of arbitrary bytes.
//
// The first byte of the input sets the buffer's size (1 to 64 bytes, so that lines
// longer than the buffer and endings split across refills are common); the rest is
// the file. Split through that buffer, the file gives the same lines as an
// unbounded split of the bytes in memory: the same ranges and endings, and the
// same text up to the buffer's size, cut exactly when the line is longer. The start
// of the line before each line is found backwards, and the chunk reader gives back
// every byte in order.
#include <fcntl.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "inspectors/files/file_line_loop.h"
#include "inspectors/files/file_reading_loop.h"

namespace {

using namespace inspectors;

struct Line {
  std::size_t begin, textEnd, end;
};

std::vector<Line> SplitInMemory(std::string const& d) {
  std::vector<Line> lines;
  std::size_t i = 0;
  while (i < d.size()) {
    std::size_t j = i;
    while (j < d.size() && !IsLineEnd(static_cast<byte>(d[j]))) ++j;
    if (j == d.size()) {
      lines.push_back({i, j, j});
      break;
    }
    bool const pair =
        j + 1 < d.size() && d[j + 1] != d[j] && IsLineEnd(static_cast<byte>(d[j + 1]));
    std::size_t const end = j + (pair ? 2 : 1);
    lines.push_back({i, j, end});
    i = end;
  }
  return lines;
}

[[noreturn]] void Fail(char const* what, std::size_t line) {
  std::fprintf(stderr, "line_reader_fuzz: %s (line %zu)\n", what, line);
  std::abort();
}

// The file the input is written to, made once.
std::string const& FilePath() {
  static std::string const path = [] {
    char name[] = "/tmp/line_reader_fuzz_XXXXXX";
    int const fd = ::mkstemp(name);
    if (fd < 0) std::abort();
    ::close(fd);
    return std::string(name);
  }();
  return path;
}

void WriteFile(std::string const& bytes) {
  int const fd = ::open(FilePath().c_str(), O_WRONLY | O_TRUNC);
  if (fd < 0 || ::write(fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
    std::abort();
  }
  ::close(fd);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  if (size == 0) return 0;
  std::size_t const bufferSize = 1 + data[0] % 64;
  std::string const bytes(reinterpret_cast<char const*>(data) + 1, size - 1);
  WriteFile(bytes);
  std::vector<Line> const expected = SplitInMemory(bytes);

  FileReadingPath const path(MakeFileLocation(FilePath().c_str(), PathStyle::kPOSIX));
  std::vector<byte> buffer(bufferSize);
  FileLineLoop loop(Data(buffer.data(), buffer.size()));
  std::size_t n = 0;
  for (loop.Start(path, 0); !loop.Finished(); ++loop, ++n) {
    if (n >= expected.size()) Fail("more lines than in memory", n);
    Line const& e = expected[n];
    if (loop.LineBegin() != e.begin || loop.LineEnd() != e.end) Fail("another range", n);
    std::size_t const textLength = e.textEnd - e.begin;
    std::string const text(bytes, e.begin, std::min(textLength, bufferSize));
    if (loop.TextWithoutEnding().AsStringView() != text) Fail("another text", n);
    if (loop.TextIsCut() != (textLength > bufferSize)) Fail("cut or not", n);
    if (loop.Ending().AsStringView() !=
        std::string_view(bytes).substr(e.textEnd, e.end - e.textEnd))
      Fail("another ending", n);
    if (loop.LineHasEnding() != (e.end > e.textEnd)) Fail("an ending or not", n);
    if (n > 0 && PreviousLineBegin(path, e.begin) != expected[n - 1].begin)
      Fail("another previous line", n);
  }
  if (n != expected.size()) Fail("fewer lines than in memory", n);

  // Chunks, to the end and over a range.
  std::string read;
  for (FileReadingLoop chunks(Data(buffer.data(), buffer.size()), path, 0); !chunks.Finished();
       ++chunks) {
    read.append(chunks.Chunk().AsStringView());
  }
  if (read != bytes) Fail("chunks to the end differ", 0);
  std::size_t const from = bytes.size() / 3;
  std::size_t const to = bytes.size() - bytes.size() / 4;
  read.clear();
  for (FileReadingLoop chunks(Data(buffer.data(), buffer.size()), path, from, to);
       !chunks.Finished(); ++chunks) {
    if (chunks.ChunkOffset() != from + read.size()) Fail("another chunk offset", 0);
    read.append(chunks.Chunk().AsStringView());
  }
  if (read != bytes.substr(from, to - from)) Fail("chunks of a range differ", 0);
  return 0;
}
