// Start-up cost: loading the inspector library (its registrations run) and unloading it.
#include <benchmark/benchmark.h>

#include "host/embedding/embedding.h"

namespace {

void BM_LoadAndUnloadLibrary(benchmark::State& state) {
  for (auto _ : state) {
    evaluator::Library library(INSPECTORS_LIBRARY_FILE);
    auto leftovers = library.Unload();
    benchmark::DoNotOptimize(leftovers);
  }
}
BENCHMARK(BM_LoadAndUnloadLibrary)->Unit(benchmark::kMicrosecond);

}  // namespace
