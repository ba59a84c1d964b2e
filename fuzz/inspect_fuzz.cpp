// Arbitrary bytes as a query file read by the command: line splitting, the byte-order
// mark, the result and error display in plain and JSON form. What the command says
// never breaks a line, an error's window and caret stay within the shown text, and
// reading ends.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "fuzz/library_harness.h"
#include "host/inspect/output.h"
#include "host/inspect/runner.h"

namespace {

// The window shown around an error's column: it stays short, and its caret column
// lies within it, for any text and any column up to just past its end.
void CheckExcerpts(std::string_view text) {
  for (std::size_t column : {std::size_t{1}, text.size() / 2 + 1, text.size(), text.size() + 1}) {
    if (column == 0) continue;
    auto const excerpt = inspect::ExcerptAround(text, column);
    if (excerpt.column == 0 || excerpt.column > excerpt.text.size() + 1) std::abort();
    if (excerpt.text.size() > 140) std::abort();
    if (inspect::CaretLine(excerpt.text, excerpt.column).size() > excerpt.text.size() + 1) {
      std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  return fuzzing::LoadOrAbort("inspect_fuzz");
}

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte chooses the form; the rest is the file.
  bool const json = data[0] & 1;
  std::string const file(reinterpret_cast<char const*>(data + 1), size - 1);
  std::istringstream input(file);
  std::ostringstream out;
  std::ostringstream err;
  auto output = inspect::MakeOutput(json ? inspect::Format::Json : inspect::Format::Plain, out, err);
  inspect::QueryRunner runner(fuzzing::TheHarness().session, *output);
  if (runner.RunLines(input, "fuzz.q") != inspect::SourceEnd::Finished) std::abort();
  // Values are written as they are, but what the command says of them never breaks a
  // line: control bytes in errors and echoed queries are shown, not written.
  if (err.str().find('\r') != std::string::npos) std::abort();
  CheckExcerpts(file);
  return 0;
}
