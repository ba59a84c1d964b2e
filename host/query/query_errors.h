// The errors of preparing a query: each points at a column of the query text. The
// message says what is wrong ("unexpected end of query"); the category is the
// exception's type.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace evaluator {

// An error about a place in the query: a 1-based column, 0 when there is none.
class QueryError : public std::runtime_error {
 public:
  QueryError(std::string const& what, std::size_t column)
      : std::runtime_error(what), column_(column) {}
  std::size_t column() const noexcept { return column_; }

 private:
  std::size_t column_;
};

// A query that is not well formed.
class SyntaxError : public QueryError {
 public:
  using QueryError::QueryError;
};

// A query that does not type-check: the message names the phrase and the types.
class TypeError : public QueryError {
 public:
  using QueryError::QueryError;
};

// What a message quotes of a text that may be long (a name, a type, a phrase): the
// text itself up to kExcerptHead + kExcerptTail bytes; a longer one as its first
// kExcerptHead and last kExcerptTail bytes with "..." between, each cut moved to the
// nearest boundary of a whole UTF-8 sequence inside that part. Every message about a
// query is therefore bounded, whatever the query's size.
inline constexpr std::size_t kExcerptHead = 60;
inline constexpr std::size_t kExcerptTail = 20;
std::string Excerpt(std::string_view text);

// `text` in double quotes, as an excerpt.
std::string Quoted(std::string_view text);

}  // namespace evaluator
