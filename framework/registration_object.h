// The layout shared by registration objects: the evaluator's block first, then the
// typed function (or member functions) that the object's callbacks call. The object's
// own address is the context the evaluator hands back to every callback.
#pragma once

#include <cstddef>
#include <cstring>

#include "framework/contract/evaluator.h"
#include "framework/type.h"

namespace inspectors {

// The tag that stands before the direct object in an inspector's signature:
// f(Of, Y const&) is a property of Y; f(P const&, Of, Y const&) one with a parameter.
struct Of {};

// Type-erased storage for a function pointer or a member-function pointer. Both are
// converted back to their exact type before any call. Member-function pointers are
// kept as their bytes: every such pointer has the same size, but converting between
// their types is not something compilers like to see.
using FunctionSlot = void (*)();
struct OpaqueClass {};
struct MemberSlot {
  alignas(void (OpaqueClass::*)()) unsigned char bytes[sizeof(void(OpaqueClass::*)())] = {};
};

template <class F>
FunctionSlot EraseFunction(F f) noexcept {
  return reinterpret_cast<FunctionSlot>(f);
}
template <class F>
F RestoreFunction(FunctionSlot slot) noexcept {
  return reinterpret_cast<F>(slot);
}
template <class M>
MemberSlot EraseMember(M m) noexcept {
  static_assert(sizeof(M) == sizeof(MemberSlot::bytes));
  MemberSlot slot;
  std::memcpy(slot.bytes, &m, sizeof m);
  return slot;
}
template <class M>
M RestoreMember(MemberSlot const& slot) noexcept {
  static_assert(sizeof(M) == sizeof(MemberSlot::bytes));
  M m;
  std::memcpy(&m, slot.bytes, sizeof m);
  return m;
}

// Positions of the member functions of iterated properties and aggregates.
enum MemberIndex : std::size_t {
  kFirstInitial = 0,
  kNextInitial = 1,
  kFirst = 2,
  kNext = 3,
  kFirstFinal = 4,
  kNextFinal = 5,
  kMemberCount = 6,
};

// A registration object for a cast or an operator.
struct FunctionRegistrationObject {
  RegistrationBlock<kPropertyBlockSize> block;
  FunctionSlot function = nullptr;

  void const* Context() const noexcept { return this; }
  static FunctionRegistrationObject const& From(void const* context) noexcept {
    return *static_cast<FunctionRegistrationObject const*>(context);
  }
};

// A registration object for a property of any kind: plain properties use the
// function, iterated properties and aggregates the member functions.
struct PropertyRegistrationObject {
  RegistrationBlock<kPropertyBlockSize> block;
  FunctionSlot function = nullptr;
  MemberSlot members[kMemberCount] = {};

  void const* Context() const noexcept { return this; }
  static PropertyRegistrationObject const& From(void const* context) noexcept {
    return *static_cast<PropertyRegistrationObject const*>(context);
  }
  template <class M>
  M Member(std::size_t index) const noexcept {
    return RestoreMember<M>(members[index]);
  }
};

// Copies a function's value into the evaluator's result memory: a class result is
// constructed directly there, a plain one copied.
template <class R, class Call>
void ConstructResult(void* result, Call&& call) {
  ::new (result) R(call());
}

}  // namespace inspectors
