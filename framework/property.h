// Properties and casts: registration objects that teach the evaluator a phrase. The
// getters behind them are the one adapter of framework/getter.h.
#pragma once

#include "framework/getter.h"

namespace inspectors {

// The evaluator's block of a property of any kind, registered in one of three
// forms: plain, iterated or aggregate. Destruction withdraws the registration.
class PropertyRegistrationBlock
    : public RegisteredObject<PropertyRegistrationObject, &Unregister_Property> {
 protected:
  // A plain property: `f` in the function slot, reached by the getter through Target.
  template <class R, class Parameter, class Object, class Target, class F>
  void RegisterFunction(char const* name, char const* plural, F f,
                        FingerprintFunction fingerprint) {
    static_assert(!std::is_void_v<R>, "a property yields a value");
    function = EraseFunction(f);
    Register_Property(block.Address(), kPropertyBlockSize, name, plural, Parameter::TypeName(),
                      Object::TypeName(), TypeNameOf<ValueOfResult<R>>(),
                      &Get<R, Parameter, Object, Target>, Context(), fingerprint);
  }

  // An iterated property: the members First and Next of the iterator class I, both of
  // type M, in their slots.
  template <class I, class R, class Parameter, class Object, class M>
  void RegisterIterator(char const* name, char const* plural, M first, M next,
                        FingerprintFunction fingerprint) {
    members[kFirst] = EraseMember(first);
    members[kNext] = EraseMember(next);
    Register_Iterated_Property(
        block.Address(), kPropertyBlockSize, name, plural, Parameter::TypeName(),
        Object::TypeName(), TypeNameOf<ValueOfResult<R>>(), sizeof(I),
        &IteratorBasics<I>::Construct, &IteratorBasics<I>::Destroy,
        &Get<R, Parameter, Object, StoredMember<I, M, kFirst>>,
        &Get<R, Parameter, Object, StoredMember<I, M, kNext>>, Context(), fingerprint);
  }

  // An aggregate over the aggregator class A: a getter for each of the six slots
  // (FirstInitial, NextInitial, First, Next, FirstFinal, NextFinal).
  template <class A, class R, class Parameter, class Object>
  void RegisterAggregate(char const* name, char const* plural,
                         PropertyGetter const (&getters)[kMemberCount],
                         FingerprintFunction fingerprint) {
    Register_Aggregate_Property(
        block.Address(), kPropertyBlockSize, name, plural, Parameter::TypeName(),
        Object::TypeName(), TypeNameOf<ValueOfResult<R>>(), sizeof(A),
        &IteratorBasics<A>::Construct, &IteratorBasics<A>::Destroy, getters[kFirstInitial],
        getters[kNextInitial], getters[kFirst], getters[kNext], getters[kFirstFinal],
        getters[kNextFinal], Context(), fingerprint);
  }
};

// A property whose function takes the parameter's arguments, then the object's, as
// the two conversions give them, and returns R.
template <class R, class Parameter, class Object>
class FunctionProperty : private PropertyRegistrationBlock {
 public:
  using Function = FunctionOf<R, Parameter, Object>;

  FunctionProperty(char const* name, char const* plural, Function f,
                   FingerprintFunction fingerprint) {
    RegisterFunction<R, Parameter, Object, StoredFunction<Function>>(name, plural, f, fingerprint);
  }
};

// f(O const&): a property of O.
template <class O, class R>
using Property = FunctionProperty<R, NoArgument, AsIs<O>>;
// f(): a property of the world.
template <class R>
using GlobalProperty = FunctionProperty<R, NoArgument, NoArgument>;
// f(bytes, length, O const&): a property of O with a string parameter.
template <class O, class R>
using NamedProperty = FunctionProperty<R, AsBytes, AsIs<O>>;
// f(bytes, length): a property of the world with a string parameter.
template <class R>
using NamedGlobalProperty = FunctionProperty<R, AsBytes, NoArgument>;
// f(n, O const&): a property of O numbered by a non-negative integer. A negative
// number has no value, and the function is not called.
template <class O, class R>
using NumberedProperty = FunctionProperty<R, AsNumber, AsIs<O>>;

// A conversion from S to D, asked for by `name` ("string", "integer", ...).
template <class S, class D>
class Cast : private FunctionRegistrationBlock<&Unregister_Cast> {
 public:
  using Function = D (*)(S const&);

  Cast(char const* name, Function f, FingerprintFunction fingerprint)
      : FunctionRegistrationBlock(f) {
    Register_Cast(block.Address(), kPropertyBlockSize, name, TypeNameOf<S>(), TypeNameOf<D>(),
                  &Thunk, Context(), fingerprint);
  }

  static void Thunk(void* result, void const* source, void const* context) {
    Produce<D>(result, [&] { return Stored<Function>(context)(*static_cast<S const*>(source)); });
  }
};

}  // namespace inspectors
