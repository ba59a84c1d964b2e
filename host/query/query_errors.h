// The errors of preparing a query: each points at a column of the query text. The
// message says what is wrong ("unexpected end of query"); the category is the
// exception's type.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

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

}  // namespace evaluator
