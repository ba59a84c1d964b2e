#include "host/inspect/runner.h"

#include <algorithm>
#include <array>
#include <exception>
#include <new>

#include "host/inspect/spinner.h"

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
  if (outputClosed_) return;
  evaluator::Result result;
  try {
    Spinner::Shown const shown(spinner_);
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
  try {
    output_.WriteResult(result, origin);
  } catch (std::bad_alloc const&) {
    // The answer was made but there is no memory to write it: the query fails, the
    // run goes on. Its values are freed first.
    result = {};
    status_ = Worse(status_, ExitStatus::Failed);
    try {
      result.query = std::string(query);
      result.error = evaluator::Error{evaluator::Error::Category::Failure, "out of memory", 0};
      output_.WriteResult(result, origin);
    } catch (std::bad_alloc const&) {
    }
  }
  if (!output_.Writable()) {
    outputClosed_ = true;
    status_ = Worse(status_, ExitStatus::Failed);
  }
}

namespace {

enum class LineRead { Line, End, TooLong, Error };

// std::getline without its unbounded growth: reads one line, without its '\n', of at
// most `longest` bytes. NUL bytes are ordinary bytes.
LineRead ReadLine(std::istream& input, std::string& line, std::size_t longest) {
  line.clear();
  std::array<char, 4096> chunk;
  while (true) {
    input.getline(chunk.data(), static_cast<std::streamsize>(chunk.size()));
    if (input.bad()) return LineRead::Error;
    auto const count = static_cast<std::size_t>(input.gcount());
    if (input.eof()) {
      line.append(chunk.data(), count);
      if (line.size() > longest) return LineRead::TooLong;
      return line.empty() ? LineRead::End : LineRead::Line;
    }
    if (!input.fail()) {  // the line end was read, and counted
      line.append(chunk.data(), count - 1);
      return line.size() > longest ? LineRead::TooLong : LineRead::Line;
    }
    // The chunk is full and the line goes on.
    input.clear();
    line.append(chunk.data(), count);
    if (line.size() > longest) return LineRead::TooLong;
  }
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

SourceEnd QueryRunner::RunLines(std::istream& input, std::string const& name) {
  std::string line;
  std::size_t number = 0;
  lastLine_ = 0;
  while (!outputClosed_) {
    switch (ReadLine(input, line, kLongestQueryLine)) {
      case LineRead::End:
        return SourceEnd::Finished;
      case LineRead::Error:
        return SourceEnd::ReadError;
      case LineRead::TooLong:
        lastLine_ = number + 1;
        return SourceEnd::LineTooLong;
      case LineRead::Line:
        break;
    }
    ++number;
    lastLine_ = number;
    std::string_view text = line;
    if (number == 1 && text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
    if (auto query = QueryOnLine(text)) Run(*query, Origin{name, number});
  }
  return SourceEnd::OutputClosed;
}

}  // namespace inspect
