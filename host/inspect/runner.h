// Runs queries through a session, shows each result and keeps the exit status.
#pragma once

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

class QueryRunner {
 public:
  QueryRunner(evaluator::Session& session, Output& output) : session_(session), output_(output) {}

  void Run(std::string_view query, Origin const& origin = {});
  // Every query of `input`, one a line; `name` names it in error messages. False when
  // reading failed before the end.
  bool RunLines(std::istream& input, std::string const& name);

  ExitStatus status() const noexcept { return status_; }

 private:
  evaluator::Session& session_;
  Output& output_;
  ExitStatus status_ = ExitStatus::Answered;
};

}  // namespace inspect
