// Iterated properties: a sequence of values pulled one at a time. The iteration
// state is an object of an iterator class of the module, kept in memory that the
// evaluator provides. First returns the first element (or throws NoSuchObject when
// there is none); Next returns each further element and throws NoSuchObject after
// the last.
#pragma once

#include <new>

#include "framework/property.h"
#include "framework/registration_object.h"

namespace inspectors {

// Construction and destruction of a state object in the evaluator's memory.
template <class I>
struct IteratorBasics {
  static void Construct(void* p) {
    if (p != nullptr) ::new (p) I();
  }
  static void Destroy(void const* p) { static_cast<I const*>(p)->~I(); }
};

// Getters that call the member in slot `Index` of the registration object on the
// state, with the arguments of each form.

template <class I, class R, class O>
struct IteratedPropertyOfObject {
  using Member = R (I::*)(Of, O const&);
  template <std::size_t Index>
  static bool Get(void* result, void const*, void const* object, void* state, void const* context) {
    if (result == nullptr) return true;
    auto const m = PropertyRegistrationObject::From(context).Member<Member>(Index);
    ConstructResult<R>(
        result, [&] { return (static_cast<I*>(state)->*m)(Of{}, *static_cast<O const*>(object)); });
    return true;
  }
  static constexpr PropertyGetter First = &Get<kFirst>;
  static constexpr PropertyGetter Next = &Get<kNext>;
};

template <class I, class R, class P, class O>
struct IteratedPropertyByIndexOfObject {
  using Member = R (I::*)(P const&, Of, O const&);
  template <std::size_t Index>
  static bool Get(void* result, void const* parameter, void const* object, void* state,
                  void const* context) {
    if (result == nullptr) return true;
    auto const m = PropertyRegistrationObject::From(context).Member<Member>(Index);
    ConstructResult<R>(result, [&] {
      return (static_cast<I*>(state)->*m)(*static_cast<P const*>(parameter), Of{},
                                          *static_cast<O const*>(object));
    });
    return true;
  }
  static constexpr PropertyGetter First = &Get<kFirst>;
  static constexpr PropertyGetter Next = &Get<kNext>;
};

template <class I, class R, class P>
struct IteratedPropertyByIndexOfWorld {
  using Member = R (I::*)(P const&);
  template <std::size_t Index>
  static bool Get(void* result, void const* parameter, void const*, void* state,
                  void const* context) {
    if (result == nullptr) return true;
    auto const m = PropertyRegistrationObject::From(context).Member<Member>(Index);
    ConstructResult<R>(
        result, [&] { return (static_cast<I*>(state)->*m)(*static_cast<P const*>(parameter)); });
    return true;
  }
  static constexpr PropertyGetter First = &Get<kFirst>;
  static constexpr PropertyGetter Next = &Get<kNext>;
};

// An iterated property of O whose iterator class I has First(O const&) and
// Next(O const&).
template <class I, class O, class R>
class IteratedProperty : public PropertyRegistrationBlock {
 public:
  IteratedProperty(char const* name, char const* plural, FingerprintFunction fingerprint) {
    RegisterIterated(name, plural, kNoType, TypeNameOf<O>(), TypeNameOf<R>(), sizeof(I),
                     &IteratorBasics<I>::Construct, &IteratorBasics<I>::Destroy, &First, &Next,
                     fingerprint);
  }

  static bool First(void* result, void const*, void const* object, void* state, void const*) {
    if (result == nullptr) return true;
    ConstructResult<R>(
        result, [&] { return static_cast<I*>(state)->First(*static_cast<O const*>(object)); });
    return true;
  }
  static bool Next(void* result, void const*, void const* object, void* state, void const*) {
    if (result == nullptr) return true;
    ConstructResult<R>(
        result, [&] { return static_cast<I*>(state)->Next(*static_cast<O const*>(object)); });
    return true;
  }
};

// An iterated property of O with a string parameter, whose iterator class I has
// First(bytes, length, O const&) and Next(bytes, length, O const&).
template <class I, class O, class R>
class IteratedNamedProperty : public PropertyRegistrationBlock {
 public:
  IteratedNamedProperty(char const* name, char const* plural, FingerprintFunction fingerprint) {
    RegisterIterated(name, plural, TypeNameOf<inspector_string>(), TypeNameOf<O>(), TypeNameOf<R>(),
                     sizeof(I), &IteratorBasics<I>::Construct, &IteratorBasics<I>::Destroy, &First,
                     &Next, fingerprint);
  }

  static bool First(void* result, void const* parameter, void const* object, void* state,
                    void const*) {
    if (result == nullptr) return true;
    auto const& text = *static_cast<inspector_string const*>(parameter);
    ConstructResult<R>(result, [&] {
      return static_cast<I*>(state)->First(text.bytes, text.length, *static_cast<O const*>(object));
    });
    return true;
  }
  static bool Next(void* result, void const* parameter, void const* object, void* state,
                   void const*) {
    if (result == nullptr) return true;
    auto const& text = *static_cast<inspector_string const*>(parameter);
    ConstructResult<R>(result, [&] {
      return static_cast<I*>(state)->Next(text.bytes, text.length, *static_cast<O const*>(object));
    });
    return true;
  }
};

}  // namespace inspectors
