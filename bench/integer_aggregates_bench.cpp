// Aggregates over long plurals through the evaluator: "sum" of a long list of
// integers, against the evaluator's own "maximum" over the same list, and "mean",
// which converts every element to floating point. Each has a reference: a plain
// C++ loop over the same integers in a vector, with the same overflow checks.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

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

// The integers of Alternating and Signs, for the plain loops.
std::vector<std::int64_t> AlternatingValues(std::int64_t n) {
  std::vector<std::int64_t> values;
  for (std::int64_t i = 1; i <= n; ++i) values.push_back(i % 2 == 0 ? -i : i);
  return values;
}

std::vector<std::int64_t> SignValues(std::int64_t n) {
  std::vector<std::int64_t> values;
  for (std::int64_t i = 1; i <= n; ++i) values.push_back(i % 1000 == 0 ? 3 : -1);
  return values;
}

// Times `loop` over the values, which it must fold into one number.
template <class Loop>
void RunPlainLoop(benchmark::State& state, std::vector<std::int64_t> const& values, Loop loop) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(values.data());
    auto result = loop(values);
    benchmark::DoNotOptimize(result);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<std::int64_t>(values.size()));
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

void BM_PlainLoopSum(benchmark::State& state) {
  RunPlainLoop(state, AlternatingValues(state.range(0)), [](auto const& values) {
    std::int64_t sum = 0;
    for (std::int64_t v : values) {
      if (__builtin_add_overflow(sum, v, &sum)) return std::int64_t{0};
    }
    return sum;
  });
}
BENCHMARK(BM_PlainLoopSum)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_PlainLoopProduct(benchmark::State& state) {
  RunPlainLoop(state, SignValues(state.range(0)), [](auto const& values) {
    std::int64_t product = 1;
    for (std::int64_t v : values) {
      if (__builtin_mul_overflow(product, v, &product)) return std::int64_t{0};
    }
    return product;
  });
}
BENCHMARK(BM_PlainLoopProduct)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_PlainLoopMaximum(benchmark::State& state) {
  RunPlainLoop(state, AlternatingValues(state.range(0)), [](auto const& values) {
    std::int64_t maximum = std::numeric_limits<std::int64_t>::min();
    for (std::int64_t v : values) maximum = std::max(maximum, v);
    return maximum;
  });
}
BENCHMARK(BM_PlainLoopMaximum)->Arg(10000)->Unit(benchmark::kMicrosecond);

void BM_PlainLoopMean(benchmark::State& state) {
  RunPlainLoop(state, AlternatingValues(state.range(0)), [](auto const& values) {
    long double sum = 0;
    for (std::int64_t v : values) sum += static_cast<long double>(v);
    return sum / static_cast<long double>(values.size());
  });
}
BENCHMARK(BM_PlainLoopMean)->Arg(10000)->Unit(benchmark::kMicrosecond);

// Welford's running mean and sum of squared differences, one square root at the end.
void BM_PlainLoopStandardDeviation(benchmark::State& state) {
  RunPlainLoop(state, AlternatingValues(state.range(0)), [](auto const& values) {
    long double mean = 0;
    long double squares = 0;
    long double n = 0;
    for (std::int64_t v : values) {
      n += 1;
      long double const x = static_cast<long double>(v);
      long double const delta = x - mean;
      mean += delta / n;
      squares += delta * (x - mean);
    }
    return std::sqrt(squares / (n - 1));
  });
}
BENCHMARK(BM_PlainLoopStandardDeviation)->Arg(10000)->Unit(benchmark::kMicrosecond);

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

// The same positions found by a plain loop over the words of the 1000 sets.
void BM_PlainLoopOneBits(benchmark::State& state) {
  std::vector<std::uint64_t> const sets(1000, ~std::uint64_t{0});
  for (auto _ : state) {
    benchmark::DoNotOptimize(sets.data());
    std::int64_t sum = 0;
    for (std::uint64_t set : sets) {
      for (std::uint64_t bits = set; bits != 0; bits &= bits - 1) sum += std::countr_zero(bits);
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * 64000);
}
BENCHMARK(BM_PlainLoopOneBits)->Unit(benchmark::kMicrosecond);

}  // namespace
