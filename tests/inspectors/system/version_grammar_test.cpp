#include "inspectors/system/version_grammar.h"

#include <gtest/gtest.h>

#include <random>
#include <string>

#include "foundation/exceptions.h"

namespace inspectors {
namespace {

// The fields of a version, or its text when it is textual.
std::string Fields(inspector_version const& v) {
  return std::to_string(v.major) + " " + std::to_string(v.minor) + " " + std::to_string(v.bug) +
         " " + std::to_string(v.stage) + " " + std::to_string(v.build) + " [" + v.text + "]";
}

// The grammar alone, which the whole-text entry point uses for all but plain dotted
// numbers: a text it does not finish is textual.
inspector_version ByGrammar(std::string const& text) {
  VersionAutomaton automaton;
  VersionParser parser(automaton);
  VersionLexer lexer(parser);
  try {
    lexer.Start();
    lexer.Receive(ConstData(text));
    lexer.ReceiveEnd();
    if (parser.Finished()) return automaton.Result();
  } catch (DebuggableException const&) {
  } catch (MacintoshPlatform::VersionDataOutOfBounds const&) {
  }
  inspector_version textual;
  textual.text = text;
  return textual;
}

TEST(VersionReader, WholeTextsReadAsTheGrammarReadsThem) {
  std::mt19937 random(4);
  // Mostly digits and periods, so that most texts come near dotted numbers; nines make
  // fields past 65535.
  std::string const alphabet = "0123456789999....bf";
  for (int round = 0; round < 50000; ++round) {
    std::string text;
    std::size_t const length = random() % 20;
    for (std::size_t i = 0; i < length; ++i) text += alphabet[random() % alphabet.size()];
    ASSERT_EQ(Fields(TextToVersion(ConstData(text))), Fields(ByGrammar(text))) << '"' << text << '"';
  }
  struct {
    char const* text;
    char const* fields;
  } const cases[] = {
      {"5", "5 0 0 0 0 []"},
      {"10.4", "10 4 0 0 0 []"},
      {"10.4.11", "10 4 11 0 0 []"},
      {"7.0.1.1234", "7 0 1 160 1234 []"},
      {"0065535.0", "65535 0 0 0 0 []"},
      {"65536.0", "0 0 0 0 0 [65536.0]"},
      {"1.2.3.4.5", "0 0 0 0 0 [1.2.3.4.5]"},
      {"1..2", "0 0 0 0 0 [1..2]"},
      {"1.", "0 0 0 0 0 [1.]"},
      {"", "0 0 0 0 0 []"},
  };
  for (auto const& c : cases) {
    EXPECT_EQ(Fields(TextToVersion(ConstData(std::string(c.text)))), c.fields) << c.text;
  }
}

}  // namespace
}  // namespace inspectors
