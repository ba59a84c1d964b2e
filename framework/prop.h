// `Prop`: one registration class for every property shape. The constructor chosen by
// the signature of the function (or member functions) decides what is registered:
//
//   R f(Of, O const&)                   property of O
//   R f(P const&, Of, O const&)         property of O with a parameter P
//   R f(P const&)                       property of the world with a parameter P
//   R f()                               property of the world
//   First/Next members of an iterator   iterated property (same three argument forms)
//   six members of an aggregator        aggregate, full protocol
//   Initialize, Aggregate, FirstFinal, NextFinal members   aggregate, simple style
#pragma once

#include "framework/aggregate.h"
#include "framework/iterated_property.h"
#include "framework/property.h"

namespace inspectors {

class Prop : private PropertyRegistrationBlock {
 public:
  // Plain properties.

  template <class R, class O>
  Prop(char const* name, char const* plural, R (*f)(Of, O const&),
       FingerprintFunction fingerprint) {
    function = EraseFunction(f);
    RegisterPlain(name, plural, kNoType, TypeNameOf<O>(), TypeNameOf<R>(),
                  &PropertyOfObject<R, O>::Get, fingerprint);
  }

  template <class R, class P, class O>
  Prop(char const* name, char const* plural, R (*f)(P const&, Of, O const&),
       FingerprintFunction fingerprint) {
    function = EraseFunction(f);
    RegisterPlain(name, plural, TypeNameOf<P>(), TypeNameOf<O>(), TypeNameOf<R>(),
                  &PropertyByIndexOfObject<R, P, O>::Get, fingerprint);
  }

  template <class R, class P>
  Prop(char const* name, char const* plural, R (*f)(P const&), FingerprintFunction fingerprint) {
    function = EraseFunction(f);
    RegisterPlain(name, plural, TypeNameOf<P>(), kNoType, TypeNameOf<R>(),
                  &PropertyByIndexOfWorld<R, P>::Get, fingerprint);
  }

  template <class R>
  Prop(char const* name, char const* plural, R (*f)(), FingerprintFunction fingerprint) {
    function = EraseFunction(f);
    RegisterPlain(name, plural, kNoType, kNoType, TypeNameOf<R>(), &PropertyOfWorld<R>::Get,
                  fingerprint);
  }

  // Iterated properties.

  template <class I, class R, class O>
  Prop(char const* name, char const* plural, R (I::*first)(Of, O const&),
       R (I::*next)(Of, O const&), FingerprintFunction fingerprint) {
    SetMembers({{kFirst, EraseMember(first)}, {kNext, EraseMember(next)}});
    using Getters = IteratedPropertyOfObject<I, R, O>;
    RegisterIterated<I>(name, plural, kNoType, TypeNameOf<O>(), TypeNameOf<R>(), Getters::First,
                        Getters::Next, fingerprint);
  }

  template <class I, class R, class P, class O>
  Prop(char const* name, char const* plural, R (I::*first)(P const&, Of, O const&),
       R (I::*next)(P const&, Of, O const&), FingerprintFunction fingerprint) {
    SetMembers({{kFirst, EraseMember(first)}, {kNext, EraseMember(next)}});
    using Getters = IteratedPropertyByIndexOfObject<I, R, P, O>;
    RegisterIterated<I>(name, plural, TypeNameOf<P>(), TypeNameOf<O>(), TypeNameOf<R>(),
                        Getters::First, Getters::Next, fingerprint);
  }

  template <class I, class R, class P>
  Prop(char const* name, char const* plural, R (I::*first)(P const&), R (I::*next)(P const&),
       FingerprintFunction fingerprint) {
    SetMembers({{kFirst, EraseMember(first)}, {kNext, EraseMember(next)}});
    using Getters = IteratedPropertyByIndexOfWorld<I, R, P>;
    RegisterIterated<I>(name, plural, TypeNameOf<P>(), kNoType, TypeNameOf<R>(), Getters::First,
                        Getters::Next, fingerprint);
  }

  // Aggregates, full protocol.

  template <class A, class R, class O>
  Prop(char const* name, char const* plural, R (A::*firstInitial)(), R (A::*nextInitial)(),
       R (A::*first)(Of, O const&), R (A::*next)(Of, O const&), R (A::*firstFinal)(),
       R (A::*nextFinal)(), FingerprintFunction fingerprint) {
    SetAllMembers(firstInitial, nextInitial, first, next, firstFinal, nextFinal);
    using Basics = AggregatorBasics<A, R>;
    using Elements = IteratedPropertyOfObject<A, R, O>;
    RegisterAggregate<A>(name, plural, kNoType, TypeNameOf<O>(), TypeNameOf<R>(),
                         Basics::FirstInitial, Basics::NextInitial, Elements::First, Elements::Next,
                         Basics::FirstFinal, Basics::NextFinal, fingerprint);
  }

  template <class A, class R, class P, class O>
  Prop(char const* name, char const* plural, R (A::*firstInitial)(), R (A::*nextInitial)(),
       R (A::*first)(P const&, Of, O const&), R (A::*next)(P const&, Of, O const&),
       R (A::*firstFinal)(), R (A::*nextFinal)(), FingerprintFunction fingerprint) {
    SetAllMembers(firstInitial, nextInitial, first, next, firstFinal, nextFinal);
    using Basics = AggregatorBasics<A, R>;
    using Elements = IteratedPropertyByIndexOfObject<A, R, P, O>;
    RegisterAggregate<A>(name, plural, TypeNameOf<P>(), TypeNameOf<O>(), TypeNameOf<R>(),
                         Basics::FirstInitial, Basics::NextInitial, Elements::First, Elements::Next,
                         Basics::FirstFinal, Basics::NextFinal, fingerprint);
  }

  // Aggregates, simple style.

  template <class A, class R, class O>
  Prop(char const* name, char const* plural, void (A::*initialize)(),
       void (A::*aggregate)(Of, O const&), R (A::*firstFinal)(), R (A::*nextFinal)(),
       FingerprintFunction fingerprint) {
    SetSimpleMembers(initialize, aggregate, firstFinal, nextFinal);
    using Basics = AggregatorBasics<A, R>;
    RegisterAggregate<A>(name, plural, kNoType, TypeNameOf<O>(), TypeNameOf<R>(),
                         &SimpleAggregator<A>::Initialize, &GenericNullGetter,
                         &SimpleAggregatorOfObject<A, O>::Aggregate, &GenericNullGetter,
                         Basics::FirstFinal, Basics::NextFinal, fingerprint);
  }

  template <class A, class R, class P, class O>
  Prop(char const* name, char const* plural, void (A::*initialize)(),
       void (A::*aggregate)(P const&, Of, O const&), R (A::*firstFinal)(), R (A::*nextFinal)(),
       FingerprintFunction fingerprint) {
    SetSimpleMembers(initialize, aggregate, firstFinal, nextFinal);
    using Basics = AggregatorBasics<A, R>;
    RegisterAggregate<A>(name, plural, TypeNameOf<P>(), TypeNameOf<O>(), TypeNameOf<R>(),
                         &SimpleAggregator<A>::Initialize, &GenericNullGetter,
                         &SimpleAggregatorByIndexOfObject<A, P, O>::Aggregate, &GenericNullGetter,
                         Basics::FirstFinal, Basics::NextFinal, fingerprint);
  }

 private:
  struct IndexedMember {
    std::size_t index;
    MemberSlot member;
  };

  void SetMembers(std::initializer_list<IndexedMember> given) {
    for (IndexedMember const& m : given) members[m.index] = m.member;
  }

  template <class I, class A, class F, class N>
  void SetSimpleMembers(I initialize, A aggregate, F firstFinal, N nextFinal) {
    SetMembers({{kFirstInitial, EraseMember(initialize)},
                {kFirst, EraseMember(aggregate)},
                {kFirstFinal, EraseMember(firstFinal)},
                {kNextFinal, EraseMember(nextFinal)}});
  }

  template <class... M>
  void SetAllMembers(M... m) {
    static_assert(sizeof...(M) == kMemberCount);
    std::size_t i = 0;
    ((members[i++] = EraseMember(m)), ...);
  }

  template <class I>
  void RegisterIterated(char const* name, char const* plural, char const* parameterType,
                        char const* objectType, char const* resultType, PropertyGetter first,
                        PropertyGetter next, FingerprintFunction fingerprint) {
    PropertyRegistrationBlock::RegisterIterated(
        name, plural, parameterType, objectType, resultType, sizeof(I),
        &IteratorBasics<I>::Construct, &IteratorBasics<I>::Destroy, first, next, fingerprint);
  }

  template <class A>
  void RegisterAggregate(char const* name, char const* plural, char const* parameterType,
                         char const* objectType, char const* resultType,
                         PropertyGetter firstInitial, PropertyGetter nextInitial,
                         PropertyGetter first, PropertyGetter next, PropertyGetter firstFinal,
                         PropertyGetter nextFinal, FingerprintFunction fingerprint) {
    PropertyRegistrationBlock::RegisterAggregate(
        name, plural, parameterType, objectType, resultType, sizeof(A),
        &IteratorBasics<A>::Construct, &IteratorBasics<A>::Destroy, firstInitial, nextInitial,
        first, next, firstFinal, nextFinal, fingerprint);
  }
};

}  // namespace inspectors
