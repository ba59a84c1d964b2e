// Overflow predicates: whether the exact mathematical result of an operation is
// representable, asked before the operation so that arithmetic never wraps.
#pragma once

#include <concepts>
#include <type_traits>

namespace inspectors {

template <class T>
concept Integer = std::integral<T> && !std::same_as<std::remove_cv_t<T>, bool>;

template <Integer T>
constexpr bool CanAdd(T a, T b) noexcept {
  T result{};
  return !__builtin_add_overflow(a, b, &result);
}

template <Integer T>
constexpr bool CanSubtract(T a, T b) noexcept {
  T result{};
  return !__builtin_sub_overflow(a, b, &result);
}

template <Integer T>
constexpr bool CanMultiply(T a, T b) noexcept {
  T result{};
  return !__builtin_mul_overflow(a, b, &result);
}

// A signed and an unsigned operand; the result must fit the signed type.
template <Integer S, Integer U>
requires std::is_signed_v<S> && std::is_unsigned_v<U>
constexpr bool CanAddSigned(S a, U b) noexcept {
  S result{};
  return !__builtin_add_overflow(a, b, &result);
}

template <Integer S, Integer U>
requires std::is_signed_v<S> && std::is_unsigned_v<U>
constexpr bool CanSubtractSigned(S a, U b) noexcept {
  S result{};
  return !__builtin_sub_overflow(a, b, &result);
}

// An unsigned and a signed operand; the result must fit the unsigned type.
template <Integer U, Integer S>
requires std::is_unsigned_v<U> && std::is_signed_v<S>
constexpr bool CanAddUnsigned(U a, S b) noexcept {
  U result{};
  return !__builtin_add_overflow(a, b, &result);
}

template <Integer U, Integer S>
requires std::is_unsigned_v<U> && std::is_signed_v<S>
constexpr bool CanSubtractUnsigned(U a, S b) noexcept {
  U result{};
  return !__builtin_sub_overflow(a, b, &result);
}

}  // namespace inspectors
