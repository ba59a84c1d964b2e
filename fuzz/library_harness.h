// The inspector library and a session for fuzz targets that run queries: loaded once,
// from the library directory beside the fuzzer's own, and kept for the whole run.
// Function-local statics are made after libevaluator's own, so they are destroyed
// before them at exit.
#pragma once

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>

#include "host/embedding/embedding.h"

namespace fuzzing {

// The deadline of every query a fuzz target runs.
inline constexpr std::chrono::milliseconds kQueryTimeout{100};

struct Harness {
  evaluator::Library library;
  evaluator::Session session;

  static evaluator::Library Load() {
    auto directory = std::filesystem::read_symlink("/proc/self/exe").parent_path();
    return evaluator::Library(directory / INSPECTORS_BIN_TO_LIB / "libinspectors.so");
  }
  static evaluator::Options Limited() {
    evaluator::Options options;
    options.timeout = kQueryTimeout;
    return options;
  }
  Harness() : library(Load()), session(Limited()) {}
};

inline Harness& TheHarness() {
  static Harness harness;
  return harness;
}

// For LLVMFuzzerInitialize: loads the library now, or ends the run saying why.
inline int LoadOrAbort(char const* target) {
  try {
    TheHarness();
  } catch (std::exception const& e) {
    std::fprintf(stderr, "%s: %s\n", target, e.what());
    std::abort();
  }
  return 0;
}

}  // namespace fuzzing
