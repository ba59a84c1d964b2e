// Versions: comparing 1,024 pairs of numeric versions already read, against a plain
// loop over the same split numbers with the same release-stage rule; and reading and
// comparing the texts, against strverscmp on the same texts. The library's functions
// are linked from its own objects and called through pointers; the benchmark first
// checks that the orders agree on every pair.
#include <benchmark/benchmark.h>

#include <array>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "inspectors/system/version.h"

namespace {

using inspectors::ConstData;
using inspectors::inspector_version;

using Reader = inspector_version (*)(ConstData);
using Comparer = std::int16_t (*)(inspector_version const&, inspector_version const&);

struct Functions {
  Reader read = &inspectors::TextToVersion;
  Comparer compare = &inspectors::CompareVersions;
};

// Three dotted numbers, most pairs equal in their first fields as real versions are.
std::vector<std::string> Texts() {
  std::vector<std::string> texts;
  std::uint64_t state = 0x9e3779b97f4a7c15u;
  auto next = [&](unsigned range) {
    state = state * 6364136223846793005u + 1442695040888963407u;
    return static_cast<unsigned>((state >> 33) % range);
  };
  for (int i = 0; i < 2048; ++i) {
    texts.push_back(std::to_string(10 + next(2)) + '.' + std::to_string(next(12)) + '.' +
                    std::to_string(next(30)));
  }
  return texts;
}

// The same fields split into plain numbers.
using Split = std::array<unsigned, 5>;
Split SplitOf(inspector_version const& v) {
  bool const released = v.build == 0 && (v.stage == 0 || v.stage == 128);
  return {v.major, v.minor, v.bug, released ? 160u : v.stage, v.build};
}

int PlainCompare(Split const& a, Split const& b) {
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (a[i] != b[i]) return a[i] < b[i] ? -1 : 1;
  }
  return 0;
}

int Sign(int n) {
  return n < 0 ? -1 : (n > 0 ? 1 : 0);
}

struct Data {
  std::vector<std::string> texts = Texts();
  std::vector<inspector_version> versions;
  std::vector<Split> split;
  bool agree = true;

  explicit Data(Functions const& f) {
    for (std::string const& t : texts) {
      versions.push_back(f.read(ConstData(t)));
      split.push_back(SplitOf(versions.back()));
    }
    for (std::size_t i = 0; i + 1 < texts.size(); i += 2) {
      int const ours = f.compare(versions[i], versions[i + 1]);
      if (ours != PlainCompare(split[i], split[i + 1]) ||
          ours != Sign(strverscmp(texts[i].c_str(), texts[i + 1].c_str()))) {
        agree = false;
      }
    }
  }
};

void BM_CompareVersions(benchmark::State& state) {
  Functions const f;
  Data const d(f);
  if (!d.agree) return state.SkipWithError("the comparisons disagree");
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(f.compare(d.versions[i], d.versions[i + 1]));
    i = (i + 2) % d.versions.size();
  }
}
BENCHMARK(BM_CompareVersions);

void BM_PlainLoopCompareVersions(benchmark::State& state) {
  Functions const f;
  Data const d(f);
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(PlainCompare(d.split[i], d.split[i + 1]));
    i = (i + 2) % d.split.size();
  }
}
BENCHMARK(BM_PlainLoopCompareVersions);

void BM_ReadAndCompareVersionTexts(benchmark::State& state) {
  Functions const f;
  Data const d(f);
  if (!d.agree) return state.SkipWithError("the comparisons disagree");
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        f.compare(f.read(ConstData(d.texts[i])), f.read(ConstData(d.texts[i + 1]))));
    i = (i + 2) % d.texts.size();
  }
}
BENCHMARK(BM_ReadAndCompareVersionTexts);

void BM_Strverscmp(benchmark::State& state) {
  std::vector<std::string> const texts = Texts();
  std::size_t i = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(strverscmp(texts[i].c_str(), texts[i + 1].c_str()));
    i = (i + 2) % texts.size();
  }
}
BENCHMARK(BM_Strverscmp);

}  // namespace
