// A stack of at most N elements kept inside the object. Pushing onto a full stack
// throws `StackFull`; the readers' automata and the parser's state stack use it so
// that no text can make them allocate or grow without bound.
#pragma once

#include <array>
#include <cstddef>

#include "foundation/exceptions.h"

namespace inspectors {

template <class T, std::size_t N>
class FiniteStack {
 public:
  static_assert(N > 0);

  static constexpr std::size_t Capacity() noexcept { return N; }
  std::size_t Count() const noexcept { return count_; }
  bool Empty() const noexcept { return count_ == 0; }

  // A new top place; a full stack throws `StackFull`.
  T& Allocate() {
    if (count_ == N) throw StackFull();
    return elements_[count_++];
  }
  void Push(T const& value) { Allocate() = value; }

  // The rest is unchecked: callers know the count.
  T& Top() noexcept { return elements_[count_ - 1]; }
  T const& Top() const noexcept { return elements_[count_ - 1]; }
  // `i` places below the top; 0 is the top.
  T& operator[](std::size_t i) noexcept { return elements_[count_ - 1 - i]; }
  T const& operator[](std::size_t i) const noexcept { return elements_[count_ - 1 - i]; }
  void Pop() noexcept { --count_; }
  void Pop(std::size_t n) noexcept { count_ -= n; }
  void PopAll() noexcept { count_ = 0; }

 private:
  std::array<T, N> elements_{};
  std::size_t count_ = 0;
};

}  // namespace inspectors
