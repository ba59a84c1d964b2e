#include "host/inspect/output.h"

#include <array>
#include <chrono>
#include <cstdio>

namespace inspect {
namespace {

using evaluator::Error;
using evaluator::PhraseInfo;
using evaluator::Result;
using evaluator::Value;

bool IsControl(unsigned char c) {
  return c < 0x20 || c == 0x7f;
}

bool IsContinuation(char c) {
  return (static_cast<unsigned char>(c) & 0xc0) == 0x80;
}

std::string_view CategoryName(Error::Category category) {
  switch (category) {
    case Error::Category::Syntax:
      return "syntax";
    case Error::Category::Type:
      return "type";
    case Error::Category::Failure:
      return "failure";
    case Error::Category::Timeout:
      return "timeout";
    case Error::Category::Cancelled:
      return "cancelled";
  }
  return "failure";
}

bool ShowsCaret(Error const& error) {
  return error.column > 0 &&
         (error.category == Error::Category::Syntax || error.category == Error::Category::Type);
}

std::string ShownName(PhraseInfo const& phrase) {
  return phrase.name.empty() ? phrase.symbol : phrase.name;
}

// The engine's message may already name its category ("syntax error: ...").
std::string_view WithoutCategory(std::string_view message, Error::Category category) {
  std::string prefix = std::string(CategoryName(category)) + " error: ";
  if (message.starts_with(prefix)) message.remove_prefix(prefix.size());
  return message;
}

// JSON text even for strings that are not UTF-8: bad bytes become U+FFFD.
std::string Dump(nlohmann::json const& json) {
  return json.dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

class PlainOutput : public Output {
 public:
  PlainOutput(std::ostream& out, std::ostream& err) : out_(out), err_(err) {}

  void WriteResult(Result const& result, Origin const& origin) override {
    for (Value const& value : result.values) out_ << value.text << '\n';
    out_.flush();
    if (!result.error) return;
    err_ << "inspect: " << ErrorLine(*result.error, origin) << '\n';
    if (ShowsCaret(*result.error)) {
      auto excerpt = ExcerptAround(result.query, result.error->column);
      err_ << QueryLine(excerpt.text) << '\n' << CaretLine(excerpt.text, excerpt.column) << '\n';
    }
    err_.flush();
  }

  void WritePhrases(std::vector<PhraseInfo> const& phrases) override {
    for (auto const& line : PhraseTable(phrases)) out_ << line << '\n';
    out_.flush();
  }

  bool Writable() const override { return out_.good(); }

 private:
  std::ostream& out_;
  std::ostream& err_;
};

class JsonOutput : public Output {
 public:
  explicit JsonOutput(std::ostream& out) : out_(out) {}

  void WriteResult(Result const& result, Origin const& origin) override {
    out_ << Dump(ResultJson(result, origin)) << '\n';
    out_.flush();
  }

  void WritePhrases(std::vector<PhraseInfo> const& phrases) override {
    auto array = nlohmann::json::array();
    for (auto const& phrase : phrases) array.push_back(PhraseJson(phrase));
    out_ << Dump(array) << '\n';
    out_.flush();
  }

  bool Writable() const override { return out_.good(); }

 private:
  std::ostream& out_;
};

}  // namespace

std::unique_ptr<Output> MakeOutput(Format format, std::ostream& out, std::ostream& err) {
  if (format == Format::Json) return std::make_unique<JsonOutput>(out);
  return std::make_unique<PlainOutput>(out, err);
}

std::string OneLine(std::string_view text) {
  std::string line;
  line.reserve(text.size());
  for (char c : text) {
    auto byte = static_cast<unsigned char>(c);
    if (IsControl(byte)) {
      std::array<char, 5> escaped{};
      std::snprintf(escaped.data(), escaped.size(), "\\x%02x", byte);
      line += escaped.data();
    } else {
      line += c;
    }
  }
  return line;
}

std::string QueryLine(std::string_view query) {
  std::string line(query);
  for (char& c : line) {
    if (c != '\t' && IsControl(static_cast<unsigned char>(c))) c = '?';
  }
  return line;
}

std::string CaretLine(std::string_view query, std::size_t column) {
  std::string line;
  // A column past the end marks the missing token just after it.
  std::size_t const before = std::min(column > 0 ? column - 1 : 0, query.size() + 1);
  for (std::size_t i = 0; i < before; ++i) {
    if (i >= query.size()) {
      line += ' ';
    } else if (query[i] == '\t') {
      line += '\t';
    } else if ((static_cast<unsigned char>(query[i]) & 0xc0) != 0x80) {
      line += ' ';
    }
  }
  return line + '^';
}

QueryExcerpt ExcerptAround(std::string_view query, std::size_t column, std::size_t width) {
  if (query.size() <= width || column == 0) return {std::string(query), column};
  std::size_t const offset = std::min(column - 1, query.size());  // of the offending byte
  std::size_t begin = offset > width / 2 ? offset - width / 2 : 0;
  std::size_t end = std::min(query.size(), begin + width);
  // Cuts fall between whole UTF-8 sequences where the text has them: a cut moves back
  // over at most three continuation bytes, and never past the offending byte.
  for (int step = 0; step < 3 && begin > 0 && IsContinuation(query[begin]); ++step) --begin;
  for (int step = 0; step < 3 && end < query.size() && IsContinuation(query[end]); ++step) {
    if (end <= offset) break;
    --end;
  }
  std::string const prefix = begin > 0 ? "..." : "";
  std::string text = prefix + std::string(query.substr(begin, end - begin));
  if (end < query.size()) text += "...";
  return {std::move(text), offset - begin + 1 + prefix.size()};
}

std::string Shortened(std::string_view text, std::size_t width) {
  if (text.size() <= width) return std::string(text);
  std::size_t head = width * 2 / 3;
  std::size_t tail = text.size() - (width - head);
  while (head > 0 && IsContinuation(text[head])) --head;
  while (tail < text.size() && IsContinuation(text[tail])) ++tail;
  return std::string(text.substr(0, head)) + "..." + std::string(text.substr(tail));
}

std::string ErrorLine(Error const& error, Origin const& origin) {
  std::string line;
  if (!origin.file.empty()) {
    line += OneLine(origin.file) + ":" + std::to_string(origin.line) + ": ";
  }
  switch (error.category) {
    case Error::Category::Syntax:
    case Error::Category::Type:
      line += std::string(CategoryName(error.category)) + " error";
      if (error.column > 0) line += " at column " + std::to_string(error.column);
      line += ": ";
      break;
    case Error::Category::Timeout:
      line += "timed out: ";
      break;
    case Error::Category::Cancelled:
    case Error::Category::Failure:
      break;
  }
  return line + OneLine(Shortened(WithoutCategory(error.message, error.category)));
}

nlohmann::json ValueJson(Value const& value) {
  switch (value.kind) {
    case Value::Kind::Boolean:
      return value.boolean;
    case Value::Kind::Integer:
      return value.integer;
    case Value::Kind::Tuple: {
      auto items = nlohmann::json::array();
      for (auto const& item : value.items) items.push_back(ValueJson(item));
      return items;
    }
    case Value::Kind::String:
    case Value::Kind::Other:
      break;
  }
  return value.text;
}

nlohmann::json ResultJson(Result const& result, Origin const& origin) {
  nlohmann::json json;
  json["query"] = result.query.str();
  if (!origin.file.empty()) {
    json["file"] = origin.file;
    json["line"] = origin.line;
  }
  json["type"] = result.type;
  json["plural"] = result.plural;
  auto values = nlohmann::json::array();
  for (auto const& value : result.values) values.push_back(ValueJson(value));
  json["values"] = std::move(values);
  if (result.error) {
    nlohmann::json error;
    error["category"] = CategoryName(result.error->category);
    error["message"] = result.error->message;
    if (result.error->column > 0) error["column"] = result.error->column;
    json["error"] = std::move(error);
  } else {
    json["error"] = nullptr;
  }
  json["elapsed_ms"] = std::chrono::duration<double, std::milli>(result.elapsed).count();
  return json;
}

nlohmann::json PhraseJson(PhraseInfo const& phrase) {
  nlohmann::json json;
  json["kind"] = phrase.kind;
  json["name"] = ShownName(phrase);
  auto optional = [&json](char const* key, std::string const& value) {
    if (!value.empty()) json[key] = value;
  };
  optional("plural", phrase.plural);
  optional("parameter", phrase.parameterType);
  optional("object", phrase.objectType);
  optional("right", phrase.rightType);
  optional("result", phrase.resultType);
  optional("base", phrase.baseType);
  if (phrase.operatorCode >= 0) json["code"] = phrase.operatorCode;
  return json;
}

std::vector<std::string> PhraseTable(std::vector<PhraseInfo> const& phrases) {
  constexpr std::size_t kColumns = 9;
  using Row = std::array<std::string, kColumns>;
  Row const header{"KIND",  "NAME",   "PLURAL", "PARAMETER", "OBJECT",
                   "RIGHT", "RESULT", "BASE",   "CODE"};
  std::vector<Row> rows;
  rows.reserve(phrases.size());
  for (auto const& p : phrases) {
    rows.push_back({OneLine(p.kind), OneLine(ShownName(p)), OneLine(p.plural),
                    OneLine(p.parameterType), OneLine(p.objectType), OneLine(p.rightType),
                    OneLine(p.resultType), OneLine(p.baseType),
                    p.operatorCode >= 0 ? std::to_string(p.operatorCode) : std::string()});
  }
  std::array<bool, kColumns> used{};
  std::array<std::size_t, kColumns> width{};
  for (auto const& row : rows) {
    for (std::size_t c = 0; c < kColumns; ++c) used[c] = used[c] || !row[c].empty();
  }
  used[0] = used[1] = true;
  std::vector<std::string> lines;
  if (rows.empty()) return lines;
  rows.insert(rows.begin(), header);
  for (auto const& row : rows) {
    for (std::size_t c = 0; c < kColumns; ++c) {
      width[c] = std::max(width[c], row[c].empty() ? 1 : row[c].size());
    }
  }
  for (auto const& row : rows) {
    std::string line;
    for (std::size_t c = 0; c < kColumns; ++c) {
      if (!used[c]) continue;
      std::string cell = row[c].empty() ? "-" : row[c];
      if (!line.empty()) line += "  ";
      line += cell;
      line.append(width[c] - cell.size(), ' ');
    }
    while (!line.empty() && line.back() == ' ') line.pop_back();
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace inspect
