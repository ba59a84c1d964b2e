// Runs queries through a session, shows each result and keeps the exit status.
#pragma once

#include <cstddef>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

#include "host/embedding/embedding.h"
#include "host/inspect/output.h"

namespace inspect {

enum class ExitStatus : int {
  Answered = 0,  // every query answered (an empty plural is an answer)
  Failed = 1,    // a query failed, or the run could not start
  Usage = 2,     // a usage, syntax or type error
  Timeout = 3,   // a query ran past its time limit
};

ExitStatus StatusOf(evaluator::Result const& result);
// The status of a run of several queries: the highest.
ExitStatus Worse(ExitStatus a, ExitStatus b);

// The query on one line of a query file: the line without its line end, or nothing
// for a blank line or a line whose first non-blank character is '#'.
std::optional<std::string_view> QueryOnLine(std::string_view line);

// The longest query line read from a file or standard input. A longer line ends the
// reading of its source: a line is read whole before it is parsed, so the limit bounds
// the memory that reading takes.
inline constexpr std::size_t kLongestQueryLine = std::size_t{16} << 20;  // 16 MiB

// How reading a source of queries ended.
enum class SourceEnd {
  Finished,      // every line was read
  ReadError,     // reading failed before the end
  LineTooLong,   // a line was longer than kLongestQueryLine; the rest was not read
  OutputClosed,  // standard output can no longer be written: nothing more is run
};

class Spinner;

class QueryRunner {
 public:
  QueryRunner(evaluator::Session& session, Output& output) : session_(session), output_(output) {}

  // While a query runs, `spinner` (when not null) shows that it is still working; it is
  // erased before the result is written.
  void ShowProgress(Spinner* spinner) noexcept { spinner_ = spinner; }

  // Runs one query and shows its result, unless the output is already closed.
  void Run(std::string_view query, Origin const& origin = {});
  // Every query of `input`, one a line; `name` names it in error messages. A UTF-8
  // byte-order mark at the start of the first line is not part of the query.
  SourceEnd RunLines(std::istream& input, std::string const& name);

  // The number of the last line that RunLines read (or found too long).
  std::size_t lastLine() const noexcept { return lastLine_; }
  // Whether a result could not be written: later queries are not run.
  bool outputClosed() const noexcept { return outputClosed_; }
  ExitStatus status() const noexcept { return status_; }
  // Raises the exit status for a failure outside any query.
  void Fail(ExitStatus status) noexcept { status_ = Worse(status_, status); }

 private:
  evaluator::Session& session_;
  Output& output_;
  Spinner* spinner_ = nullptr;
  ExitStatus status_ = ExitStatus::Answered;
  bool outputClosed_ = false;
  std::size_t lastLine_ = 0;
};

}  // namespace inspect
