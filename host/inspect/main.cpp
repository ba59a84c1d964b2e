// inspect: answers queries with the phrases of an inspector library.
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <fstream>
#include <iostream>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "host/embedding/embedding.h"
#include "host/inspect/interactive.h"
#include "host/inspect/library_path.h"
#include "host/inspect/options.h"
#include "host/inspect/output.h"
#include "host/inspect/runner.h"
#include "host/inspect/spinner.h"

namespace inspect {
namespace {

constexpr std::string_view kStdinName = "<stdin>";

int Exit(ExitStatus status) {
  return static_cast<int>(status);
}

void Complain(std::string_view message) {
  std::cerr << "inspect: " << OneLine(Shortened(message)) << '\n';
}

// What the end of reading a source means for the run; false when nothing more runs.
bool Finish(SourceEnd end, std::string const& name, QueryRunner& runner) {
  switch (end) {
    case SourceEnd::Finished:
      return true;
    case SourceEnd::ReadError:
      Complain("error while reading " + name);
      runner.Fail(ExitStatus::Failed);
      return true;
    case SourceEnd::LineTooLong:
      Complain(name + ":" + std::to_string(runner.lastLine()) + ": a line longer than " +
               std::to_string(kLongestQueryLine >> 20) + " MiB; the rest of " + name +
               " is not read");
      runner.Fail(ExitStatus::Usage);
      return true;
    case SourceEnd::OutputClosed:
      return false;
  }
  return true;
}

// Runs every query source in order; a file that cannot be read is reported and skipped.
// Once standard output cannot be written, nothing more runs.
ExitStatus RunSources(std::vector<QuerySource> const& sources, QueryRunner& runner) {
  for (auto const& source : sources) {
    if (runner.outputClosed()) break;
    switch (source.kind) {
      case QuerySource::Kind::Text:
        runner.Run(source.value);
        break;
      case QuerySource::Kind::Stdin:
        if (!Finish(runner.RunLines(std::cin, std::string(kStdinName)), std::string(kStdinName),
                    runner)) {
          return runner.status();
        }
        break;
      case QuerySource::Kind::File: {
        std::error_code ignored;
        if (std::filesystem::is_directory(source.value, ignored)) {
          Complain("cannot read " + source.value + ": it is a directory");
          runner.Fail(ExitStatus::Usage);
          break;
        }
        std::ifstream file(source.value, std::ios::binary);
        if (!file) {
          Complain("cannot read " + source.value + ": " + std::strerror(errno));
          runner.Fail(ExitStatus::Usage);
          break;
        }
        if (!Finish(runner.RunLines(file, source.value), source.value, runner)) {
          return runner.status();
        }
        break;
      }
    }
  }
  return runner.status();
}

ExitStatus RunWithSession(CommandLine const& line, evaluator::Session& session) {
  auto output = MakeOutput(line.json ? Format::Json : Format::Plain, std::cout, std::cerr);
  switch (line.mode) {
    case CommandLine::Mode::List: {
      auto phrases = session.List(line.word);
      if (phrases.empty() && !line.word.empty()) {
        Complain("no registered phrase mentions '" + line.word + "'");
        return ExitStatus::Failed;
      }
      output->WritePhrases(phrases);
      return ExitStatus::Answered;
    }
    case CommandLine::Mode::Describe: {
      std::vector<evaluator::PhraseInfo> phrases;
      try {
        phrases = session.Describe(line.word);
      } catch (std::invalid_argument const&) {
        Complain("unknown type '" + line.word + "' (see --list for the types)");
        return ExitStatus::Usage;
      }
      output->WritePhrases(phrases);
      return ExitStatus::Answered;
    }
    case CommandLine::Mode::Queries: {
      QueryRunner runner(session, *output);
      return RunSources(line.sources, runner);
    }
    case CommandLine::Mode::Interactive: {
      QueryRunner runner(session, *output);
      // A person at a terminal sees that a long query is still working; a script,
      // whose input or errors are not a terminal, never does.
      std::optional<Spinner> spinner;
      if (isatty(STDIN_FILENO) && isatty(STDERR_FILENO)) {
        spinner.emplace(STDERR_FILENO);
        runner.ShowProgress(&*spinner);
      }
      if (isatty(STDIN_FILENO) && RunInteractive(runner, DefaultHistoryFile())) {
        return runner.status();
      }
      // Not a terminal, or no line editing: read queries as `-` does, without prompt or
      // history.
      return RunSources({{QuerySource::Kind::Stdin, "-"}}, runner);
    }
    case CommandLine::Mode::Help:
    case CommandLine::Mode::Version:
      break;
  }
  return ExitStatus::Answered;
}

ExitStatus Run(CommandLine const& line) {
  LibraryChoice choice;
  try {
    choice = ChooseLibrary(line.library, std::getenv(kLibraryVariable), DefaultLibraryCandidates());
  } catch (LibraryNotFound const& e) {
    Complain(e.what());
    return ExitStatus::Failed;
  }
  if (line.debug) Complain("loading " + choice.path.string() + " (" + choice.origin + ")");

  std::optional<evaluator::Library> library;
  try {
    library.emplace(choice.path);
  } catch (std::exception const& e) {
    std::string from = choice.origin == "found" ? "" : " (from " + choice.origin + ")";
    Complain("cannot load " + choice.path.string() + from + ": " + e.what());
    return ExitStatus::Failed;
  }

  ExitStatus status;
  {
    evaluator::Session session(evaluator::Options{line.timeout, line.debug});
    status = RunWithSession(line, session);
  }
  auto leftovers = library->Unload();
  if (line.debug) {
    for (auto const& registration : leftovers) {
      Complain("the library left a registration behind: " + registration);
    }
  }
  return status;
}

// The status once everything written to standard output has reached it.
ExitStatus Flushed(ExitStatus status) {
  if (!std::cout.flush()) {
    Complain("cannot write to standard output");
    return Worse(status, ExitStatus::Failed);
  }
  return status;
}

}  // namespace
}  // namespace inspect

int main(int argc, char** argv) {
  using namespace inspect;
  std::vector<std::string_view> arguments(argv + (argc > 0 ? 1 : 0), argv + argc);
  CommandLine line;
  try {
    line = ParseCommandLine(arguments);
  } catch (UsageError const& e) {
    Complain(e.what());
    std::cerr << "Try 'inspect --help' for more information.\n";
    return Exit(ExitStatus::Usage);
  }
  try {
    switch (line.mode) {
      case CommandLine::Mode::Help:
        std::cout << UsageText("inspect");
        return Exit(Flushed(ExitStatus::Answered));
      case CommandLine::Mode::Version:
        std::cout << "inspect " << INSPECTORS_VERSION << '\n';
        return Exit(Flushed(ExitStatus::Answered));
      default:
        return Exit(Flushed(Run(line)));
    }
  } catch (std::exception const& e) {
    Complain(std::string("internal error: ") + e.what());
    return Exit(ExitStatus::Failed);
  }
}
