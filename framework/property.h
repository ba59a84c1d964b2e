// Properties and casts: registration objects that teach the evaluator a phrase, and
// the getters (thunks) through which the evaluator calls the typed functions.
//
// Every getter takes (result, parameter, object, state, context). It returns true
// without calling anything when the result pointer is null; otherwise it calls the
// function, constructs its value in the result memory and returns true. Nothing is
// caught: NoSuchObject ("no value") and every other exception reach the evaluator.
#pragma once

#include <cstdint>

#include "framework/registration_object.h"

namespace inspectors {

// Getters, one per function shape.

template <class R, class O>
struct PropertyOfObject {
  using Function = R (*)(Of, O const&);
  static bool Get(void* result, void const*, void const* object, void*, void const* context) {
    if (result == nullptr) return true;
    auto const f = RestoreFunction<Function>(PropertyRegistrationObject::From(context).function);
    ConstructResult<R>(result, [&] { return f(Of{}, *static_cast<O const*>(object)); });
    return true;
  }
};

template <class R, class P, class O>
struct PropertyByIndexOfObject {
  using Function = R (*)(P const&, Of, O const&);
  static bool Get(void* result, void const* parameter, void const* object, void*,
                  void const* context) {
    if (result == nullptr) return true;
    auto const f = RestoreFunction<Function>(PropertyRegistrationObject::From(context).function);
    ConstructResult<R>(result, [&] {
      return f(*static_cast<P const*>(parameter), Of{}, *static_cast<O const*>(object));
    });
    return true;
  }
};

template <class R, class P>
struct PropertyByIndexOfWorld {
  using Function = R (*)(P const&);
  static bool Get(void* result, void const* parameter, void const*, void*, void const* context) {
    if (result == nullptr) return true;
    auto const f = RestoreFunction<Function>(PropertyRegistrationObject::From(context).function);
    ConstructResult<R>(result, [&] { return f(*static_cast<P const*>(parameter)); });
    return true;
  }
};

template <class R>
struct PropertyOfWorld {
  using Function = R (*)();
  static bool Get(void* result, void const*, void const*, void*, void const* context) {
    if (result == nullptr) return true;
    auto const f = RestoreFunction<Function>(PropertyRegistrationObject::From(context).function);
    ConstructResult<R>(result, [&] { return f(); });
    return true;
  }
};

// The evaluator's block of a property of any kind, registered in one of three
// forms: plain, iterated or aggregate. Destruction withdraws the registration.
class PropertyRegistrationBlock : protected PropertyRegistrationObject {
 public:
  PropertyRegistrationBlock(PropertyRegistrationBlock const&) = delete;
  PropertyRegistrationBlock& operator=(PropertyRegistrationBlock const&) = delete;
  ~PropertyRegistrationBlock() { Unregister_Property(block.Address()); }

 protected:
  PropertyRegistrationBlock() = default;

  void RegisterPlain(char const* name, char const* plural, char const* parameterType,
                     char const* objectType, char const* resultType, PropertyGetter getter,
                     FingerprintFunction fingerprint) {
    Register_Property(block.Address(), kPropertyBlockSize, name, plural, parameterType, objectType,
                      resultType, getter, Context(), fingerprint);
  }

  void RegisterIterated(char const* name, char const* plural, char const* parameterType,
                        char const* objectType, char const* resultType, std::size_t stateSize,
                        StateConstructCallback construct, StateDestroyCallback destroy,
                        PropertyGetter first, PropertyGetter next,
                        FingerprintFunction fingerprint) {
    Register_Iterated_Property(block.Address(), kPropertyBlockSize, name, plural, parameterType,
                               objectType, resultType, stateSize, construct, destroy, first, next,
                               Context(), fingerprint);
  }

  void RegisterAggregate(char const* name, char const* plural, char const* parameterType,
                         char const* objectType, char const* resultType, std::size_t stateSize,
                         StateConstructCallback construct, StateDestroyCallback destroy,
                         PropertyGetter firstInitial, PropertyGetter nextInitial,
                         PropertyGetter first, PropertyGetter next, PropertyGetter firstFinal,
                         PropertyGetter nextFinal, FingerprintFunction fingerprint) {
    Register_Aggregate_Property(block.Address(), kPropertyBlockSize, name, plural, parameterType,
                                objectType, resultType, stateSize, construct, destroy, firstInitial,
                                nextInitial, first, next, firstFinal, nextFinal, Context(),
                                fingerprint);
  }
};

// f(O const&): a property of O.
template <class O, class R>
class Property : public PropertyRegistrationBlock {
 public:
  using Function = R (*)(O const&);
  Property(char const* name, char const* plural, Function f, FingerprintFunction fingerprint) {
    function = EraseFunction(f);
    RegisterPlain(name, plural, kNoType, TypeNameOf<O>(), TypeNameOf<R>(), &Get, fingerprint);
  }

  static bool Get(void* result, void const*, void const* object, void*, void const* context) {
    if (result == nullptr) return true;
    auto const f = RestoreFunction<Function>(PropertyRegistrationObject::From(context).function);
    ConstructResult<R>(result, [&] { return f(*static_cast<O const*>(object)); });
    return true;
  }
};

// f(): a property of the world.
template <class R>
class GlobalProperty : public PropertyRegistrationBlock {
 public:
  using Function = R (*)();
  GlobalProperty(char const* name, char const* plural, Function f,
                 FingerprintFunction fingerprint) {
    function = EraseFunction(f);
    RegisterPlain(name, plural, kNoType, kNoType, TypeNameOf<R>(), &PropertyOfWorld<R>::Get,
                  fingerprint);
  }
};

// f(bytes, length, O const&): a property of O with a string parameter.
template <class O, class R>
class NamedProperty : public PropertyRegistrationBlock {
 public:
  using Function = R (*)(unsigned char const*, unsigned long, O const&);
  NamedProperty(char const* name, char const* plural, Function f, FingerprintFunction fingerprint) {
    function = EraseFunction(f);
    RegisterPlain(name, plural, TypeNameOf<inspector_string>(), TypeNameOf<O>(), TypeNameOf<R>(),
                  &Get, fingerprint);
  }

  static bool Get(void* result, void const* parameter, void const* object, void*,
                  void const* context) {
    if (result == nullptr) return true;
    auto const f = RestoreFunction<Function>(PropertyRegistrationObject::From(context).function);
    auto const& text = *static_cast<inspector_string const*>(parameter);
    ConstructResult<R>(result,
                       [&] { return f(text.bytes, text.length, *static_cast<O const*>(object)); });
    return true;
  }
};

// f(bytes, length): a property of the world with a string parameter.
template <class R>
class NamedGlobalProperty : public PropertyRegistrationBlock {
 public:
  using Function = R (*)(unsigned char const*, unsigned long);
  NamedGlobalProperty(char const* name, char const* plural, Function f,
                      FingerprintFunction fingerprint) {
    function = EraseFunction(f);
    RegisterPlain(name, plural, TypeNameOf<inspector_string>(), kNoType, TypeNameOf<R>(), &Get,
                  fingerprint);
  }

  static bool Get(void* result, void const* parameter, void const*, void*, void const* context) {
    if (result == nullptr) return true;
    auto const f = RestoreFunction<Function>(PropertyRegistrationObject::From(context).function);
    auto const& text = *static_cast<inspector_string const*>(parameter);
    ConstructResult<R>(result, [&] { return f(text.bytes, text.length); });
    return true;
  }
};

// f(n, O const&): a property of O numbered by a non-negative integer. A negative
// number has no value, and the function is not called.
template <class O, class R>
class NumberedProperty : public PropertyRegistrationBlock {
 public:
  using Function = R (*)(std::uint64_t, O const&);
  NumberedProperty(char const* name, char const* plural, Function f,
                   FingerprintFunction fingerprint) {
    function = EraseFunction(f);
    RegisterPlain(name, plural, TypeNameOf<integer>(), TypeNameOf<O>(), TypeNameOf<R>(), &Get,
                  fingerprint);
  }

  static bool Get(void* result, void const* parameter, void const* object, void*,
                  void const* context) {
    auto const f = RestoreFunction<Function>(PropertyRegistrationObject::From(context).function);
    std::int64_t const n = static_cast<integer const*>(parameter)->get();
    if (n < 0) return false;
    if (result == nullptr) return true;
    ConstructResult<R>(
        result, [&] { return f(static_cast<std::uint64_t>(n), *static_cast<O const*>(object)); });
    return true;
  }
};

// A conversion from S to D, asked for by `name` ("string", "integer", ...).
template <class S, class D>
class Cast : private FunctionRegistrationObject {
 public:
  using Function = D (*)(S const&);
  Cast(char const* name, Function f, FingerprintFunction fingerprint) {
    function = EraseFunction(f);
    Register_Cast(block.Address(), kPropertyBlockSize, name, TypeNameOf<S>(), TypeNameOf<D>(),
                  &Thunk, Context(), fingerprint);
  }
  ~Cast() { Unregister_Cast(block.Address()); }
  Cast(Cast const&) = delete;
  Cast& operator=(Cast const&) = delete;

  static void Thunk(void* result, void const* source, void const* context) {
    if (result == nullptr) return;
    auto const f = RestoreFunction<Function>(FunctionRegistrationObject::From(context).function);
    ConstructResult<D>(result, [&] { return f(*static_cast<S const*>(source)); });
  }
};

}  // namespace inspectors
