// Date and time text: reading "Sun, 06 Nov 1994 08:49:37 +0100" into seconds since
// 1970 against strptime + timegm, and writing it from the broken-down fields against
// strftime, over the same texts and fields in the same run. The library's functions
// are linked from its own objects and called through pointers.
#include <benchmark/benchmark.h>
#include <time.h>

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "inspectors/time/time_text.h"
#include "inspectors/time/wall_clock.h"
#include "inspectors/time/time_text_reading.h"

namespace {

using inspectors::ConstData;
using inspectors::TimeObject;

using Reader = TimeObject (*)(ConstData);
using Converter = inspectors::Instant (*)(TimeObject const&);
using Writer = inspectors::USAsciiStringOfCapacity<41> (*)(TimeObject const&);

char const kFormat[] = "%a, %d %b %Y %H:%M:%S %z";

struct Functions {
  Reader read = &inspectors::TextToTime;
  Converter instant = &inspectors::InstantOf;
  Writer write = &inspectors::TimeToText;
};

// Instants from 1970 to 2100 read in zones of whole quarter hours from -12 to +14
// hours, as broken-down fields for both writers.
struct Sample {
  struct tm fields;
  TimeObject time;
};

std::vector<Sample> const& Samples() {
  static std::vector<Sample> const samples = [] {
    std::vector<Sample> v;
    std::uint64_t state = 0x9e3779b97f4a7c15u;
    for (int i = 0; i < 1024; ++i) {
      state = state * 6364136223846793005u + 1442695040888963407u;
      long const offset = (static_cast<long>((state >> 40) % 105) - 48) * 900;
      time_t const at = static_cast<time_t>((state >> 16) % 4102444800u) + offset;
      Sample s{};
      gmtime_r(&at, &s.fields);
      s.fields.tm_gmtoff = offset;
      s.time = TimeObject(static_cast<std::uint8_t>(s.fields.tm_mday), static_cast<inspectors::Month>(s.fields.tm_mon + 1),
                          static_cast<std::uint32_t>(s.fields.tm_year + 1900), static_cast<std::uint8_t>(s.fields.tm_hour),
                          static_cast<std::uint8_t>(s.fields.tm_min), static_cast<std::uint8_t>(s.fields.tm_sec),
                          inspectors::TimeZone(static_cast<std::int32_t>(offset)));
      v.push_back(s);
    }
    return v;
  }();
  return samples;
}

std::vector<std::string> Texts() {
  std::vector<std::string> texts;
  for (Sample const& s : Samples()) {
    char text[64];
    std::size_t const n = strftime(text, sizeof text, kFormat, &s.fields);
    texts.emplace_back(text, n);
  }
  return texts;
}

std::int64_t ReadWithStrptime(std::string const& text) {
  struct tm fields {};
  if (strptime(text.c_str(), kFormat, &fields) == nullptr) return -1;
  long const offset = fields.tm_gmtoff;  // timegm clears it
  return static_cast<std::int64_t>(timegm(&fields)) - offset;
}

void BM_ReadTimeText(benchmark::State& state) {
  Functions f;
  auto const texts = Texts();
  for (std::string const& text : texts) {
    if (f.instant(f.read(ConstData(text))).microseconds != ReadWithStrptime(text) * 1000000) {
      return state.SkipWithError("the readers disagree");
    }
  }
  std::size_t i = 0;
  for (auto _ : state) {
    auto const instant = f.instant(f.read(ConstData(texts[i])));
    benchmark::DoNotOptimize(instant);
    i = (i + 1) % texts.size();
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_ReadStrptimeTimegm(benchmark::State& state) {
  auto const texts = Texts();
  std::size_t i = 0;
  for (auto _ : state) {
    std::int64_t const seconds = ReadWithStrptime(texts[i]);
    benchmark::DoNotOptimize(seconds);
    i = (i + 1) % texts.size();
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_WriteTimeText(benchmark::State& state) {
  Functions f;
  auto const& samples = Samples();
  auto const texts = Texts();
  for (std::size_t k = 0; k < samples.size(); ++k) {
    if (f.write(samples[k].time).AsStringView() != texts[k]) return state.SkipWithError("the writers disagree");
  }
  std::size_t i = 0;
  for (auto _ : state) {
    auto text = f.write(samples[i].time);
    benchmark::DoNotOptimize(text);
    i = (i + 1) % samples.size();
  }
  state.SetItemsProcessed(state.iterations());
}

void BM_WriteStrftime(benchmark::State& state) {
  auto const& samples = Samples();
  char text[64];
  std::size_t i = 0;
  for (auto _ : state) {
    std::size_t const n = strftime(text, sizeof text, kFormat, &samples[i].fields);
    benchmark::DoNotOptimize(n);
    benchmark::DoNotOptimize(text);
    i = (i + 1) % samples.size();
  }
  state.SetItemsProcessed(state.iterations());
}

}  // namespace

BENCHMARK(BM_ReadTimeText);
BENCHMARK(BM_ReadStrptimeTimegm);
BENCHMARK(BM_WriteTimeText);
BENCHMARK(BM_WriteStrftime);
