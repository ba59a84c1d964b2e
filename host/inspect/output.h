// How `inspect` shows results, errors and phrase listings: plain text or JSON.
#pragma once

#include <cstddef>
#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "host/embedding/embedding.h"

namespace inspect {

// Where a query came from: a line of a file (or of "-"), or nowhere in particular.
struct Origin {
  std::string file;
  std::size_t line = 0;  // 1-based; 0 for a query given as an argument or typed in
};

class Output {
 public:
  virtual ~Output() = default;
  // A query's values, or its error.
  virtual void WriteResult(evaluator::Result const& result, Origin const& origin) = 0;
  virtual void WritePhrases(std::vector<evaluator::PhraseInfo> const& phrases) = 0;
  // False once writing a value failed (standard output closed, disk full).
  virtual bool Writable() const = 0;
};

enum class Format { Plain, Json };

// Values and listings go to `out`; in plain form, errors go to `err`.
std::unique_ptr<Output> MakeOutput(Format format, std::ostream& out, std::ostream& err);

// The pieces, exposed for testing.

// One line: control bytes shown as \xHH, so that a message never spans lines.
std::string OneLine(std::string_view text);
// The query as shown above a caret: control bytes other than tab become '?', so that
// each byte keeps its place.
std::string QueryLine(std::string_view query);
// Blanks up to the 1-based byte `column` of `query`, then '^'. Tabs are kept and UTF-8
// continuation bytes take no place, so the caret lands under the column in a terminal.
std::string CaretLine(std::string_view query, std::size_t column);
// A long query is shown as a window around the column, cut ends marked "...": the text
// to show and the column within it.
struct QueryExcerpt {
  std::string text;
  std::size_t column = 0;
};
QueryExcerpt ExcerptAround(std::string_view query, std::size_t column, std::size_t width = 120);
// A text of at most about `width` bytes: a longer one keeps its beginning and its end,
// joined by "...", cut between whole UTF-8 sequences.
std::string Shortened(std::string_view text, std::size_t width = 300);
// "syntax error at column 4: ...", "no such object: ...", prefixed by "FILE:LINE: ".
// A long message is shortened.
std::string ErrorLine(evaluator::Error const& error, Origin const& origin);
nlohmann::json ValueJson(evaluator::Value const& value);
nlohmann::json ResultJson(evaluator::Result const& result, Origin const& origin);
nlohmann::json PhraseJson(evaluator::PhraseInfo const& phrase);
// One aligned line a phrase; columns that are empty for every phrase are left out.
std::vector<std::string> PhraseTable(std::vector<evaluator::PhraseInfo> const& phrases);

}  // namespace inspect
