// Aggregates over long plurals through the evaluator: "sum" of a long list of
// integers, against the evaluator's own "maximum" over the same list, and "mean",
// which converts every element to floating point.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <string>

#include "bench/query_loop.h"

namespace {

// "(1; -2; 3; ...)" with n elements: the sum stays small.
std::string Alternating(std::int64_t n) {
  std::string list = "(";
  for (std::int64_t i = 1; i <= n; ++i) {
    if (i > 1) list += "; ";
    list += i % 2 == 0 ? "-" : "";
    list += std::to_string(i);
  }
  return list + ")";
}

// "(3; -1; 3; -1; ...)" with n elements, a few of them 3: the product stays in range
// while most steps multiply by -1.
std::string Signs(std::int64_t n) {
  std::string list = "(";
  for (std::int64_t i = 1; i <= n; ++i) {
    if (i > 1) list += "; ";
    list += i % 1000 == 0 ? "3" : "-1";
  }
  return list + ")";
}

// Runs the prepared query over a list of state.range(0) integers; the list is parsed
// once, outside the timing.
void RunOverList(benchmark::State& state, std::string const& aggregate,
                 std::string (*list)(std::int64_t) = &Alternating) {
  if (!bench::TimePreparedQuery(state, aggregate + " of " + list(state.range(0)),
                                /*oneValue=*/true)) {
    return;
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
}

void BM_SumOfLongList(benchmark::State& state) {
  RunOverList(state, "sum");
}
BENCHMARK(BM_SumOfLongList)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_ProductOfLongList(benchmark::State& state) {
  RunOverList(state, "product", &Signs);
}
BENCHMARK(BM_ProductOfLongList)->Arg(10000)->Unit(benchmark::kMicrosecond);

// The evaluator's built-in aggregate over the same list: the cost of the plural itself.
void BM_MaximumOfLongList(benchmark::State& state) {
  RunOverList(state, "maximum");
}
BENCHMARK(BM_MaximumOfLongList)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_MeanOfLongList(benchmark::State& state) {
  RunOverList(state, "mean");
}
BENCHMARK(BM_MeanOfLongList)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_StandardDeviationOfLongList(benchmark::State& state) {
  RunOverList(state, "standard deviation");
}
BENCHMARK(BM_StandardDeviationOfLongList)->Arg(10000)->Unit(benchmark::kMicrosecond);

// A plural produced by an iterated property rather than a literal list: the positions
// of the 64 one bits of each of 1000 sets.
void BM_SumOfOneBitsOfManySets(benchmark::State& state) {
  std::string sets = "(";
  for (int i = 0; i < 1000; ++i) sets += i == 0 ? "-1" : "; -1";
  sets += ")";
  if (!bench::TimePreparedQuery(state, "sum of one bits of (" + sets + " as bit set)",
                                /*oneValue=*/true)) {
    return;
  }
  state.SetItemsProcessed(state.iterations() * 64000);
}
BENCHMARK(BM_SumOfOneBitsOfManySets)->Unit(benchmark::kMicrosecond);

}  // namespace
