#include "inspectors/system/ip6_grammar.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "foundation/chunked_reading.h"

namespace inspectors {
namespace {

// The reader's outcome for every way of splitting the text into chunks, which the
// whole-text entry point never does: groups, "::" and octets across chunk boundaries,
// and which failure a bad text gives.
std::string Read(std::string const& text) {
  IP6Automaton automaton;
  IP6Parser parser(automaton);
  IP6Lexer lexer(parser);
  return ReadInEveryChunking(text, [&](std::vector<ConstData> const& chunks) -> std::string {
    lexer.Start();
    for (ConstData chunk : chunks) lexer.Receive(chunk);
    lexer.ReceiveEnd();
    return std::string(IP6AddressToText(automaton.Result()).AsStringView());
  });
}

TEST(IP6Reader, ReadsTheSameInEveryChunking) {
  struct {
    char const* text;
    char const* outcome;
  } const cases[] = {
      {"2001:0DB8::a:1", "2001:db8:0:0:0:0:a:1"},
      {"1:2:3:4:5:6:7:8", "1:2:3:4:5:6:7:8"},
      {"::ffff:192.0.2.10", "0:0:0:0:0:ffff:c000:20a"},
      {"1:2::", "1:2:0:0:0:0:0:0"},
      {"198.51.100.255", "0:0:0:0:0:ffff:c633:64ff"},
      {":::", "!ParsingFailure"},
      {"1:2:3:4:5:6:7:8:", "!ParsingFailure"},
      {"12345::", "!ParsingFailure"},
      {"1::2:3:4:5:6:7:8", "!NotAnIP6Address"},
      {"::1.2.3.04", "!NotAnIP6Address"},
  };
  for (auto const& c : cases) EXPECT_EQ(Read(c.text), c.outcome) << c.text;
}

}  // namespace
}  // namespace inspectors
