// Ownership vocabulary. The standard library stands in:
// - SharingPtr<T> is std::shared_ptr<T>, made from a std::unique_ptr<T>;
// - a uniquely owned array with its size is std::vector<T> or std::unique_ptr<T[]>
//   with a size beside it;
// - an owned UTF-8 string is std::string;
// - ownership transfer is spelled with std::move into a std::unique_ptr.
// Platform handles get small RAII classes of their own where they are used.
#pragma once

#include <memory>

namespace inspectors {

template <class T>
using SharingPtr = std::shared_ptr<T>;

}  // namespace inspectors
