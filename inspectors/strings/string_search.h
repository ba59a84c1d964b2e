// Finding one byte string inside another: the searches behind the occurrence,
// substring and delimiter inspectors. Bytes are compared exactly.
#pragma once

#include <cstddef>

#include "foundation/const_data.h"

namespace inspectors {

inline constexpr std::size_t kNotFound = static_cast<std::size_t>(-1);

// The offset of the first occurrence of `needle` in `haystack` that starts at or
// after `from`, or kNotFound. An empty needle occurs at every offset up to the
// length, so it is found at `from` unless `from` is past the end.
std::size_t FindFirst(ConstData haystack, ConstData needle, std::size_t from = 0) noexcept;

// The offset of the last occurrence of `needle` in `haystack`, or kNotFound. An
// empty needle is found at the end. Takes time linear in both lengths.
std::size_t FindLast(ConstData haystack, ConstData needle);

}  // namespace inspectors
