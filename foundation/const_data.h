// Byte ranges and the small value types built on them: non-owning ranges
// (`ConstData`, `Data`), fill cursors (`Buffer`, `ConstBuffer`), a buffer with its
// own storage (`BufferOfSize`), fixed-capacity owned text (`ConstDataOfCapacity`)
// and piecewise strings (`ConstDataRope`).
//
// Positions and lengths are byte offsets from the beginning. Operations that take
// offsets clamp them to the range, so that `Head(n)` of a shorter range is the
// whole range.
#pragma once

#include <algorithm>
#include <array>
#include <compare>
#include <cstddef>
#include <cstring>
#include <span>
#include <string>
#include <string_view>

#include "foundation/exceptions.h"

namespace inspectors {

using byte = unsigned char;

// A pair of offsets, begin and end.
template <class T>
struct Range {
  T begin{};
  T end{};

  constexpr T Length() const noexcept { return end - begin; }
  friend constexpr bool operator==(Range const&, Range const&) = default;
};

class Data;

// A read-only byte range; copying it never copies bytes. A default one is null,
// an empty one may point anywhere.
class ConstData {
 public:
  constexpr ConstData() noexcept = default;
  constexpr ConstData(byte const* begin, byte const* end) noexcept : begin_(begin), end_(end) {}
  ConstData(void const* begin, std::size_t length) noexcept
      : begin_(static_cast<byte const*>(begin)), end_(begin_ + length) {}
  // The bytes before the terminating zero; a null pointer gives the null range.
  ConstData(char const* text) noexcept : ConstData(text, text == nullptr ? 0 : std::strlen(text)) {}
  ConstData(std::string_view text) noexcept : ConstData(text.data(), text.size()) {}
  ConstData(std::string const& text) noexcept : ConstData(text.data(), text.size()) {}

  constexpr byte const* begin() const noexcept { return begin_; }
  constexpr byte const* end() const noexcept { return end_; }
  constexpr std::size_t Length() const noexcept { return static_cast<std::size_t>(end_ - begin_); }
  constexpr bool Empty() const noexcept { return begin_ == end_; }

  // Unchecked.
  constexpr byte operator[](std::size_t i) const noexcept { return begin_[i]; }

  constexpr std::size_t BoundedLength(std::size_t n) const noexcept {
    return std::min(Length(), n);
  }
  constexpr ConstData Head(std::size_t n) const noexcept {
    return {begin_, begin_ + BoundedLength(n)};
  }
  constexpr ConstData Tail(std::size_t n) const noexcept {
    return {begin_ + BoundedLength(n), end_};
  }
  // From offset `first` up to offset `last` (two offsets, not offset and length).
  constexpr ConstData Middle(std::size_t first, std::size_t last) const noexcept {
    std::size_t const b = BoundedLength(first);
    return {begin_ + b, begin_ + std::max(b, BoundedLength(last))};
  }
  template <class T>
  constexpr ConstData Middle(Range<T> r) const noexcept {
    return Middle(static_cast<std::size_t>(r.begin), static_cast<std::size_t>(r.end));
  }

  // Copies as many bytes as fit into `into`; returns the part not copied.
  ConstData operator>>(Data into) const noexcept;

  bool Contains(ConstData needle) const noexcept;
  bool StartsWith(ConstData prefix) const noexcept;
  bool EndsWith(ConstData suffix) const noexcept;

  std::string_view AsStringView() const noexcept {
    return {reinterpret_cast<char const*>(begin_), Length()};
  }

  // Byte-wise unsigned order; a proper prefix sorts first.
  friend bool operator==(ConstData a, ConstData b) noexcept;
  friend std::strong_ordering operator<=>(ConstData a, ConstData b) noexcept;

 private:
  byte const* begin_ = nullptr;
  byte const* end_ = nullptr;
};

// The difference of the first differing bytes (a's minus b's); else -1 when a is
// a proper prefix of b, 1 when b is one of a, 0 when equal.
int Compare(ConstData a, ConstData b) noexcept;
// The same, comparing from the last byte backwards.
int CompareReversed(ConstData a, ConstData b) noexcept;

// A writable byte range.
class Data {
 public:
  constexpr Data() noexcept = default;
  constexpr Data(byte* begin, byte* end) noexcept : begin_(begin), end_(end) {}
  Data(void* begin, std::size_t length) noexcept
      : begin_(static_cast<byte*>(begin)), end_(begin_ + length) {}

  constexpr byte* begin() const noexcept { return begin_; }
  constexpr byte* end() const noexcept { return end_; }
  constexpr std::size_t Length() const noexcept { return static_cast<std::size_t>(end_ - begin_); }
  constexpr bool Empty() const noexcept { return begin_ == end_; }

  // Checked: an index at or past the end throws `DataOverflow`.
  byte& operator[](std::size_t i) const {
    if (i >= Length()) throw DataOverflow();
    return begin_[i];
  }

  constexpr Data Head(std::size_t n) const noexcept {
    return {begin_, begin_ + std::min(Length(), n)};
  }
  constexpr Data Tail(std::size_t n) const noexcept {
    return {begin_ + std::min(Length(), n), end_};
  }

  // Copies as much of `source` as fits to the front (overlap is safe) and returns
  // the part after the copied bytes; what does not fit is dropped.
  Data operator<<(ConstData source) const noexcept;

  constexpr operator ConstData() const noexcept { return {begin_, end_}; }

 protected:
  byte* begin_ = nullptr;
  byte* end_ = nullptr;
};

// A `Data` used as a fill cursor: the range is the room left.
class Buffer : public Data {
 public:
  using Data::Data;
  constexpr Buffer(Data room) noexcept : Data(room) {}

  // Stores one byte and advances; a full buffer throws `DataOverflow`.
  void Put(byte b) {
    if (begin_ == end_) throw DataOverflow();
    *begin_++ = b;
  }
  // Copies as much as fits and advances past it; returns the part not written.
  ConstData Write(ConstData source) noexcept;
  void Advance(std::size_t n) noexcept { begin_ += std::min(Length(), n); }
};

// A `ConstData` used as a read cursor: the range is what is left to read.
class ConstBuffer : public ConstData {
 public:
  using ConstData::ConstData;
  constexpr ConstBuffer(ConstData rest) noexcept : ConstData(rest) {}

  // Unchecked: callers test `Empty()` first.
  byte Get() noexcept {
    byte const b = (*this)[0];
    Advance(1);
    return b;
  }
  void Advance(std::size_t n) noexcept { *this = ConstBuffer(Tail(n)); }
};

// A `Buffer` over storage that the master remembers, so that the filled part can be
// read back and the buffer rewound.
class BufferMaster {
 public:
  explicit BufferMaster(Data storage) noexcept : storage_(storage), buffer_(storage) {}
  BufferMaster(BufferMaster const&) = delete;
  BufferMaster& operator=(BufferMaster const&) = delete;

  Buffer& GetBuffer() noexcept { return buffer_; }
  ConstData Used() const noexcept { return {storage_.begin(), buffer_.begin()}; }
  bool Full() const noexcept { return buffer_.Empty(); }
  void Reset() noexcept { buffer_ = Buffer(storage_); }

 private:
  Data storage_;
  Buffer buffer_;
};

template <std::size_t N>
class BufferOfSize : public BufferMaster {
 public:
  BufferOfSize() noexcept : BufferMaster(Data(bytes_, N)) {}

 private:
  byte bytes_[N];
};

// An owned copy of at most N bytes, followed by a zero byte.
template <std::size_t N>
class ConstDataOfCapacity {
 public:
  constexpr ConstDataOfCapacity() noexcept = default;
  // More than N bytes throw `ConstDataCapacityExceeded`.
  explicit ConstDataOfCapacity(ConstData source) {
    if (source.Length() > N) throw ConstDataCapacityExceeded();
    length_ = source.Length();
    if (length_ != 0) std::memcpy(bytes_.data(), source.begin(), length_);
    bytes_[length_] = 0;
  }

  static constexpr std::size_t Capacity() noexcept { return N; }
  constexpr std::size_t Length() const noexcept { return length_; }
  char const* CString() const noexcept { return reinterpret_cast<char const*>(bytes_.data()); }
  ConstData Bytes() const noexcept { return {bytes_.data(), bytes_.data() + length_}; }
  operator ConstData() const noexcept { return Bytes(); }
  std::string_view AsStringView() const noexcept { return Bytes().AsStringView(); }

  friend bool operator==(ConstDataOfCapacity const& a, ConstDataOfCapacity const& b) noexcept {
    return a.Bytes() == b.Bytes();
  }

 private:
  std::array<byte, N + 1> bytes_{};
  std::size_t length_ = 0;
};

// Plain-ASCII text of bounded length; the same representation.
template <std::size_t N>
using USAsciiStringOfCapacity = ConstDataOfCapacity<N>;

// The pieces of a rope, in order.
using ConstDataRopeReference = std::span<ConstData const>;

// A string made of N pieces that are not copied; a rope of N+1 pieces is built
// from one of N and one more piece, usually with `+`.
template <std::size_t N>
class ConstDataRope {
 public:
  constexpr ConstDataRope() noexcept = default;
  template <std::size_t M = N>
  requires(M == 1) constexpr ConstDataRope(ConstData piece) noexcept : pieces_{piece} {}
  template <std::size_t M = N>
  requires(M >= 1) constexpr ConstDataRope(ConstDataRope<M - 1> const& front,
                                           ConstData last) noexcept {
    std::copy(front.Pieces().begin(), front.Pieces().end(), pieces_.begin());
    pieces_[N - 1] = last;
  }

  constexpr ConstDataRopeReference Pieces() const noexcept { return pieces_; }
  constexpr operator ConstDataRopeReference() const noexcept { return pieces_; }

 private:
  std::array<ConstData, N> pieces_{};
};

template <std::size_t N>
constexpr ConstDataRope<N + 1> operator+(ConstDataRope<N> const& front, ConstData last) noexcept {
  return ConstDataRope<N + 1>(front, last);
}

std::size_t TotalLength(ConstDataRopeReference rope) noexcept;
// Writes every piece in order (truncating what does not fit).
Buffer& operator<<(Buffer& out, ConstDataRopeReference rope) noexcept;
std::string MakeString(ConstData data);
std::string MakeString(ConstDataRopeReference rope);

}  // namespace inspectors
