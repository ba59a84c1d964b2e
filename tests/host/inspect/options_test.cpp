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

TEST(OptionsTest, QueriesFilesAndStdinKeepTheirOrder) {
  auto line = Parse({"1 + 2", "-f", "a.txt", "--json", "-", "--file=b.txt", "3"});
  EXPECT_EQ(line.mode, Mode::Queries);
  EXPECT_TRUE(line.json);
  std::vector<QuerySource> expected{{Kind::Text, "1 + 2"},
                                    {Kind::File, "a.txt"},
                                    {Kind::Stdin, "-"},
                                    {Kind::File, "b.txt"},
                                    {Kind::Text, "3"}};
  EXPECT_EQ(line.sources, expected);
}

TEST(OptionsTest, NoQueryMeansInteractive) {
  auto line = Parse({"--debug", "--timeout", "2"});
  EXPECT_EQ(line.mode, Mode::Interactive);
  EXPECT_TRUE(line.debug);
  EXPECT_EQ(line.timeout, 2s);
}

TEST(OptionsTest, QueriesThatStartWithADashAreNotOptions) {
  auto line = Parse({"-1 + 2", "-(3)", "--", "--json", "-f"});
  std::vector<QuerySource> expected{
      {Kind::Text, "-1 + 2"}, {Kind::Text, "-(3)"}, {Kind::Text, "--json"}, {Kind::Text, "-f"}};
  EXPECT_EQ(line.sources, expected);
  EXPECT_FALSE(line.json);
}

TEST(OptionsTest, FileDashIsStandardInputAndOnlyOnce) {
  EXPECT_EQ(Parse({"-f", "-"}).sources, (std::vector<QuerySource>{{Kind::Stdin, "-"}}));
  EXPECT_THROW(Parse({"-", "-f", "-"}), UsageError);
  EXPECT_THROW(Parse({"-", "-"}), UsageError);
}

TEST(OptionsTest, ListTakesAnOptionalWord) {
  auto all = Parse({"--list"});
  EXPECT_EQ(all.mode, Mode::List);
  EXPECT_EQ(all.word, "");
  auto some = Parse({"--list", "bit set", "--json"});
  EXPECT_EQ(some.mode, Mode::List);
  EXPECT_EQ(some.word, "bit set");
  EXPECT_TRUE(some.json);
  auto next = Parse({"--list", "--json"});
  EXPECT_EQ(next.word, "");
  EXPECT_TRUE(next.json);
  EXPECT_EQ(Parse({"--list=maximum"}).word, "maximum");
}

TEST(OptionsTest, DescribeNeedsAType) {
  auto line = Parse({"--describe", "integer"});
  EXPECT_EQ(line.mode, Mode::Describe);
  EXPECT_EQ(line.word, "integer");
  EXPECT_THROW(Parse({"--describe"}), UsageError);
  EXPECT_THROW(Parse({"--describe="}), UsageError);
}

TEST(OptionsTest, ConflictingModesAndStrayArgumentsAreUsageErrors) {
  EXPECT_THROW(Parse({"--list", "--describe", "integer"}), UsageError);
  EXPECT_THROW(Parse({"--describe", "integer", "1 + 2"}), UsageError);
  EXPECT_THROW(Parse({"--list", "word", "1 + 2"}), UsageError);
  EXPECT_THROW(Parse({"--list", "-f", "x"}), UsageError);
}

TEST(OptionsTest, UnknownOptionsAndMissingValuesAreUsageErrors) {
  EXPECT_THROW(Parse({"--bogus"}), UsageError);
  EXPECT_THROW(Parse({"-x"}), UsageError);
  EXPECT_THROW(Parse({"-f"}), UsageError);
  EXPECT_THROW(Parse({"--timeout"}), UsageError);
  EXPECT_THROW(Parse({"--library"}), UsageError);
  EXPECT_THROW(Parse({"--library="}), UsageError);
  EXPECT_THROW(Parse({"--json=yes"}), UsageError);
}

TEST(OptionsTest, HelpAndVersionWinOverTheRest) {
  EXPECT_EQ(Parse({"1", "--help", "--bogus"}).mode, Mode::Help);
  EXPECT_EQ(Parse({"-h"}).mode, Mode::Help);
  EXPECT_EQ(Parse({"-V"}).mode, Mode::Version);
  EXPECT_EQ(Parse({"--version"}).mode, Mode::Version);
}

TEST(OptionsTest, LibraryPathIsKept) {
  EXPECT_EQ(Parse({"--library", "/x/lib.so", "1"}).library, "/x/lib.so");
  EXPECT_EQ(Parse({"--library=/y.so", "1"}).library, "/y.so");
  EXPECT_FALSE(Parse({"1"}).library.has_value());
}

TEST(OptionsTest, SecondsMayBeFractional) {
  EXPECT_EQ(ParseSeconds("0.25"), 250ms);
  EXPECT_EQ(ParseSeconds("3"), 3s);
  EXPECT_EQ(ParseSeconds("1e-3"), 1ms);
  EXPECT_EQ(Parse({"--timeout=1.5", "1"}).timeout, 1500ms);
}

TEST(OptionsTest, SecondsMustBeAPositiveFiniteNumber) {
  for (std::string_view bad : {"", "0", "-1", "abc", "1s", " 1", "nan", "inf", "1e400", "1e12"}) {
    EXPECT_THROW(ParseSeconds(bad), UsageError) << "'" << bad << "'";
  }
}

}  // namespace
}  // namespace inspect
