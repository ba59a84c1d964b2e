// Ropes and HTML through the embedding API: substring search in a long rope of
// several pieces against memmem over the same bytes held in one piece, and HTML
// escaping throughput. Each query has a baseline that does the same work without
// the operation measured (building the rope, reading the literal), so that the
// difference is the operation itself.
#include <benchmark/benchmark.h>

#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "bench/query_loop.h"

namespace {

using bench::RandomLetters;

constexpr int kPieces = 8;

// A text of `length` random letters cut into kPieces pieces, and a pattern of
// `patternLength` random letters that does not occur in it.
struct SearchCase {
  std::vector<std::string> pieces;
  std::string whole;
  std::string pattern;

  SearchCase(std::size_t length, std::size_t patternLength) {
    std::mt19937 random(7);
    for (int i = 0; i < kPieces; ++i) {
      pieces.push_back(RandomLetters(random, length / kPieces));
      whole += pieces.back();
    }
    do {
      pattern = RandomLetters(random, patternLength);
    } while (whole.find(pattern) != std::string::npos);
  }

  std::string Rope() const {
    std::string query = "(rope \"" + pieces[0] + "\"";
    for (int i = 1; i < kPieces; ++i) query += " & \"" + pieces[i] + "\"";
    return query + ")";
  }
};

void RunQuery(benchmark::State& state, std::string const& query, std::size_t bytes) {
  if (!bench::TimePreparedQuery(state, query)) return;
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes));
}

void BM_RopeContains(benchmark::State& state) {
  SearchCase const c(static_cast<std::size_t>(state.range(0)),
                     static_cast<std::size_t>(state.range(1)));
  RunQuery(state, c.Rope() + " contains \"" + c.pattern + "\"", c.whole.size());
}
BENCHMARK(BM_RopeContains)
    ->Args({1 << 20, 16})
    ->Args({1 << 20, 300})
    ->Unit(benchmark::kMicrosecond);

// The same rope, measured instead of searched.
void BM_RopeLengthBaseline(benchmark::State& state) {
  SearchCase const c(static_cast<std::size_t>(state.range(0)),
                     static_cast<std::size_t>(state.range(1)));
  RunQuery(state, "length of " + c.Rope(), c.whole.size());
}
BENCHMARK(BM_RopeLengthBaseline)->Args({1 << 20, 16})->Unit(benchmark::kMicrosecond);

// The evaluator's own search of one string holding the whole text. The search is of
// `it`, so that each run searches: the relation of two literals is computed once,
// when the query is prepared.
void BM_StringContains(benchmark::State& state) {
  SearchCase const c(static_cast<std::size_t>(state.range(0)),
                     static_cast<std::size_t>(state.range(1)));
  RunQuery(state, "exists (\"" + c.whole + "\" whose (it contains \"" + c.pattern + "\"))",
           c.whole.size());
}
BENCHMARK(BM_StringContains)
    ->Args({1 << 20, 16})
    ->Args({1 << 20, 300})
    ->Unit(benchmark::kMicrosecond);

// The C library's search over the whole text in one piece, without a query.
void BM_RopeSearchMemmem(benchmark::State& state) {
  SearchCase const c(static_cast<std::size_t>(state.range(0)),
                     static_cast<std::size_t>(state.range(1)));
  for (auto _ : state) {
    void const* found = memmem(c.whole.data(), c.whole.size(), c.pattern.data(), c.pattern.size());
    benchmark::DoNotOptimize(found);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * c.whole.size()));
}
BENCHMARK(BM_RopeSearchMemmem)
    ->Args({1 << 20, 16})
    ->Args({1 << 20, 300})
    ->Unit(benchmark::kMicrosecond);

// A text of random letters with one byte in `every` replaced by a byte to escape.
std::string TextToEscape(std::size_t length, std::size_t every) {
  std::mt19937 random(11);
  std::string text = RandomLetters(random, length);
  char const specials[] = {'<', '>', '&'};
  if (every != 0) {
    for (std::size_t i = 0; i < length; i += every) text[i] = specials[random() % 3];
  }
  return text;
}

void BM_HTMLEscaping(benchmark::State& state) {
  std::string const text = TextToEscape(static_cast<std::size_t>(state.range(0)),
                                        static_cast<std::size_t>(state.range(1)));
  RunQuery(state, "exists (\"" + text + "\" as html)", text.size());
}
BENCHMARK(BM_HTMLEscaping)
    ->Args({1 << 20, 0})   // nothing to escape: scanned, not copied
    ->Args({1 << 20, 50})  // 2% of the bytes escaped
    ->Args({1 << 20, 4})   // 25% escaped
    ->Unit(benchmark::kMicrosecond);

// The same text taken as HTML without escaping: the query's other costs (reading the
// literal, fingerprinting it for the result cache) without the escaping.
void BM_HTMLEscapingBaseline(benchmark::State& state) {
  std::string const text = TextToEscape(static_cast<std::size_t>(state.range(0)), 50);
  RunQuery(state, "exists html \"" + text + "\"", text.size());
}
BENCHMARK(BM_HTMLEscapingBaseline)->Args({1 << 20, 50})->Unit(benchmark::kMicrosecond);

// A paragraph per line of a thousand, joined into one page.
void BM_HTMLParagraphs(benchmark::State& state) {
  std::string lines;
  std::mt19937 random(3);
  for (int i = 0; i < 1000; ++i) {
    lines += (i == 0 ? "\"" : "; \"") + RandomLetters(random, 60) + "<&>\"";
  }
  RunQuery(state, "html concatenation of ps of (" + lines + ")", 1000 * 63);
}
BENCHMARK(BM_HTMLParagraphs)->Unit(benchmark::kMicrosecond);

}  // namespace
