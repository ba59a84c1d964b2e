// Strings and regular expressions through the embedding API: the first and last
// occurrence of a text in a long string against memmem over the same bytes, and a
// regular expression matched against many strings. Each query has a baseline query
// that reads the same literals without the operation measured, and each has the
// platform doing the same work directly, so that the evaluator's share shows.
#include <benchmark/benchmark.h>
#include <regex.h>
#include <string.h>

#include <random>
#include <string>
#include <vector>

#include "bench/query_loop.h"

namespace {

using bench::RandomLetters;

constexpr std::size_t kHaystackLength = 1 << 20;

// A text of random letters, and a needle of random digits that does not occur in it,
// so that every search reads the whole text.
struct SearchCase {
  std::string haystack;
  std::string needle;

  explicit SearchCase(std::size_t needleLength) {
    std::mt19937 random(11);
    haystack = RandomLetters(random, kHaystackLength);
    needle.assign(needleLength, '0');
    for (char& c : needle) c = static_cast<char>('0' + random() % 10);
  }
};

void RunQuery(benchmark::State& state, std::string const& query, std::size_t bytes) {
  if (!bench::TimePreparedQuery(state, query, /*oneValue=*/true)) return;
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void BM_FirstOccurrenceQuery(benchmark::State& state) {
  SearchCase const c(static_cast<std::size_t>(state.range(0)));
  RunQuery(state, "exists first \"" + c.needle + "\" of \"" + c.haystack + "\"", kHaystackLength);
}
BENCHMARK(BM_FirstOccurrenceQuery)->Arg(4)->Arg(64)->Unit(benchmark::kMicrosecond);

void BM_LastOccurrenceQuery(benchmark::State& state) {
  SearchCase const c(static_cast<std::size_t>(state.range(0)));
  RunQuery(state, "exists last \"" + c.needle + "\" of \"" + c.haystack + "\"", kHaystackLength);
}
BENCHMARK(BM_LastOccurrenceQuery)->Arg(4)->Arg(64)->Unit(benchmark::kMicrosecond);

// The same literals compared for equality, which their lengths decide at once. The
// comparison is of `it`, so that each run compares: the relation of two literals is
// computed once, when the query is prepared.
void BM_OccurrenceBaselineQuery(benchmark::State& state) {
  SearchCase const c(static_cast<std::size_t>(state.range(0)));
  RunQuery(state, "exists (\"" + c.needle + "\" whose (it = \"" + c.haystack + "\"))",
           kHaystackLength);
}
BENCHMARK(BM_OccurrenceBaselineQuery)->Arg(4)->Arg(64)->Unit(benchmark::kMicrosecond);

void BM_Memmem(benchmark::State& state) {
  SearchCase const c(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    void const* found =
        memmem(c.haystack.data(), c.haystack.size(), c.needle.data(), c.needle.size());
    benchmark::DoNotOptimize(found);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kHaystackLength));
}
BENCHMARK(BM_Memmem)->Arg(4)->Arg(64)->Unit(benchmark::kMicrosecond);

// The last occurrence by the C library: memrchr finds each candidate's first byte
// from the end, memcmp checks the rest.
void BM_MemrchrSearch(benchmark::State& state) {
  SearchCase const c(static_cast<std::size_t>(state.range(0)));
  for (auto _ : state) {
    char const* found = nullptr;
    std::size_t end = c.haystack.size() - c.needle.size() + 1;  // candidates start before
    while (end > 0) {
      auto const* at = static_cast<char const*>(memrchr(c.haystack.data(), c.needle[0], end));
      if (at == nullptr) break;
      if (memcmp(at, c.needle.data(), c.needle.size()) == 0) {
        found = at;
        break;
      }
      end = static_cast<std::size_t>(at - c.haystack.data());
    }
    benchmark::DoNotOptimize(found);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kHaystackLength));
}
BENCHMARK(BM_MemrchrSearch)->Arg(4)->Arg(64)->Unit(benchmark::kMicrosecond);

// Many short strings, most of them words followed by digits, as one literal cut at
// commas.
constexpr int kWords = 10000;
constexpr char const* kPattern = "[a-z]+[0-9]+";

std::vector<std::string> Words() {
  std::mt19937 random(5);
  std::vector<std::string> words;
  for (int i = 0; i < kWords; ++i) {
    std::string word = RandomLetters(random, 3 + random() % 8);
    if (random() % 4 != 0) word += std::to_string(random() % 1000);
    words.push_back(std::move(word));
  }
  return words;
}

std::string JoinedWords() {
  std::string joined;
  for (std::string const& word : Words()) joined += (joined.empty() ? "" : ",") + word;
  return joined;
}

void BM_RegexMatchingQuery(benchmark::State& state) {
  RunQuery(state,
           "number of ((substrings separated by \",\" of \"" + JoinedWords() +
               "\") whose (it = regex \"" + kPattern + "\"))",
           kWords);
}
BENCHMARK(BM_RegexMatchingQuery)->Unit(benchmark::kMillisecond);

void BM_RegexContainsQuery(benchmark::State& state) {
  RunQuery(state,
           "number of ((substrings separated by \",\" of \"" + JoinedWords() +
               "\") whose (it contains regex \"" + kPattern + "\"))",
           kWords);
}
BENCHMARK(BM_RegexContainsQuery)->Unit(benchmark::kMillisecond);

// The same strings cut and filtered by a condition that needs no expression.
void BM_RegexBaselineQuery(benchmark::State& state) {
  RunQuery(
      state,
      "number of ((substrings separated by \",\" of \"" + JoinedWords() + "\") whose (it != \"\"))",
      kWords);
}
BENCHMARK(BM_RegexBaselineQuery)->Unit(benchmark::kMillisecond);

// One compiled expression, each string matched directly with REG_STARTEND.
void BM_RegexecDirect(benchmark::State& state) {
  std::vector<std::string> const words = Words();
  regex_t regex;
  std::string const anchored = std::string("^(") + kPattern + ")$";
  if (regcomp(&regex, anchored.c_str(), REG_EXTENDED) != 0) {
    state.SkipWithError("cannot compile");
    return;
  }
  for (auto _ : state) {
    int count = 0;
    for (std::string const& word : words) {
      regmatch_t range{0, static_cast<regoff_t>(word.size())};
      if (regexec(&regex, word.data(), 0, &range, REG_STARTEND) == 0) ++count;
    }
    benchmark::DoNotOptimize(count);
  }
  regfree(&regex);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * kWords));
}
BENCHMARK(BM_RegexecDirect)->Unit(benchmark::kMillisecond);

}  // namespace
