// The layout shared by registration objects: the evaluator's block first, then the
// typed function (or member functions) that the object's callbacks call. The object's
// own address is the context the evaluator hands back to every callback.
#pragma once

#include <cstddef>
#include <cstring>

#include "framework/contract/evaluator.h"
#include "framework/type_name.h"

namespace inspectors {

// The tag that stands before the direct object in an inspector's signature:
// f(Of, Y const&) is a property of Y; f(P const&, Of, Y const&) one with a parameter.
struct Of {};

// The block a registration object lends to the evaluator, always at the object's
// start so that the object's address is the block's address.
template <std::size_t Size>
struct RegistrationBlock {
  alignas(std::max_align_t) unsigned char block[Size];

  void* Address() noexcept { return block; }
};

// A registration object that holds nothing but its block (types and caches).
template <std::size_t Size>
struct BlockOnly {
  RegistrationBlock<Size> block;
};

// A registration object of one kind. Its `Object` (the block first) stays lent to
// the evaluator until the object is destroyed, which withdraws it with `Unregister`.
template <class Object, void (*Unregister)(void*)>
class RegisteredObject : protected Object {
 public:
  RegisteredObject(RegisteredObject const&) = delete;
  RegisteredObject& operator=(RegisteredObject const&) = delete;
  ~RegisteredObject() { Unregister(this->block.Address()); }

 protected:
  RegisteredObject() = default;
};

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

// The block of a cast or an operator, with its function, withdrawn with `Unregister`.
template <void (*Unregister)(void*)>
class FunctionRegistrationBlock : public RegisteredObject<FunctionRegistrationObject, Unregister> {
 protected:
  template <class F>
  explicit FunctionRegistrationBlock(F f) noexcept {
    this->function = EraseFunction(f);
  }

  // The function of the registration object that `context` is.
  template <class F>
  static F Stored(void const* context) noexcept {
    return RestoreFunction<F>(FunctionRegistrationObject::From(context).function);
  }
};

}  // namespace inspectors
