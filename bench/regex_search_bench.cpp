// The search in steps (SearchInSteps: the platform's matcher called for windows of
// start positions, with an interruption check between calls) against one regexec
// call over the same text, so that the cost of cutting a search into calls shows.
// Each case is run both ways; read BM_SearchInSteps/N beside BM_RegexecSearch/N.
#include <benchmark/benchmark.h>
#include <regex.h>

#include <random>
#include <string>
#include <vector>

#include "bench/query_loop.h"
#include "inspectors/strings/posix_regex.h"

namespace {

struct Case {
  char const* name;
  char const* pattern;
  int cflags;
  std::vector<std::string> texts;
};

std::string Words(std::mt19937& random, std::size_t length) {
  std::string text;
  while (text.size() < length) text += bench::RandomLetters(random, 1 + random() % 9) + " ";
  text.resize(length);
  return text;
}

// 0: a word that does not occur in 100 KB of words: the platform skips most start
//    positions by their first byte.
// 1: the same, case-insensitive.
// 2: an expression that every letter may start, each attempt dying at once.
// 3: "(a|b)*c" over 3,000 a's: every attempt reads to the end (quadratic).
// 4: 10,000 short strings, most matching: the cost of a call dominates.
// 5: an expression found at the end of 100 KB of words.
std::vector<Case> const& Cases() {
  static std::vector<Case> const cases = [] {
    std::mt19937 random(17);
    std::string const words = Words(random, 100000);
    std::vector<std::string> shortWords;
    for (int i = 0; i < 10000; ++i) {
      std::string word = bench::RandomLetters(random, 3 + random() % 8);
      if (random() % 4 != 0) word += std::to_string(random() % 1000);
      shortWords.push_back(std::move(word));
    }
    return std::vector<Case>{
        {"absent word", "zqxj", REG_EXTENDED, {words}},
        {"absent word, any case", "ZQXJ", REG_EXTENDED | REG_ICASE, {words}},
        {"letters then digits", "[a-z]+[0-9]+", REG_EXTENDED, {words}},
        {"every attempt to the end", "(a|b)*c", REG_EXTENDED, {std::string(3000, 'a')}},
        {"short strings", "^[a-z]+[0-9]+$", REG_EXTENDED, shortWords},
        {"at the end", "[0-9]{3}", REG_EXTENDED, {words + "123"}},
    };
  }();
  return cases;
}

void NoInterruption() {}

template <typename Search>
void Run(benchmark::State& state, Search&& search) {
  Case const& c = Cases()[static_cast<std::size_t>(state.range(0))];
  state.SetLabel(c.name);
  inspectors::AutoRegex const regex = inspectors::RegComp(c.pattern, c.cflags);
  std::size_t bytes = 0;
  for (std::string const& text : c.texts) bytes += text.size();
  for (auto _ : state) {
    int found = 0;
    for (std::string const& text : c.texts) found += search(regex, text) ? 1 : 0;
    benchmark::DoNotOptimize(found);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void BM_SearchInSteps(benchmark::State& state) {
  Run(state, [](inspectors::AutoRegex const& regex, std::string const& text) {
    inspectors::SearchPace pace(regex.Cost());
    regmatch_t match;
    inspectors::SearchSpan const span{text.data(), 0, text.size(), text.size()};
    return inspectors::SearchInSteps(regex.Get(), span, 0, 1, &match, pace, &NoInterruption);
  });
}
BENCHMARK(BM_SearchInSteps)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

void BM_RegexecSearch(benchmark::State& state) {
  Run(state, [](inspectors::AutoRegex const& regex, std::string const& text) {
    regmatch_t match{0, static_cast<regoff_t>(text.size())};
    return regexec(&regex.Get(), text.data(), 1, &match, REG_STARTEND) == 0;
  });
}
BENCHMARK(BM_RegexecSearch)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

}  // namespace
