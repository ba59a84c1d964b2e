#include "host/inspect/options.h"

#include <cctype>
#include <charconv>
#include <cmath>

namespace inspect {
namespace {

// The longest time limit accepted, so that the conversion to nanoseconds cannot overflow.
constexpr double kMaxSeconds = 1e9;

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.substr(0, prefix.size()) == prefix;
}

// "-f", "--json", "-V": a dash, a letter and no blank. Anything else that starts with a
// dash ("-1 + 2", "-(3)") is a query.
bool LooksLikeOption(std::string_view argument) {
  if (argument.size() < 2 || argument[0] != '-') return false;
  if (argument[1] == '-') return true;
  if (!std::isalpha(static_cast<unsigned char>(argument[1]))) return false;
  for (char c : argument) {
    if (std::isspace(static_cast<unsigned char>(c))) return false;
  }
  return true;
}

class Parser {
 public:
  explicit Parser(std::vector<std::string_view> const& arguments) : arguments_(arguments) {}

  CommandLine Parse() {
    bool optionsEnded = false;
    while (next_ < arguments_.size()) {
      std::string_view argument = arguments_[next_++];
      if (optionsEnded || !(argument == "-" || LooksLikeOption(argument))) {
        line_.sources.push_back({QuerySource::Kind::Text, std::string(argument)});
      } else if (argument == "--") {
        optionsEnded = true;
      } else if (argument == "-") {
        AddStdin();
      } else if (Option(argument)) {
        return line_;  // --help or --version: nothing else matters
      }
    }
    return Finish();
  }

 private:
  // Handles one option; true when it ends parsing.
  bool Option(std::string_view argument) {
    std::string_view name = argument;
    std::optional<std::string_view> attached;  // --name=value
    if (StartsWith(argument, "--")) {
      if (auto equals = argument.find('='); equals != std::string_view::npos) {
        name = argument.substr(0, equals);
        attached = argument.substr(equals + 1);
      }
    }
    auto takesNoValue = [&] {
      if (attached) throw UsageError("option " + std::string(name) + " takes no value");
    };

    if (name == "-h" || name == "--help") {
      takesNoValue();
      line_.mode = CommandLine::Mode::Help;
      return true;
    }
    if (name == "-V" || name == "--version") {
      takesNoValue();
      line_.mode = CommandLine::Mode::Version;
      return true;
    }
    if (name == "--json") {
      takesNoValue();
      line_.json = true;
    } else if (name == "--debug") {
      takesNoValue();
      line_.debug = true;
    } else if (name == "-f" || name == "--file") {
      std::string_view file = Value(name, attached);
      if (file == "-") {
        AddStdin();
      } else {
        line_.sources.push_back({QuerySource::Kind::File, std::string(file)});
      }
    } else if (name == "--timeout") {
      line_.timeout = ParseSeconds(Value(name, attached));
    } else if (name == "--library") {
      std::string_view path = Value(name, attached);
      if (path.empty()) throw UsageError("option --library needs a path");
      line_.library = std::string(path);
    } else if (name == "--list") {
      SetMode(CommandLine::Mode::List, name);
      if (attached) {
        line_.word = *attached;
      } else if (next_ < arguments_.size() && !StartsWith(arguments_[next_], "-")) {
        line_.word = arguments_[next_++];  // the optional WORD
      }
    } else if (name == "--describe") {
      SetMode(CommandLine::Mode::Describe, name);
      line_.word = Value(name, attached);
      if (line_.word.empty()) throw UsageError("option --describe needs a type name");
    } else {
      throw UsageError("unknown option " + std::string(name) + " (try --help)");
    }
    return false;
  }

  std::string_view Value(std::string_view name, std::optional<std::string_view> attached) {
    if (attached) return *attached;
    if (next_ >= arguments_.size()) {
      throw UsageError("option " + std::string(name) + " needs a value");
    }
    return arguments_[next_++];
  }

  void SetMode(CommandLine::Mode mode, std::string_view name) {
    if (modeOption_ && *modeOption_ != name) {
      throw UsageError("options " + std::string(*modeOption_) + " and " + std::string(name) +
                       " cannot be combined");
    }
    modeOption_ = name;
    line_.mode = mode;
  }

  void AddStdin() {
    if (stdinUsed_) throw UsageError("standard input can be read only once");
    stdinUsed_ = true;
    line_.sources.push_back({QuerySource::Kind::Stdin, "-"});
  }

  CommandLine Finish() {
    if (modeOption_) {
      if (!line_.sources.empty()) {
        throw UsageError("option " + std::string(*modeOption_) + " takes no queries");
      }
      return line_;
    }
    line_.mode =
        line_.sources.empty() ? CommandLine::Mode::Interactive : CommandLine::Mode::Queries;
    return line_;
  }

  std::vector<std::string_view> const& arguments_;
  std::size_t next_ = 0;
  CommandLine line_;
  std::optional<std::string_view> modeOption_;
  bool stdinUsed_ = false;
};

}  // namespace

CommandLine ParseCommandLine(std::vector<std::string_view> const& arguments) {
  return Parser(arguments).Parse();
}

std::chrono::nanoseconds ParseSeconds(std::string_view text) {
  double seconds = 0;
  auto const* end = text.data() + text.size();
  auto [stop, error] = std::from_chars(text.data(), end, seconds);
  if (text.empty() || error != std::errc() || stop != end || !std::isfinite(seconds) ||
      seconds <= 0 || seconds > kMaxSeconds) {
    throw UsageError("invalid time limit '" + std::string(text) +
                     "': expected a positive number of seconds");
  }
  return std::chrono::nanoseconds(static_cast<std::int64_t>(std::llround(seconds * 1e9)));
}

std::string UsageText(std::string_view program) {
  std::string p(program);
  return "Usage:\n"
         "  " +
         p +
         " [options] QUERY...      evaluate each query\n"
         "  " +
         p +
         " [options] -f FILE|-     evaluate one query a line (blank lines and\n"
         "                                  lines starting with # are skipped)\n"
         "  " +
         p +
         " [options]               interactive, with line editing and history\n"
         "  " +
         p +
         " --list [WORD]           list the registered phrases (those mentioning WORD)\n"
         "  " +
         p +
         " --describe TYPE         everything that applies to a type\n"
         "\n"
         "Options:\n"
         "  -f, --file FILE   read queries from FILE; '-' (or FILE '-') is standard input\n"
         "  --json            one JSON object a query, on one line, with its error if any\n"
         "                    (an array for --list and --describe)\n"
         "  --timeout S       stop a query after S seconds (fractions allowed)\n"
         "  --library PATH    the inspector library to load (default: $INSPECTORS_LIBRARY,\n"
         "                    else libinspectors.so next to this program or in ../lib)\n"
         "  --debug           diagnostics to standard error\n"
         "  -h, --help        this text\n"
         "  -V, --version     the version\n"
         "  --                the remaining arguments are queries\n"
         "\n"
         "Exit status: 0 when every query was answered, 1 when a query failed (or the library\n"
         "could not be loaded, or --list found nothing), 2 for usage, syntax and type errors\n"
         "(and query files that cannot be read), 3 when a query timed out. With several\n"
         "queries the highest status wins.\n"
         "\n"
         "Interactive mode ends at end of input (Ctrl-D); its history is kept in\n"
         "~/.inspect_history. Without queries and with standard input not a terminal, the\n"
         "queries are read from standard input as with '-'.\n";
}

}  // namespace inspect
