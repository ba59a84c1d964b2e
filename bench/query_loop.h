// What the query benchmarks share: a session over a freshly loaded library, and the
// loop that times one prepared query.
#pragma once

#include <benchmark/benchmark.h>

#include <cstddef>
#include <random>
#include <string>

#include "host/embedding/embedding.h"

namespace bench {

// Each benchmark loads the library for itself, so that the start-up benchmark always
// sees an unloaded library.
struct LoadedSession {
  evaluator::Library library{INSPECTORS_LIBRARY_FILE};
  evaluator::Session session;
};

// Prepares `query` outside the timing, checks that it answers (with exactly one value
// when `oneValue`), then times running it. Returns false, and marks the benchmark
// skipped, when the query cannot be prepared or does not answer as expected.
inline bool TimePreparedQuery(benchmark::State& state, std::string const& query,
                              bool oneValue = false) {
  LoadedSession loaded;
  auto prepared = loaded.session.Prepare(query);
  if (prepared.error()) {
    state.SkipWithError(("cannot prepare: " + prepared.error()->message).c_str());
    return false;
  }
  auto const first = loaded.session.Run(prepared);
  if (first.error) {
    state.SkipWithError(("cannot run: " + first.error->message).c_str());
    return false;
  }
  if (oneValue && first.values.size() != 1) {
    state.SkipWithError("the query did not give one value");
    return false;
  }
  for (auto _ : state) {
    auto result = loaded.session.Run(prepared);
    benchmark::DoNotOptimize(result);
  }
  return true;
}

inline std::string RandomLetters(std::mt19937& random, std::size_t n) {
  std::string s(n, ' ');
  for (char& c : s) c = static_cast<char>('a' + random() % 26);
  return s;
}

}  // namespace bench
