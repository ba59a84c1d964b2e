// Overflow predicates: whether the exact mathematical result of an operation is
// representable, asked before the operation so that arithmetic never wraps.
#pragma once

#include <concepts>
#include <type_traits>

namespace inspectors {

template <class T>
concept Integer = std::integral<T> && !std::same_as<std::remove_cv_t<T>, bool>;

// Whether a op b, computed exactly, fits R; the operands may be of other types
// (a signed count and an unsigned length, say).
enum class Operation { kAdd, kSubtract, kMultiply };
template <Operation op, Integer R, Integer A, Integer B>
constexpr bool Fits(A a, B b) noexcept {
  R result{};
  if constexpr (op == Operation::kAdd) return !__builtin_add_overflow(a, b, &result);
  if constexpr (op == Operation::kSubtract) return !__builtin_sub_overflow(a, b, &result);
  if constexpr (op == Operation::kMultiply) return !__builtin_mul_overflow(a, b, &result);
}

// Operands of one type; the result must fit that type.
template <Integer T>
constexpr bool CanAdd(T a, T b) noexcept {
  return Fits<Operation::kAdd, T>(a, b);
}
template <Integer T>
constexpr bool CanSubtract(T a, T b) noexcept {
  return Fits<Operation::kSubtract, T>(a, b);
}
template <Integer T>
constexpr bool CanMultiply(T a, T b) noexcept {
  return Fits<Operation::kMultiply, T>(a, b);
}

}  // namespace inspectors
