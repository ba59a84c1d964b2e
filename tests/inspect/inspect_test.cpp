// The built `inspect` command, run as a process.
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <nlohmann/json.hpp>
#include <regex>
#include <sstream>

#include "process.h"

namespace {

using inspect_test::Launch;
using inspect_test::Outcome;

Outcome Inspect(std::vector<std::string> arguments, std::string input = {},
                std::map<std::string, std::optional<std::string>> environment = {}) {
  // The library is found next to the binary unless a test says otherwise.
  environment.try_emplace("INSPECTORS_LIBRARY", std::nullopt);
  return inspect_test::RunProcess(INSPECT_BINARY,
                                  Launch{std::move(arguments), std::move(input), environment, {}});
}

std::vector<std::string> Lines(std::string const& text) {
  std::vector<std::string> lines;
  std::istringstream stream(text);
  for (std::string line; std::getline(stream, line);) lines.push_back(line);
  return lines;
}

// A scratch directory, removed afterwards.
class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "inspect_test_XXXXXX").string();
    path_ = mkdtemp(pattern.data());
  }
  ~TempDir() { std::filesystem::remove_all(path_); }
  std::filesystem::path Write(std::string const& name, std::string const& content) const {
    auto file = path_ / name;
    std::ofstream(file, std::ios::binary) << content;
    return file;
  }
  std::filesystem::path const& path() const { return path_; }

 private:
  std::filesystem::path path_;
};

// The error line names a column, and the caret line under the echoed query points at it.
void ExpectCaretAtReportedColumn(Outcome const& outcome, std::string const& query) {
  auto lines = Lines(outcome.err);
  ASSERT_EQ(lines.size(), 3u) << outcome.err;
  std::smatch match;
  ASSERT_TRUE(std::regex_search(lines[0], match, std::regex("at column ([0-9]+): .+"))) << lines[0];
  std::size_t column = std::stoul(match[1]);
  EXPECT_GE(column, 1u);
  EXPECT_LE(column, query.size() + 1);
  EXPECT_EQ(lines[1], query);
  EXPECT_EQ(lines[2], std::string(column - 1, ' ') + "^");
}

TEST(InspectCommandTest, AnswersEachQueryInOrder) {
  auto outcome = Inspect({"1 + 2", "\"a\" & \"b\"", "(1; 2; 3)", "maximum of (1; 3; 2)"});
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(outcome.out, "3\nab\n1\n2\n3\n3\n");
  EXPECT_EQ(outcome.err, "");
}

TEST(InspectCommandTest, QueriesMayStartWithAMinus) {
  auto outcome = Inspect({"-1 + 3", "--", "-4"});
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(outcome.out, "2\n-4\n");
}

TEST(InspectCommandTest, UsageErrorsExitWithTwo) {
  for (auto const& arguments :
       std::vector<std::vector<std::string>>{{"--bogus"},
                                             {"--timeout", "soon", "1"},
                                             {"--timeout"},
                                             {"-f"},
                                             {"--list", "x", "1"},
                                             {"--describe"},
                                             {"--list", "--describe", "integer"}}) {
    auto outcome = Inspect(arguments);
    EXPECT_EQ(outcome.status, 2) << arguments[0];
    EXPECT_EQ(outcome.out, "");
    EXPECT_TRUE(outcome.err.starts_with("inspect: ")) << outcome.err;
  }
}

TEST(InspectCommandTest, HelpAndVersion) {
  auto help = Inspect({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--timeout"), std::string::npos);
  auto version = Inspect({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_TRUE(std::regex_match(version.out, std::regex("inspect [0-9]+\\.[0-9]+\\.[0-9]+\n")))
      << version.out;
}

TEST(InspectCommandTest, SyntaxErrorShowsTheColumnAndACaret) {
  auto outcome = Inspect({"1 + + 2"});
  EXPECT_EQ(outcome.status, 2);
  EXPECT_EQ(outcome.out, "");
  ExpectCaretAtReportedColumn(outcome, "1 + + 2");
  EXPECT_NE(outcome.err.find("syntax error at column 5"), std::string::npos) << outcome.err;
}

TEST(InspectCommandTest, TypeErrorShowsTheColumnAndACaret) {
  auto outcome = Inspect({"1 + \"a\""});
  EXPECT_EQ(outcome.status, 2);
  ExpectCaretAtReportedColumn(outcome, "1 + \"a\"");
  EXPECT_NE(outcome.err.find("type error"), std::string::npos) << outcome.err;
}

TEST(InspectCommandTest, FailedQueryExitsWithOneOnOneLine) {
  auto outcome = Inspect({"1 / 0"});
  EXPECT_EQ(outcome.status, 1);
  EXPECT_EQ(outcome.out, "");
  EXPECT_EQ(Lines(outcome.err).size(), 1u) << outcome.err;
}

TEST(InspectCommandTest, EveryQueryRunsAndTheWorstStatusWins) {
  auto outcome = Inspect({"1 / 0", "1 + 1", "1 +", "2 + 2"});
  EXPECT_EQ(outcome.status, 2);
  EXPECT_EQ(outcome.out, "2\n4\n");
}

TEST(InspectCommandTest, EmptyPluralIsAnAnswer) {
  auto outcome = Inspect({"(1; 2) whose (it > 5)"});
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(outcome.out, "");
}

TEST(InspectCommandTest, JsonHasOneObjectPerQuery) {
  auto outcome = Inspect({"--json", "1 + 2", "(1; 2)", "1 < 2", "(1, \"a\")", "1 / 0", "1 +"});
  EXPECT_EQ(outcome.status, 2);
  auto lines = Lines(outcome.out);
  ASSERT_EQ(lines.size(), 6u) << outcome.out;
  std::vector<nlohmann::json> results;
  for (auto const& line : lines) {
    results.push_back(nlohmann::json::parse(line));
    for (char const* field : {"query", "type", "plural", "values", "error", "elapsed_ms"}) {
      EXPECT_TRUE(results.back().contains(field)) << field << " in " << line;
    }
  }
  EXPECT_EQ(results[0]["query"], "1 + 2");
  EXPECT_EQ(results[0]["type"], "integer");
  EXPECT_EQ(results[0]["plural"], false);
  EXPECT_EQ(results[0]["values"], nlohmann::json::parse("[3]"));
  EXPECT_TRUE(results[0]["error"].is_null());
  EXPECT_EQ(results[1]["plural"], true);
  EXPECT_EQ(results[1]["values"], nlohmann::json::parse("[1, 2]"));
  EXPECT_EQ(results[2]["values"], nlohmann::json::parse("[true]"));
  EXPECT_EQ(results[3]["values"], nlohmann::json::parse(R"([[1, "a"]])"));
  EXPECT_EQ(results[4]["error"]["category"], "failure");
  EXPECT_EQ(results[5]["error"]["category"], "syntax");
  EXPECT_GE(results[5]["error"]["column"].get<int>(), 1);
}

TEST(InspectCommandTest, FileSkipsBlankAndCommentLines) {
  TempDir dir;
  auto file =
      dir.Write("queries.txt", "# sums\n1 + 2\n\n   \n  # indented comment\r\n3 * 4\r\n5 /\n");
  auto outcome = Inspect({"-f", file.string()});
  EXPECT_EQ(outcome.status, 2);
  EXPECT_EQ(outcome.out, "3\n12\n");
  // The failing query is named by its file and line.
  EXPECT_TRUE(outcome.err.starts_with("inspect: " + file.string() + ":7: syntax error"))
      << outcome.err;
}

TEST(InspectCommandTest, DashReadsStandardInput) {
  auto outcome = Inspect({"-"}, "1 + 1\n# skipped\n\n\"x\" & \"y\"");
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(outcome.out, "2\nxy\n");
  auto file = Inspect({"-f", "-", "7"}, "6\n");
  EXPECT_EQ(file.out, "6\n7\n");
}

TEST(InspectCommandTest, PipedInputWithoutQueriesIsReadLikeDashAndKeepsNoHistory) {
  TempDir home;
  auto outcome = Inspect({}, "2 * 3\n", {{"HOME", home.path().string()}});
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(outcome.out, "6\n");
  EXPECT_FALSE(std::filesystem::exists(home.path() / ".inspect_history"));
}

TEST(InspectCommandTest, UnreadableFileIsReported) {
  TempDir dir;
  auto missing = Inspect({"-f", (dir.path() / "none.txt").string()});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("none.txt"), std::string::npos);
  auto directory = Inspect({"-f", dir.path().string()});
  EXPECT_EQ(directory.status, 2);
  EXPECT_NE(directory.err.find("directory"), std::string::npos);
}

TEST(InspectCommandTest, BinaryBytesInAFileDoNotCrash) {
  std::string bytes;
  for (int i = 0; i < 4096; ++i) bytes += static_cast<char>((i * 131 + 7) % 256);
  bytes += std::string("\0\"\0\xff\"\n(((((((((\n\"\\x\n", 20);
  TempDir dir;
  auto outcome = Inspect({"-f", dir.Write("binary", bytes).string()});
  EXPECT_EQ(outcome.signal, 0);
  EXPECT_GE(outcome.status, 0);
  EXPECT_LE(outcome.status, 2);
  for (auto const& line : Lines(outcome.err)) {
    EXPECT_EQ(line.find('\0'), std::string::npos);  // shown, not echoed raw
  }
}

// Inputs that once hung the command or grew it without bound.
TEST(InspectCommandTest, HostileInputsEndWithAClearError) {
  // A syntax error among bytes that are not UTF-8 is shown, and the command ends.
  std::string const bytes = "\x9a\x95\xbb\xb6\xa2*}\x88\xba\x1d$O" + std::string(200, '\xbf');
  auto garbage = Inspect({bytes});
  EXPECT_EQ(garbage.status, 2) << garbage.err;
  EXPECT_EQ(Lines(garbage.err).size(), 3u) << garbage.err;

  // A stream without a line end is read up to the limit only.
  auto zeros = Inspect({"-f", "/dev/zero", "1 + 1"});
  EXPECT_EQ(zeros.status, 2);
  EXPECT_NE(zeros.err.find("/dev/zero:1: a line longer than 16 MiB"), std::string::npos)
      << zeros.err;
  EXPECT_EQ(zeros.out, "2\n");  // the other sources still run

  // A byte-order mark before the first query of a file is not part of it.
  TempDir dir;
  auto marked = Inspect({"-f", dir.Write("bom.q", "\xef\xbb\xbf" "1 + 1\n2 + 2\n").string()});
  EXPECT_EQ(marked.status, 0) << marked.err;
  EXPECT_EQ(marked.out, "2\n4\n");
}

// Output that cannot be written fails the command, and nothing more is run.
TEST(InspectCommandTest, UnwritableOutputStopsTheRun) {
  auto toFullDisk = [](std::vector<std::string> arguments) {
    Launch launch{std::move(arguments), {}, {{"INSPECTORS_LIBRARY", std::nullopt}}, "/dev/full"};
    return inspect_test::RunProcess(INSPECT_BINARY, launch);
  };
  for (char const* option : {"--help", "--version"}) {
    auto outcome = toFullDisk({option});
    EXPECT_EQ(outcome.status, 1) << option;
    EXPECT_NE(outcome.err.find("cannot write to standard output"), std::string::npos);
  }
  // The second query is a syntax error that would be reported if it ran.
  auto queries = toFullDisk({"1", "1 +"});
  EXPECT_EQ(queries.status, 1) << queries.err;
  EXPECT_EQ(queries.err.find("syntax error"), std::string::npos) << queries.err;
}

TEST(InspectCommandTest, ListShowsTheBuiltInPhrases) {
  auto all = Inspect({"--list"});
  EXPECT_EQ(all.status, 0) << all.err;
  EXPECT_NE(all.out.find("maximum"), std::string::npos);
  EXPECT_NE(all.out.find("minimum"), std::string::npos);
  EXPECT_GT(Lines(all.out).size(), 10u);

  auto some = Inspect({"--list", "maximum"});
  EXPECT_EQ(some.status, 0) << some.err;
  auto lines = Lines(some.out);
  ASSERT_GE(lines.size(), 2u);
  for (std::size_t i = 1; i < lines.size(); ++i) {
    EXPECT_NE(lines[i].find("maximum"), std::string::npos) << lines[i];
  }
  EXPECT_LT(lines.size(), Lines(all.out).size());

  auto json = Inspect({"--list", "maximum", "--json"});
  auto array = nlohmann::json::parse(json.out);
  ASSERT_TRUE(array.is_array());
  EXPECT_EQ(array.size(), lines.size() - 1);  // the plain form has a header
  EXPECT_EQ(array[0]["name"], "maximum");

  auto none = Inspect({"--list", "zzzzqqq"});
  EXPECT_EQ(none.status, 1);
  EXPECT_EQ(none.out, "");
}

TEST(InspectCommandTest, DescribeKnowsTheIntegerType) {
  auto integer = Inspect({"--describe", "integer"});
  EXPECT_EQ(integer.status, 0) << integer.err;
  EXPECT_NE(integer.out.find("integer"), std::string::npos);
  auto unknown = Inspect({"--describe", "no such type"});
  EXPECT_EQ(unknown.status, 2);
  EXPECT_NE(unknown.err.find("no such type"), std::string::npos);
}

TEST(InspectCommandTest, LibraryCanBeNamed) {
  auto byOption = Inspect({"--library", INSPECTORS_LIBRARY_FILE, "1 + 1"}, {},
                          {{"INSPECTORS_LIBRARY", "/nonexistent/ignored.so"}});
  EXPECT_EQ(byOption.status, 0) << byOption.err;
  EXPECT_EQ(byOption.out, "2\n");
  auto byVariable = Inspect({"1 + 1"}, {}, {{"INSPECTORS_LIBRARY", INSPECTORS_LIBRARY_FILE}});
  EXPECT_EQ(byVariable.status, 0) << byVariable.err;
}

TEST(InspectCommandTest, MissingLibraryIsAClearError) {
  auto byOption = Inspect({"--library", "/nonexistent/libx.so", "1 + 1"});
  EXPECT_EQ(byOption.status, 1);
  EXPECT_EQ(byOption.out, "");
  EXPECT_TRUE(
      byOption.err.starts_with("inspect: cannot load /nonexistent/libx.so (from --library)"))
      << byOption.err;
  EXPECT_EQ(Lines(byOption.err).size(), 1u);

  auto byVariable = Inspect({"1 + 1"}, {}, {{"INSPECTORS_LIBRARY", "/nonexistent/liby.so"}});
  EXPECT_EQ(byVariable.status, 1);
  EXPECT_NE(byVariable.err.find("/nonexistent/liby.so (from INSPECTORS_LIBRARY)"),
            std::string::npos)
      << byVariable.err;

  TempDir dir;
  auto notALibrary = Inspect({"--library", dir.Write("fake.so", "not a library").string(), "1"});
  EXPECT_EQ(notALibrary.status, 1);
  EXPECT_NE(notALibrary.err.find("fake.so"), std::string::npos);
}

}  // namespace

namespace {

TEST(InspectCommandTest, BitSetPhrases) {
  auto outcome =
      Inspect({"least significant one bit of bit set \"0000101\"", "one bits of bit set \"100001\"",
               "conjunction of (true; false)", "bit set \"0000101\" as string"});
  EXPECT_EQ(outcome.status, 0) << outcome.err;
  EXPECT_EQ(outcome.out, "0\n0\n5\nfalse\n101\n");
  auto empty = Inspect({"least significant one bit of bit set \"0\""});
  EXPECT_EQ(empty.status, 1);
  EXPECT_NE(empty.err.find("no such object"), std::string::npos) << empty.err;
}

TEST(InspectCommandTest, TimeoutExitsWithThree) {
  // A cross product of 10^10 tuples cannot finish within the limit.
  std::string hundred;
  for (int i = 1; i <= 100; ++i) hundred += (i > 1 ? "; " : "") + std::to_string(i);
  std::string factor = "(" + hundred + ")";
  std::string query = "number of (" + factor;
  for (int i = 0; i < 4; ++i) query += ", " + factor;
  query += ")";
  auto outcome = Inspect({"--timeout", "0.2", query, "1 + 1"});
  EXPECT_EQ(outcome.status, 3) << outcome.err;
  EXPECT_NE(outcome.err.find("timed out"), std::string::npos) << outcome.err;
  EXPECT_EQ(outcome.out, "2\n");  // the next query still runs
}

}  // namespace
