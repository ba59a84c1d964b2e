// Caches of a module that the evaluator may empty: a registration object holding
// only its block, whose callback calls `Clear` whenever the evaluator decides to.
#pragma once

#include "framework/registration_object.h"

namespace inspectors {

template <void (*Clear)()>
class CacheRegistration : private RegisteredObject<BlockOnly<kCacheBlockSize>, &Unregister_Cache> {
 public:
  CacheRegistration() { Register_Cache(block.Address(), kCacheBlockSize, &Thunk, nullptr); }

 private:
  static void Thunk(void*) { Clear(); }
};

}  // namespace inspectors
