// The built `inspect` command, run as a process: its options, exit statuses and
// output formats.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <regex>

#include "process.h"

namespace {

using inspect_test::Lines;
using inspect_test::Outcome;
using inspect_test::TempDir;

Outcome Inspect(std::vector<std::string> arguments, std::string input = {},
                std::map<std::string, std::optional<std::string>> environment = {}) {
  // The library is found next to the binary unless a test says otherwise.
  environment.try_emplace("INSPECTORS_LIBRARY", std::nullopt);
  return inspect_test::RunProcess(INSPECT_BINARY,
                                  {std::move(arguments), std::move(input), std::move(environment), {}});
}

TEST(InspectCommand, AnswersEveryQueryAndExitsWithTheWorstStatus) {
  struct {
    std::vector<std::string> arguments;
    int status;
    char const* out;
    std::size_t errorLines;
  } const cases[] = {
      {{"1 + 2", "\"a\" & \"b\"", "(1; 2; 3)", "(1; 2) whose (it > 5)"}, 0, "3\nab\n1\n2\n3\n", 0},
      {{"-1 + 3", "--", "-4"}, 0, "2\n-4\n", 0},  // queries may start with a minus
      {{"1 / 0"}, 1, "", 1},
      {{"1 / 0", "1 + 1", "1 +", "2 + 2"}, 2, "2\n4\n", 4},  // the caret takes two lines
      {{"--bogus"}, 2, "", 2},  // one usage error for all of options_test's
      {{"--describe", "no such type"}, 2, "", 1},
      {{"--list", "zzzzqqq"}, 1, "", 1},
  };
  for (auto const& c : cases) {
    Outcome outcome = Inspect(c.arguments);
    EXPECT_EQ(outcome.status, c.status) << c.arguments[0] << ": " << outcome.err;
    EXPECT_EQ(outcome.out, c.out) << c.arguments[0];
    EXPECT_EQ(Lines(outcome.err).size(), c.errorLines) << c.arguments[0] << ": " << outcome.err;
    for (auto const& line : Lines(outcome.err)) {
      if (line.starts_with("inspect: ") || line.starts_with("Try ")) continue;
      EXPECT_TRUE(line == "1 +" || line == "   ^") << line;
    }
  }
}

TEST(InspectCommand, HelpAndVersion) {
  auto help = Inspect({"--help"});
  EXPECT_EQ(help.status, 0);
  EXPECT_NE(help.out.find("--timeout"), std::string::npos);
  auto version = Inspect({"--version"});
  EXPECT_EQ(version.status, 0);
  EXPECT_TRUE(std::regex_match(version.out, std::regex("inspect [0-9]+\\.[0-9]+\\.[0-9]+\n")))
      << version.out;
}

TEST(InspectCommand, SyntaxAndTypeErrorsShowTheColumnWithACaret) {
  for (auto [query, category, column] :
       {std::tuple{"1 + + 2", "syntax", 5}, {"1 + \"a\"", "type", 3}}) {
    auto outcome = Inspect({query});
    EXPECT_EQ(outcome.status, 2);
    auto lines = Lines(outcome.err);
    ASSERT_EQ(lines.size(), 3u) << outcome.err;
    EXPECT_TRUE(lines[0].starts_with("inspect: " + std::string(category) + " error at column " +
                                     std::to_string(column) + ": "))
        << lines[0];
    EXPECT_EQ(lines[1], query);
    EXPECT_EQ(lines[2], std::string(column - 1, ' ') + "^");
  }
}

TEST(InspectCommand, JsonHasOneObjectPerQuery) {
  // Each expected object and its query; bytes that are not UTF-8 become U+FFFD.
  std::string const expected[] = {
      R"j({"query": "1 + 2", "type": "integer", "plural": false, "values": [3], "error": null})j",
      R"j({"query": "(1; 2)", "type": "integer", "plural": true, "values": [1, 2],
           "error": null})j",
      R"j({"query": "1 < 2", "type": "boolean", "plural": false, "values": [true],
           "error": null})j",
      R"j({"query": "(1, \"a\")", "type": "(integer, string)", "plural": false,
           "values": [[1, "a"]], "error": null})j",
      R"j({"query": "\"\\xff\"", "type": "string", "plural": false, "values": ["\ufffd"],
           "error": null})j",
      R"j({"query": "2 * (1 / 0)", "type": "integer", "plural": false, "values": [], "error":
           {"category": "failure", "column": 8, "message": "DivisionByZero: 1 / 0"}})j",
      R"j({"query": "1 +", "type": "", "plural": false, "values": [], "error":
           {"category": "syntax", "column": 4, "message": "unexpected end of query"}})j",
  };
  std::vector<std::string> arguments = {"--json"};
  for (auto const& object : expected) arguments.push_back(nlohmann::json::parse(object)["query"]);
  auto outcome = Inspect(arguments);
  EXPECT_EQ(outcome.status, 2);
  auto lines = Lines(outcome.out);
  ASSERT_EQ(lines.size(), std::size(expected)) << outcome.out;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    auto result = nlohmann::json::parse(lines[i]);
    EXPECT_GE(result["elapsed_ms"].get<double>(), 0.0);
    result.erase("elapsed_ms");
    EXPECT_EQ(result, nlohmann::json::parse(expected[i]));
  }
}

TEST(InspectCommand, FilesAndStandardInputGiveOneQueryALine) {
  TempDir dir;
  auto file =
      dir.Write("queries.txt", "# sums\n1 + 2\n\n   \n  # indented comment\r\n3 * 4\r\n5 /\n");
  auto outcome = Inspect({"-f", file, "--json"});
  EXPECT_EQ(outcome.status, 2);
  auto lines = Lines(outcome.out);
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_EQ(nlohmann::json::parse(lines[2])["line"], 7);
  auto plain = Inspect({"-f", file});
  EXPECT_EQ(plain.out, "3\n12\n");
  // A failing query is named by its file and line.
  EXPECT_TRUE(plain.err.starts_with("inspect: " + file + ":7: syntax error")) << plain.err;

  EXPECT_EQ(Inspect({"-"}, "1 + 1\n# skipped\n\n\"x\" & \"y\"").out, "2\nxy\n");
  EXPECT_EQ(Inspect({"-f", "-", "7"}, "6\n").out, "6\n7\n");
  // Without queries, piped input is read like "-", and no history is kept.
  auto piped = Inspect({}, "2 * 3\n", {{"HOME", dir.path().string()}});
  EXPECT_EQ(piped.out, "6\n");
  EXPECT_FALSE(std::filesystem::exists(dir.path() / ".inspect_history"));

  auto missing = Inspect({"-f", (dir.path() / "none.txt").string()});
  EXPECT_EQ(missing.status, 2);
  EXPECT_NE(missing.err.find("none.txt"), std::string::npos);
  auto directory = Inspect({"-f", dir.path().string()});
  EXPECT_EQ(directory.status, 2);
  EXPECT_NE(directory.err.find("directory"), std::string::npos);
}

TEST(InspectCommand, BinaryBytesInAFileAreShownNotEchoed) {
  std::string bytes;
  for (int i = 0; i < 4096; ++i) bytes += static_cast<char>((i * 131 + 7) % 256);
  bytes += std::string("\0\"\0\xff\"\n(((((((((\n\"\\x\n", 20);
  TempDir dir;
  auto outcome = Inspect({"-f", dir.Write("binary", bytes)});
  EXPECT_EQ(outcome.signal, 0);
  EXPECT_GE(outcome.status, 0);
  EXPECT_LE(outcome.status, 2);
  EXPECT_EQ(outcome.err.find('\0'), std::string::npos);
}

TEST(InspectCommand, ListAndDescribe) {
  auto all = Lines(Inspect({"--list"}).out);
  ASSERT_GT(all.size(), 100u);
  EXPECT_TRUE(all.back().starts_with("property  ") &&
              all.back().find("multiplicity") != std::string::npos)
      << "the evaluator's own operations come after the library's: " << all.back();
  auto some = Lines(Inspect({"--list", "MAXIMUM"}).out);
  ASSERT_GE(some.size(), 2u);
  EXPECT_LT(some.size(), all.size());
  for (std::size_t i = 1; i < some.size(); ++i) {  // after the header
    EXPECT_NE(some[i].find("maximum"), std::string::npos) << some[i];
  }
  auto json = nlohmann::json::parse(Inspect({"--list", "maximum", "--json"}).out);
  EXPECT_EQ(json.size(), some.size() - 1);
  EXPECT_EQ(json[0]["name"], "maximum");
  bool plus = false;
  bool cast = false;
  for (auto const& phrase :
       nlohmann::json::parse(Inspect({"--describe", "integer", "--json"}).out)) {
    plus = plus || (phrase["name"] == "+" && phrase["code"] == 0);
    cast = cast || (phrase["kind"] == "cast" && phrase["name"] == "integer");
  }
  EXPECT_TRUE(plus && cast);
}

TEST(InspectCommand, TheLibraryIsFoundByOptionOrVariableOrReportedMissing) {
  struct {
    std::vector<std::string> arguments;
    std::optional<std::string> variable;
    int status;
    char const* error;
  } const cases[] = {
      {{"--library", INSPECTORS_LIBRARY_FILE, "1 + 1"}, "/nonexistent/ignored.so", 0, ""},
      {{"1 + 1"}, INSPECTORS_LIBRARY_FILE, 0, ""},
      {{"--library", "/nonexistent/libx.so", "1 + 1"},
       std::nullopt,
       1,
       "inspect: cannot load /nonexistent/libx.so (from --library): "},
      {{"1 + 1"},
       "/nonexistent/liby.so",
       1,
       "inspect: cannot load /nonexistent/liby.so (from INSPECTORS_LIBRARY): "},
      {{"--library", "/dev/null", "1"}, std::nullopt, 1, "inspect: cannot load /dev/null"},
  };
  for (auto const& c : cases) {
    auto outcome = Inspect(c.arguments, {}, {{"INSPECTORS_LIBRARY", c.variable}});
    EXPECT_EQ(outcome.status, c.status) << outcome.err;
    EXPECT_TRUE(outcome.err.starts_with(c.error)) << outcome.err;
    EXPECT_LE(Lines(outcome.err).size(), 1u) << outcome.err;
    EXPECT_EQ(outcome.out, c.status == 0 ? "2\n" : "");
  }
}

TEST(InspectCommand, ATimeoutOutweighsOtherErrorsAndTheNextQueryStillRuns) {
  // A cross product of 10^10 tuples cannot finish within the limit.
  std::string hundred;
  for (int i = 1; i <= 100; ++i) hundred += (i > 1 ? "; " : "") + std::to_string(i);
  std::string const factor = "(" + hundred + ")";
  std::string query = "number of (" + factor;
  for (int i = 0; i < 4; ++i) query += ", " + factor;
  auto outcome = Inspect({"--timeout", "0.2", query + ")", "1 +", "1 + 1"});
  EXPECT_EQ(outcome.status, 3) << outcome.err;
  EXPECT_NE(outcome.err.find("timed out"), std::string::npos) << outcome.err;
  EXPECT_EQ(outcome.out, "2\n");
}

// Inputs that once hung the command or grew it without bound.
TEST(InspectCommand, HostileInputsEndWithAClearError) {
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
  auto marked = Inspect({"-f", dir.Write("bom.q", "\xef\xbb\xbf" "1 + 1\n2 + 2\n")});
  EXPECT_EQ(marked.status, 0) << marked.err;
  EXPECT_EQ(marked.out, "2\n4\n");
}

// Output that cannot be written fails the command, and nothing more is run.
TEST(InspectCommand, UnwritableOutputStopsTheRun) {
  auto toFullDisk = [](std::vector<std::string> arguments) {
    return inspect_test::RunProcess(
        INSPECT_BINARY, {std::move(arguments), {}, {{"INSPECTORS_LIBRARY", std::nullopt}}, "/dev/full"});
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

}  // namespace
