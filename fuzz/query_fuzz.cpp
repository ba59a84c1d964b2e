// Arbitrary bytes as query text: parse, check and evaluate must never crash, hang or
// leak, whatever the input.
#include <unistd.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string_view>

#include "host/embedding.h"

namespace {

// Loaded once, next to this program, and kept for the whole run.
std::unique_ptr<evaluator::Library> library;
std::unique_ptr<evaluator::Session> session;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  auto directory = std::filesystem::read_symlink("/proc/self/exe").parent_path();
  try {
    library = std::make_unique<evaluator::Library>(directory / "libinspectors.so");
  } catch (std::exception const& e) {
    std::fprintf(stderr, "query_fuzz: %s\n", e.what());
    std::abort();
  }
  evaluator::Options options;
  options.timeout = std::chrono::milliseconds(100);
  session = std::make_unique<evaluator::Session>(options);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  std::string_view query(reinterpret_cast<char const*>(data), size);
  auto result = session->Evaluate(query);
  // An error must say where it is within the text (or nowhere).
  if (result.error && result.error->column > size + 1) std::abort();
  return 0;
}
