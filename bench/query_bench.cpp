// The query engine through the embedding API: parse and check, run, and a query that
// keeps the bit-set inspectors busy.
#include <benchmark/benchmark.h>

#include <string>

#include "bench/query_loop.h"

namespace {

constexpr char const* kTypicalQuery =
    "maximum of ((1; 2; 3; 4; 5; 6; 7; 8) whose (it mod 2 = 0)) + number of (10; 20; 30)";

// Thirty-two singletons joined into one set, counted through the one-bit iteration, and
// their union's positions summed: the iteration, the casts and the union operator in a loop.
std::string BitSetQuery() {
  std::string bits;
  for (int i = 0; i < 64; i += 2) bits += (bits.empty() ? "" : "; ") + std::to_string(i);
  return "number of one bits of (bits (" + bits + ")) + maximum of one bits of (bit set \"" +
         std::string(32, '1') + "\" + bit 63)";
}

void Prepare(benchmark::State& state, std::string const& query) {
  bench::LoadedSession loaded;
  auto check = loaded.session.Prepare(query);
  if (check.error()) {
    state.SkipWithError(("cannot prepare: " + check.error()->message).c_str());
    return;
  }
  for (auto _ : state) {
    auto prepared = loaded.session.Prepare(query);
    benchmark::DoNotOptimize(prepared);
  }
}

void Run(benchmark::State& state, std::string const& query) {
  bench::TimePreparedQuery(state, query);
}

void BM_PrepareTypicalQuery(benchmark::State& state) {
  Prepare(state, kTypicalQuery);
}
BENCHMARK(BM_PrepareTypicalQuery)->Unit(benchmark::kMicrosecond);

void BM_RunPreparedTypicalQuery(benchmark::State& state) {
  Run(state, kTypicalQuery);
}
BENCHMARK(BM_RunPreparedTypicalQuery)->Unit(benchmark::kMicrosecond);

void BM_RunBitSetQuery(benchmark::State& state) {
  Run(state, BitSetQuery());
}
BENCHMARK(BM_RunBitSetQuery)->Unit(benchmark::kMicrosecond);

}  // namespace
