// Adding samples to statistical bins: the stretches between 10,000 samples taken a
// second apart, late in 2023, into bins of a minute, with moments kept around their
// means, extremes and levels; against the same stretches added as the 22 plain sums
// of powers in a loop: what the moments cost over sums that lose the spread.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

#include "inspectors/numbers/statistical_bin.h"

namespace {

using inspectors::StatisticalBin;
using inspectors::StatisticalSample;
using inspectors::TimedStatisticalSample;

constexpr int kSamples = 10'000;
constexpr double kStart = 1.7e9;
constexpr double kBinLength = 60;
constexpr std::size_t kBins = kSamples / 60 + 1;

double Value(int i) {
  return 100 + 10 * std::sin(i);
}

// Each stretch into the bin it starts in and the next one, which it may reach.
template <class Bin, class Sample, class Add>
void AddStretches(std::vector<Bin>& bins, std::vector<Sample> const& samples, Add add) {
  for (std::size_t i = 1; i < samples.size(); ++i) {
    auto const k = static_cast<std::size_t>((samples[i - 1].time - kStart) / kBinLength);
    for (std::size_t j = k; j <= k + 1 && j < bins.size(); ++j) {
      double const start = kStart + static_cast<double>(j) * kBinLength;
      add(bins[j], start, start + kBinLength, samples[i - 1], samples[i]);
    }
  }
}

void BM_AddSampleIntervals(benchmark::State& state) {
  std::vector<TimedStatisticalSample> samples;
  for (int i = 0; i < kSamples; ++i) samples.push_back({kStart + i, StatisticalSample(Value(i))});
  for (auto _ : state) {
    std::vector<StatisticalBin> bins(kBins);
    AddStretches(bins, samples, [](StatisticalBin& bin, double a, double b, auto& s1, auto& s2) {
      inspectors::AddSampleInterval(bin, a, b, s1, s2);
    });
    benchmark::DoNotOptimize(bins.data());
  }
  state.SetItemsProcessed(state.iterations() * kSamples);
}
BENCHMARK(BM_AddSampleIntervals)->Unit(benchmark::kMicrosecond);

// A sample as its sums of powers: x and ln|x| to the fourth power.
struct SumsSample {
  double time;
  std::array<double, 4> x;
  std::array<double, 4> logarithm;
};
using SumsBin = std::array<double, 22>;

void AddSums(SumsBin& f, SumsSample const& s, double I, double w) {
  if (!(w > 0) || !(w <= I)) return;
  double const t = s.time;
  double const terms[22] = {w / I,
                            w,
                            I * w,
                            w * t,
                            w * t * t,
                            w,
                            w,
                            w * s.x[0],
                            w * s.x[1],
                            w * s.x[2],
                            w * s.x[3],
                            w * t,
                            w * t * t,
                            w * s.x[0] * t,
                            w,
                            w * s.logarithm[0],
                            w * s.logarithm[1],
                            w * s.logarithm[2],
                            w * s.logarithm[3],
                            w * t,
                            w * t * t,
                            w * s.logarithm[0] * t};
  for (int k = 0; k < 22; ++k) f[k] += terms[k];
}

void BM_PlainLoopSampleIntervals(benchmark::State& state) {
  std::vector<SumsSample> samples;
  for (int i = 0; i < kSamples; ++i) {
    double const x = Value(i);
    double const l = std::log(std::fabs(x));
    samples.push_back(
        {kStart + i, {x, x * x, x * x * x, x * x * x * x}, {l, l * l, l * l * l, l * l * l * l}});
  }
  for (auto _ : state) {
    std::vector<SumsBin> bins(kBins);
    AddStretches(bins, samples, [](SumsBin& f, double a, double b, auto& s1, auto& s2) {
      double const t1 = s1.time;
      double const t2 = s2.time;
      if (std::max(t1, a) >= std::min(t2, b)) return;
      double const m = (t1 + t2) / 2;
      if (m > a) AddSums(f, s1, t2 - t1, std::min(m, b) - std::max(t1, a));
      if (b > m) AddSums(f, s2, t2 - t1, std::min(t2, b) - std::max(m, a));
    });
    benchmark::DoNotOptimize(bins.data());
  }
  state.SetItemsProcessed(state.iterations() * kSamples);
}
BENCHMARK(BM_PlainLoopSampleIntervals)->Unit(benchmark::kMicrosecond);

}  // namespace
