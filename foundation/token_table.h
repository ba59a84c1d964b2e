// Keyword tables: static arrays of (text, value) rows sorted by text, looked up
// whole (`TokenTable`) or byte by byte (`TokenTableCursor`, for operators that
// arrive in pieces).
//
//   constexpr TokenTableAssociation<Op> kOperators[] = {
//       {".", Op::Dot}, {":", Op::Colon}, {"::", Op::DoubleColon}, {nullptr, Op::None}};
//   TokenTable<Op> const table(kOperators);  // Op::None is the default value
//   table["::"] == Op::DoubleColon;  table["x"] == Op::None
#pragma once

#include <algorithm>
#include <cstddef>
#include <stdexcept>

#include "foundation/const_data.h"

namespace inspectors {

// Byte-wise unsigned comparison of a zero-terminated text with bytes: the end of
// the bytes compares as a zero byte, and a text that is a proper prefix of the
// bytes is smaller. Negative, zero or positive.
int Compare(char const* text, ConstData bytes) noexcept;

// One row of a keyword table. A table closes with a row whose text is null; that
// row's value is the table's default value.
template <class T>
struct TokenTableAssociation {
  char const* text;
  T value;
};

template <class T>
class TokenTable {
 public:
  using Row = TokenTableAssociation<T>;

  // `rows` is sorted by text in ascending byte order, without duplicates, and is
  // closed by a row with a null text; a table that is not throws std::logic_error.
  explicit TokenTable(Row const* rows) : begin_(rows), end_(rows) {
    while (end_->text != nullptr) ++end_;
    default_ = &end_->value;
    for (Row const* row = begin_; row + 1 < end_; ++row) {
      if (Compare(row->text, ConstData(row[1].text)) >= 0) {
        throw std::logic_error("keyword table rows out of order");
      }
    }
  }

  Row const* begin() const noexcept { return begin_; }
  Row const* end() const noexcept { return end_; }
  std::size_t Size() const noexcept { return static_cast<std::size_t>(end_ - begin_); }
  T const& Default() const noexcept { return *default_; }

  // The value of the row whose text equals `text`, or null.
  T const* LookFor(ConstData text) const noexcept {
    std::size_t low = 0;
    std::size_t high = Size();
    while (low < high) {
      std::size_t const mid = (low + high) / 2;
      int const order = Compare(begin_[mid].text, text);
      if (order > 0) {
        high = mid;
      } else if (order < 0) {
        low = mid + 1;
      } else {
        return &begin_[mid].value;
      }
    }
    return nullptr;
  }
  // That value, or the default.
  T const& operator[](ConstData text) const noexcept {
    T const* value = LookFor(text);
    return value != nullptr ? *value : Default();
  }

 private:
  Row const* begin_;
  Row const* end_;
  T const* default_;
};

// Matches the rows of a table incrementally, one byte at a time: [low, high) are
// the rows that begin with the bytes matched so far, `depth` how many those are.
template <class T>
class TokenTableCursor {
 public:
  explicit TokenTableCursor(TokenTable<T> const& table) noexcept
      : rows_(table.begin()), count_(table.Size()), default_(&table.Default()) {
    Reset();
  }

  void Reset() noexcept {
    low_ = 0;
    high_ = count_;
    depth_ = 0;
  }

  std::size_t Depth() const noexcept { return depth_; }
  bool AnyMatch() const noexcept { return low_ < high_; }
  // The bytes matched so far are a whole row.
  bool ExactMatch() const noexcept { return low_ < high_ && rows_[low_].text[depth_] == 0; }
  T const& Value() const noexcept { return ExactMatch() ? rows_[low_].value : *default_; }

  // Narrows the rows to those whose byte at the depth is `c`; the depth grows by one
  // even when none is left.
  void LookFor(byte c) noexcept {
    // A row equal to the bytes matched so far sorts first and cannot go on.
    if (low_ < high_ && rows_[low_].text[depth_] == 0) ++low_;
    std::size_t const depth = depth_;
    auto const at_depth = [depth](Row const& row) { return static_cast<byte>(row.text[depth]); };
    if (high_ - low_ <= kFewRows) {
      // A few rows, such as an operator table's: a scan costs less than two searches.
      while (low_ < high_ && at_depth(rows_[low_]) < c) ++low_;
      std::size_t last = low_;
      while (last < high_ && at_depth(rows_[last]) == c) ++last;
      high_ = last;
    } else {
      Row const* first = std::lower_bound(rows_ + low_, rows_ + high_, c,
                                          [&](Row const& row, byte b) { return at_depth(row) < b; });
      Row const* last = std::upper_bound(first, rows_ + high_, c,
                                         [&](byte b, Row const& row) { return b < at_depth(row); });
      low_ = static_cast<std::size_t>(first - rows_);
      high_ = static_cast<std::size_t>(last - rows_);
    }
    ++depth_;
  }

  // Feeds bytes from `in` while some row still matches: the longest match. A byte
  // that would leave no row is not consumed; the cursor then stands on the longest
  // match (or on none) and the answer is whether that is a whole row. When `in`
  // runs out the token may go on, and the answer is whether it is already decided:
  // exactly one row is left and it is matched whole.
  bool LookFor(ConstBuffer& in) noexcept {
    while (!in.Empty()) {
      std::size_t const low = low_;
      std::size_t const high = high_;
      LookFor(in[0]);
      if (low_ >= high_) {
        --depth_;
        low_ = low;
        high_ = std::min(low + 1, high);
        if (ExactMatch()) return true;
        high_ = low_;
        return false;
      }
      in.Advance(1);
    }
    return high_ - low_ == 1 && ExactMatch();
  }

 private:
  using Row = TokenTableAssociation<T>;
  static constexpr std::size_t kFewRows = 8;

  Row const* rows_;
  std::size_t count_;
  T const* default_;
  std::size_t low_ = 0;
  std::size_t high_ = 0;
  std::size_t depth_ = 0;
};

}  // namespace inspectors
