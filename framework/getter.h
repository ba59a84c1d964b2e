// The adapter between the evaluator's callbacks and a module's typed functions: the
// one getter behind every property, iterated property and aggregate, and the one
// place where a result is constructed in the evaluator's memory.
//
// A getter takes (result, parameter, object, state, context), as the evaluator calls
// it. Conversions (below) turn the parameter and the object into the typed
// function's arguments; a target finds the function through the context, which is
// the registration object. Then:
// 1. A parameter that its conversion does not admit (a negative count) has no value:
//    false, before anything else.
// 2. Without result memory (a null result) nothing is called: true.
// 3. Otherwise the function's value is constructed in the result memory: true. A
//    function that returns std::optional<T> yields a T; an empty optional is "no
//    value" (false), which spares an iteration the cost of a thrown NoSuchObject at
//    the end of every sequence.
// A step that returns nothing (an aggregator's Initialize and Aggregate) is called
// whatever the result memory and yields no value. Nothing is caught: NoSuchObject
// ("no value") and every other exception reach the evaluator unchanged.
#pragma once

#include <cstdint>
#include <new>
#include <optional>
#include <tuple>
#include <type_traits>
#include <utility>

#include "framework/registration_object.h"

namespace inspectors {

// The value type of a typed function's result R: R itself, or T for std::optional<T>.
template <class R>
struct ResultValue {
  using Type = R;
  static constexpr bool kOptional = false;
};
template <class T>
struct ResultValue<std::optional<T>> {
  using Type = T;
  static constexpr bool kOptional = true;
};
template <class R>
using ValueOfResult = typename ResultValue<R>::Type;

// Constructs what `call` returns in the result memory: a class result directly
// there, a plain one copied; an empty optional constructs nothing and yields no
// value. Without result memory, calls nothing.
template <class R, class Call>
bool Produce(void* result, Call&& call) {
  if (result == nullptr) return true;
  if constexpr (ResultValue<R>::kOptional) {
    R made = call();
    if (!made) return false;
    ::new (result) ValueOfResult<R>(std::move(*made));
  } else {
    ::new (result) R(call());
  }
  return true;
}

// Conversions. Each names the evaluator's type of the value (kNoType for none), says
// whether a value admits a call at all, and gives the value as the function's
// arguments.

struct AdmitsEveryValue {
  static bool Admits(void const*) noexcept { return true; }
};

// No value: the registration has no parameter, or no direct object.
struct NoArgument : AdmitsEveryValue {
  using Arguments = std::tuple<>;
  static char const* TypeName() noexcept { return kNoType; }
  static Arguments From(void const*) noexcept { return {}; }
};

// The value itself: T const&.
template <class T>
struct AsIs : AdmitsEveryValue {
  using Arguments = std::tuple<T const&>;
  static char const* TypeName() { return TypeNameOf<T>(); }
  static Arguments From(void const* p) noexcept { return Arguments(*static_cast<T const*>(p)); }
};

// The direct object after its tag: Of, T const&.
template <class T>
struct AfterOf : AdmitsEveryValue {
  using Arguments = std::tuple<Of, T const&>;
  static char const* TypeName() { return TypeNameOf<T>(); }
  static Arguments From(void const* p) noexcept {
    return Arguments(Of{}, *static_cast<T const*>(p));
  }
};

// A string as its bytes and its length: unsigned char const*, unsigned long.
struct AsBytes : AdmitsEveryValue {
  using Arguments = std::tuple<unsigned char const*, unsigned long>;
  static char const* TypeName() noexcept { return TypeNameOf<inspector_string>(); }
  static Arguments From(void const* p) noexcept {
    auto const& text = *static_cast<inspector_string const*>(p);
    return Arguments(text.bytes, text.length);
  }
};

// An integer as an unsigned 64-bit number; a negative integer has no value.
struct AsNumber {
  using Arguments = std::tuple<std::uint64_t>;
  static char const* TypeName() noexcept { return TypeNameOf<integer>(); }
  static bool Admits(void const* p) noexcept { return static_cast<integer const*>(p)->get() >= 0; }
  static Arguments From(void const* p) noexcept {
    return Arguments(static_cast<std::uint64_t>(static_cast<integer const*>(p)->get()));
  }
};

// The arguments of a typed function whose parameter and object take these
// conversions, and the function and member-function types that take them.
template <class Parameter, class Object>
using ArgumentsOf = decltype(std::tuple_cat(std::declval<typename Parameter::Arguments>(),
                                            std::declval<typename Object::Arguments>()));

template <class R, class Arguments>
struct Signature;
template <class R, class... A>
struct Signature<R, std::tuple<A...>> {
  using Function = R (*)(A...);
  template <class C>
  using Member = R (C::*)(A...);
};

template <class R, class Parameter, class Object>
using FunctionOf = typename Signature<R, ArgumentsOf<Parameter, Object>>::Function;
template <class C, class R, class Parameter, class Object>
using MemberOf = typename Signature<R, ArgumentsOf<Parameter, Object>>::template Member<C>;

// Targets: how a getter reaches the typed function.

// The function of type F in the registration object's function slot.
template <class F>
struct StoredFunction {
  template <class Arguments>
  static decltype(auto) Call(void const* context, void*, Arguments&& arguments) {
    F const f = RestoreFunction<F>(PropertyRegistrationObject::From(context).function);
    return std::apply(f, std::forward<Arguments>(arguments));
  }
};

// The member function of type M in slot `Slot`, called on the state, an object of C.
template <class C, class M, std::size_t Slot>
struct StoredMember {
  template <class Arguments>
  static decltype(auto) Call(void const* context, void* state, Arguments&& arguments) {
    M const m = PropertyRegistrationObject::From(context).Member<M>(Slot);
    return std::apply(m, std::tuple_cat(std::tuple<C&>(*static_cast<C*>(state)),
                                        std::forward<Arguments>(arguments)));
  }
};

// The getter: R is the result (void for a step that yields nothing), Parameter and
// Object the conversions, Target the way to the function.
template <class R, class Parameter, class Object, class Target>
bool Get(void* result, void const* parameter, void const* object, void* state,
         void const* context) {
  if (!Parameter::Admits(parameter)) return false;
  auto const call = [&]() -> decltype(auto) {
    return Target::Call(context, state,
                        std::tuple_cat(Parameter::From(parameter), Object::From(object)));
  };
  if constexpr (std::is_void_v<R>) {
    call();
    return false;
  } else {
    return Produce<R>(result, call);
  }
}

// Yields nothing.
inline bool GenericNullGetter(void*, void const*, void const*, void*, void const*) {
  return false;
}

// Construction and destruction of an iterator's or aggregator's state in the
// evaluator's memory.
template <class I>
struct IteratorBasics {
  static void Construct(void* p) {
    if (p != nullptr) ::new (p) I();
  }
  static void Destroy(void const* p) { static_cast<I const*>(p)->~I(); }
};

}  // namespace inspectors
