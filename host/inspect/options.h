// The command line of `inspect`, parsed into what to do; running it is main.cpp's job.
#pragma once

#include <chrono>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace inspect {

// Where the queries of a run come from, in command-line order.
struct QuerySource {
  enum class Kind {
    Text,   // one query given as an argument
    File,   // a file of queries, one a line
    Stdin,  // standard input, one query a line
  };
  Kind kind = Kind::Text;
  std::string value;  // the query text or the file name

  friend bool operator==(QuerySource const&, QuerySource const&) = default;
};

struct CommandLine {
  enum class Mode {
    Queries,      // evaluate the query sources
    Interactive,  // no query given: read them from the terminal
    List,         // list registrations, optionally those matching a word
    Describe,     // everything that applies to a type
    Help,
    Version,
  };
  Mode mode = Mode::Interactive;
  std::vector<QuerySource> sources;
  std::string word;  // --list WORD, --describe TYPE
  bool json = false;
  bool debug = false;
  std::optional<std::chrono::nanoseconds> timeout;
  std::optional<std::string> library;  // --library PATH
};

// A command line that makes no sense; the message says why, in one line.
class UsageError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Parses the arguments after the program name. Throws UsageError.
CommandLine ParseCommandLine(std::vector<std::string_view> const& arguments);

// Parses a number of seconds ("2", "0.25") into a positive duration. Throws UsageError.
std::chrono::nanoseconds ParseSeconds(std::string_view text);

// The text of --help.
std::string UsageText(std::string_view program);

}  // namespace inspect
