#include "inspectors/time/interval_grammar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/chunked_reading.h"

namespace inspectors {
namespace {

// The reader's outcome for every way of splitting the text into chunks, which the
// whole-text entry point never does: numerals, words and the end across chunk
// boundaries, and which failure a bad text gives.
std::string Read(std::string const& text) {
  IntervalAutomaton automaton;
  IntervalParser parser(automaton);
  IntervalLexer lexer(parser);
  return ReadInEveryChunking(text, [&](std::vector<ConstData> const& chunks) -> std::string {
    lexer.Start();
    for (ConstData chunk : chunks) lexer.Receive(chunk);
    lexer.ReceiveEnd();
    try {
      return std::to_string(automaton.Result().microseconds);
    } catch (IntegerOverflow const&) {
      return "!IntegerOverflow";
    }
  });
}

TEST(IntervalReader, ReadsTheSameInEveryChunking) {
  struct {
    char const* text;
    char const* outcome;
  } const cases[] = {
      {"-1 DaYs, 01:00:00.000249", "-90000000249"},
      {"12.000000000000000001:34:56.789012", "45296789012"},
      {"+ 0.5day", "43200000000"},
      {"-0:0:9223372036854.775808", "-9223372036854775808"},
      {"0:0:9223372036854.775808", "!IntegerOverflow"},
      {"1 days 1:2:3", "!ParsingFailure"},
      {"1 dayss", "!ParsingFailure"},
      {"1:2", "!ParsingFailure"},
      {"", "!ParsingFailure"},
      {"1 2 3 4 5", "!StackFull"},  // a fifth pending number
  };
  for (auto const& c : cases) EXPECT_EQ(Read(c.text), c.outcome) << c.text;
}

}  // namespace
}  // namespace inspectors
