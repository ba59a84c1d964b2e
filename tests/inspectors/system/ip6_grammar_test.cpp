#include "inspectors/system/ip6_grammar.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "foundation/exceptions.h"

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

// The whole-text entry point reads the plain colon forms in one pass of its own and
// leaves the rest to the grammar: both must agree on every text, address or failure.
std::string Outcome(std::string const& text, IP6Address (*read)(ConstData)) {
  try {
    return std::string(IP6AddressToText(read(ConstData(text))).AsStringView());
  } catch (ParsingFailure const&) {
    return "!ParsingFailure";
  } catch (NotAnIP6Address const&) {
    return "!NotAnIP6Address";
  }
}

IP6Address ByGrammar(ConstData text) {
  IP6Automaton automaton;
  IP6Parser parser(automaton);
  IP6Lexer lexer(parser);
  lexer.Start();
  lexer.Receive(text);
  lexer.ReceiveEnd();
  return automaton.Result();
}

TEST(IP6Reader, WholeTextsReadAsTheGrammarReadsThem) {
  std::mt19937 random(6);
  // Mostly groups and colons, so that most texts come near the plain form.
  std::string const alphabet = "0123456789abcdefABCDEF:::::.x";
  for (int round = 0; round < 50000; ++round) {
    std::string text;
    std::size_t const length = random() % 42;
    for (std::size_t i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
    ASSERT_EQ(Outcome(text, &TextToIP6Address), Outcome(text, &ByGrammar)) << '"' << text << '"';
  }
  struct {
    char const* text;
    char const* outcome;
  } const cases[] = {
      {"::", "0:0:0:0:0:0:0:0"},
      {"::1", "0:0:0:0:0:0:0:1"},
      {"fFfF::", "ffff:0:0:0:0:0:0:0"},
      {"1:2:3::6:7:8", "1:2:3:0:0:6:7:8"},
      {"1:2:3:4:5:6:7::", "1:2:3:4:5:6:7:0"},
      {"::2:3:4:5:6:7:8", "0:2:3:4:5:6:7:8"},
      {"1:2:3:4:5:6:7:8:9", "!NotAnIP6Address"},
      {"1:2:3:4::5:6:7:8", "!NotAnIP6Address"},
      {"1:2:3:4:5:6:7", "!NotAnIP6Address"},
      {"1::2::3", "!ParsingFailure"},
      {"1:", "!ParsingFailure"},
      {":1", "!ParsingFailure"},
      {"", "!ParsingFailure"},
  };
  for (auto const& c : cases) EXPECT_EQ(Outcome(c.text, &TextToIP6Address), c.outcome) << c.text;
}

}  // namespace
}  // namespace inspectors
