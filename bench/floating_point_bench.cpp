// Floating-point text: writing to the last significant digit and reading back with the
// threshold the digits declare, against snprintf("%.*Lg") and strtold on the same values
// and texts in the same run. The library's functions are linked from its own objects
// and called through pointers, as the evaluator calls into the library.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "inspectors/numbers/floating_point_text.h"

namespace {

using Writer = inspectors::FloatingPointText (*)(long double, long double);
using Reader = inspectors::floating_point (*)(inspectors::ConstData);

struct Functions {
  Writer general = &inspectors::MakeAsciiFloatingPoint;
  Writer standard = &inspectors::StandardNotation;
  Reader read = &inspectors::ReadAsciiFloatingPoint;
};

// Values from 10^-30 to 10^30 with every kind of digit string.
std::vector<long double> const& Values() {
  static std::vector<long double> const values = [] {
    std::vector<long double> v;
    unsigned long long state = 0x2545f4914f6cdd1dull;
    for (int i = 0; i < 1024; ++i) {
      state = state * 6364136223846793005ull + 1442695040888963407ull;
      long double const mantissa = static_cast<long double>(state >> 11) / 9007199254740992.0L;
      v.push_back((1 + 9 * mantissa) * std::pow(10.0L, static_cast<long double>(i % 61 - 30)));
    }
    return v;
  }();
  return values;
}

// Significant digits of the threshold used: 6 (a measured quantity) or 0 (the full
// resolution of a long double, as many digits as %.20Lg gives).
long double ThresholdFor(long double x, int digits) {
  return digits == 0 ? 0 : std::fabs(x) * std::pow(10.0L, static_cast<long double>(-digits));
}

void WriteGeneral(benchmark::State& state) {
  Functions f;
  int const digits = static_cast<int>(state.range(0));
  auto const& values = Values();
  std::vector<long double> thresholds;
  for (long double x : values) thresholds.push_back(ThresholdFor(x, digits));
  std::size_t i = 0;
  for (auto _ : state) {
    auto text = f.general(values[i], thresholds[i]);
    benchmark::DoNotOptimize(text);
    i = (i + 1) % values.size();
  }
  state.SetItemsProcessed(state.iterations());
}

void WriteSnprintf(benchmark::State& state) {
  int const digits = static_cast<int>(state.range(0));
  int const precision = digits == 0 ? 20 : digits;
  auto const& values = Values();
  char text[80];
  std::size_t i = 0;
  for (auto _ : state) {
    int const n = std::snprintf(text, sizeof text, "%.*Lg", precision, values[i]);
    benchmark::DoNotOptimize(n);
    benchmark::DoNotOptimize(text);
    i = (i + 1) % values.size();
  }
  state.SetItemsProcessed(state.iterations());
}

// The texts both readers read: those the library writes at the given digits.
std::vector<std::string> Texts(Functions const& f, int digits) {
  std::vector<std::string> texts;
  for (long double x : Values()) {
    texts.emplace_back(f.general(x, ThresholdFor(x, digits)).AsStringView());
  }
  return texts;
}

void ReadText(benchmark::State& state) {
  Functions f;
  auto const texts = Texts(f, static_cast<int>(state.range(0)));
  std::size_t i = 0;
  for (auto _ : state) {
    auto x = f.read(inspectors::ConstData(texts[i]));
    benchmark::DoNotOptimize(x);
    i = (i + 1) % texts.size();
  }
  state.SetItemsProcessed(state.iterations());
}

void ReadStrtold(benchmark::State& state) {
  Functions f;
  auto const texts = Texts(f, static_cast<int>(state.range(0)));
  std::size_t i = 0;
  for (auto _ : state) {
    long double const x = std::strtold(texts[i].c_str(), nullptr);
    benchmark::DoNotOptimize(x);
    i = (i + 1) % texts.size();
  }
  state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(WriteGeneral)->Arg(6)->Arg(0);
BENCHMARK(WriteSnprintf)->Arg(6)->Arg(0);
BENCHMARK(ReadText)->Arg(6)->Arg(0);
BENCHMARK(ReadStrtold)->Arg(6)->Arg(0);
