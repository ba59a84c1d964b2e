// Arbitrary bytes as query text: parse, check and evaluate must never crash, hang,
// leak, run past the deadline or grow without bound, whatever the input.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "fuzz/library_harness.h"

namespace {

// How long past its deadline a query may take to stop.
constexpr std::chrono::milliseconds kGrace{100};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  return fuzzing::LoadOrAbort("query_fuzz");
}

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  std::string_view query(reinterpret_cast<char const*>(data), size);
  auto const start = std::chrono::steady_clock::now();
  auto result = fuzzing::TheHarness().session.Evaluate(query);
  auto const elapsed = std::chrono::steady_clock::now() - start;
  // An error must say where it is within the text (or nowhere).
  if (result.error && result.error->column > size + 1) std::abort();
  // Every query stops within 100 ms of its deadline, parsing and checking included.
  // (libFuzzer's own limits catch what grows too much: -rss_limit_mb, -malloc_limit_mb.)
  if (elapsed > fuzzing::kQueryTimeout + kGrace) {
    std::fprintf(stderr, "query_fuzz: %.0f ms past its deadline\n",
                 std::chrono::duration<double, std::milli>(elapsed - fuzzing::kQueryTimeout)
                     .count());
    std::abort();
  }
  return 0;
}
