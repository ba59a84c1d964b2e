// Arbitrary bytes as query text: parse, check and evaluate must never crash, hang,
// leak, run past the deadline or grow without bound, whatever the input.
#include <unistd.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string_view>

#include "host/embedding/embedding.h"

namespace {

// How long past its deadline a query may take to stop.
constexpr std::chrono::milliseconds kGrace{100};

// Loaded once, from the library directory beside this program's, and kept for the whole run. Function-local statics
// are made after libevaluator's own, so they are destroyed before them at exit.
struct Harness {
  evaluator::Library library;
  evaluator::Session session;

  static evaluator::Library Load() {
    auto directory = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    return evaluator::Library(directory / INSPECTORS_BIN_TO_LIB / "libinspectors.so");
  }
  static evaluator::Options Limited() {
    evaluator::Options options;
    options.timeout = std::chrono::milliseconds(100);
    return options;
  }
  Harness() : library(Load()), session(Limited()) {}
};

Harness& TheHarness() {
  static Harness harness;
  return harness;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  try {
    TheHarness();
  } catch (std::exception const& e) {
    std::fprintf(stderr, "query_fuzz: %s\n", e.what());
    std::abort();
  }
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(std::uint8_t const* data, std::size_t size) {
  std::string_view query(reinterpret_cast<char const*>(data), size);
  auto const start = std::chrono::steady_clock::now();
  auto result = TheHarness().session.Evaluate(query);
  auto const elapsed = std::chrono::steady_clock::now() - start;
  // An error must say where it is within the text (or nowhere).
  if (result.error && result.error->column > size + 1) std::abort();
  // Every query stops within 100 ms of its deadline, parsing and checking included.
  // (libFuzzer's own limits catch what grows too much: -rss_limit_mb, -malloc_limit_mb.)
  if (elapsed > *Harness::Limited().timeout + kGrace) {
    std::fprintf(stderr, "query_fuzz: %.0f ms past its deadline\n",
                 std::chrono::duration<double, std::milli>(elapsed - *Harness::Limited().timeout)
                     .count());
    std::abort();
  }
  return 0;
}
