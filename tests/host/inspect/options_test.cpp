#include "host/inspect/options.h"

#include <gtest/gtest.h>

namespace inspect {
namespace {

using namespace std::chrono_literals;
using Kind = QuerySource::Kind;
using Mode = CommandLine::Mode;

CommandLine Parse(std::vector<std::string_view> arguments) {
  return ParseCommandLine(arguments);
}

TEST(Options, SourcesKeepTheirOrderAndQueriesMayStartWithADash) {
  auto line = Parse({"1 + 2", "-f", "a.txt", "--json", "-", "--file=b.txt", "-(3)", "--", "-f"});
  EXPECT_EQ(line.mode, Mode::Queries);
  EXPECT_TRUE(line.json);
  std::vector<QuerySource> const expected{{Kind::Text, "1 + 2"}, {Kind::File, "a.txt"},
                                          {Kind::Stdin, "-"},    {Kind::File, "b.txt"},
                                          {Kind::Text, "-(3)"},  {Kind::Text, "-f"}};
  EXPECT_EQ(line.sources, expected);
  EXPECT_EQ(Parse({"-f", "-"}).sources, (std::vector<QuerySource>{{Kind::Stdin, "-"}}));
}

TEST(Options, ModesAndTheirArguments) {
  auto interactive = Parse({"--debug", "--timeout", "2", "--library=/y.so"});
  EXPECT_EQ(interactive.mode, Mode::Interactive);
  EXPECT_TRUE(interactive.debug);
  EXPECT_EQ(interactive.timeout, 2s);
  EXPECT_EQ(interactive.library, "/y.so");
  EXPECT_FALSE(Parse({"1"}).library.has_value());
  struct {
    std::vector<std::string_view> arguments;
    Mode mode;
    char const* word;
  } const cases[] = {
      {{"--list"}, Mode::List, ""},
      {{"--list", "bit set", "--json"}, Mode::List, "bit set"},
      {{"--list", "--json"}, Mode::List, ""},
      {{"--list=maximum"}, Mode::List, "maximum"},
      {{"--describe", "integer"}, Mode::Describe, "integer"},
      {{"1", "--help", "--bogus"}, Mode::Help, ""},
      {{"-h"}, Mode::Help, ""},
      {{"-V"}, Mode::Version, ""},
      {{"--version"}, Mode::Version, ""},
  };
  for (auto const& c : cases) {
    auto line = Parse(c.arguments);
    EXPECT_EQ(line.mode, c.mode) << c.arguments[0];
    EXPECT_EQ(line.word, c.word) << c.arguments[0];
  }
}

TEST(Options, UsageErrors) {
  std::vector<std::string_view> const cases[] = {
      {"-", "-f", "-"},
      {"-", "-"},
      {"--describe"},
      {"--describe="},
      {"--bogus"},
      {"-x"},
      {"-f"},
      {"--timeout"},
      {"--library"},
      {"--library="},
      {"--json=yes"},
      {"--list", "--describe", "integer"},
      {"--list", "-f", "x"},
      {"--describe", "integer", "1 + 2"},
      {"--list", "word", "1 + 2"},
  };
  for (auto const& arguments : cases) {
    EXPECT_THROW(Parse(arguments), UsageError) << arguments[0] << " " << arguments.size();
  }
}

TEST(Options, SecondsArePositiveFiniteAndMayBeFractional) {
  EXPECT_EQ(ParseSeconds("0.25"), 250ms);
  EXPECT_EQ(ParseSeconds("3"), 3s);
  EXPECT_EQ(ParseSeconds("1e-3"), 1ms);
  for (std::string_view bad : {"", "0", "-1", "abc", "1s", " 1", "nan", "inf", "1e400", "1e12"}) {
    EXPECT_THROW(ParseSeconds(bad), UsageError) << "'" << bad << "'";
  }
}

}  // namespace
}  // namespace inspect
