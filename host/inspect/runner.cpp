#include "host/inspect/runner.h"

#include <algorithm>
#include <exception>

namespace inspect {

ExitStatus StatusOf(evaluator::Result const& result) {
  if (!result.error) return ExitStatus::Answered;
  switch (result.error->category) {
    case evaluator::Error::Category::Syntax:
    case evaluator::Error::Category::Type:
      return ExitStatus::Usage;
    case evaluator::Error::Category::Timeout:
      return ExitStatus::Timeout;
    case evaluator::Error::Category::Failure:
    case evaluator::Error::Category::Cancelled:
      break;
  }
  return ExitStatus::Failed;
}

ExitStatus Worse(ExitStatus a, ExitStatus b) {
  return static_cast<int>(a) >= static_cast<int>(b) ? a : b;
}

std::optional<std::string_view> QueryOnLine(std::string_view line) {
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.remove_suffix(1);
  auto first = std::find_if(line.begin(), line.end(),
                            [](char c) { return c != ' ' && c != '\t' && c != '\f' && c != '\v'; });
  if (first == line.end() || *first == '#') return std::nullopt;
  return line;
}

void QueryRunner::Run(std::string_view query, Origin const& origin) {
  evaluator::Result result;
  try {
    result = session_.Evaluate(query);
  } catch (std::exception const& e) {
    // The session reports errors in its result; anything thrown is a fault of its own,
    // shown as a failure of this query rather than ending the run.
    result = {};
    result.query = std::string(query);
    result.error = evaluator::Error{evaluator::Error::Category::Failure,
                                    std::string("internal error: ") + e.what(), 0};
  }
  status_ = Worse(status_, StatusOf(result));
  output_.WriteResult(result, origin);
}

bool QueryRunner::RunLines(std::istream& input, std::string const& name) {
  std::string line;
  std::size_t number = 0;
  while (std::getline(input, line)) {
    ++number;
    if (auto query = QueryOnLine(line)) Run(*query, Origin{name, number});
  }
  return !input.bad();
}

}  // namespace inspect
