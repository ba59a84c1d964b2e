// `Prop`: one registration class for every property shape. The arguments of the
// function (or member functions) decide what is registered:
//
//   R f()                               property of the world
//   R f(P const&)                       property of the world with a parameter P
//   R f(Of, O const&)                   property of O
//   R f(P const&, Of, O const&)         property of O with a parameter P
//   First/Next members of an iterator   iterated property (the same argument forms)
//   six members of an aggregator        aggregate, full protocol
//   Initialize, Aggregate, FirstFinal, NextFinal members   aggregate, simple style
//
// `PropWith<D>` is a plain Prop that carries a datum of type D; its function
// receives the datum before its other arguments.
#pragma once

#include <type_traits>

#include "framework/property.h"

namespace inspectors {

template <class...>
inline constexpr bool kNever = false;

// The conversions of a Prop function's arguments.
template <class... A>
struct PropShape {
  static_assert(kNever<A...>,
                "a Prop function takes (), (P const&), (Of, O const&) or "
                "(P const&, Of, O const&): the direct object comes right after Of, and every "
                "value is taken by const reference");
  using Parameter = NoArgument;
  using Object = NoArgument;
};
template <>
struct PropShape<> {
  using Parameter = NoArgument;
  using Object = NoArgument;
};
template <class P>
struct PropShape<P const&> {
  using Parameter = AsIs<P>;
  using Object = NoArgument;
};
template <class O>
struct PropShape<Of, O const&> {
  using Parameter = NoArgument;
  using Object = AfterOf<O>;
};
template <class P, class O>
struct PropShape<P const&, Of, O const&> {
  using Parameter = AsIs<P>;
  using Object = AfterOf<O>;
};

// The shape of an aggregator's element members, which must take an element.
template <class... A>
struct ElementShape : PropShape<A...> {
  static_assert(!std::is_same_v<typename PropShape<A...>::Object, NoArgument>,
                "an aggregator's element members take the element: (Of, O const&) or "
                "(P const&, Of, O const&)");
};

class Prop : private PropertyRegistrationBlock {
 public:
  // A plain property.
  template <class R, class... A>
  Prop(char const* name, char const* plural, R (*f)(A...), FingerprintFunction fingerprint) {
    using Shape = PropShape<A...>;
    RegisterFunction<R, typename Shape::Parameter, typename Shape::Object,
                     StoredFunction<R (*)(A...)>>(name, plural, f, fingerprint);
  }

  // An iterated property.
  template <class I, class R, class... A, class J, class S, class... B>
  Prop(char const* name, char const* plural, R (I::*first)(A...), S (J::*next)(B...),
       FingerprintFunction fingerprint) {
    static_assert(std::is_same_v<R (I::*)(A...), S (J::*)(B...)>,
                  "an iterator's First and Next are members of one class with one signature");
    using Shape = PropShape<A...>;
    RegisterIterator<I, R, typename Shape::Parameter, typename Shape::Object>(name, plural, first,
                                                                              next, fingerprint);
  }

  // An aggregate, full protocol: every member yields values of R.
  template <class G, class R, class... A>
  Prop(char const* name, char const* plural, R (G::*firstInitial)(), R (G::*nextInitial)(),
       R (G::*first)(A...), R (G::*next)(A...), R (G::*firstFinal)(), R (G::*nextFinal)(),
       FingerprintFunction fingerprint) {
    using P = typename ElementShape<A...>::Parameter;
    using O = typename ElementShape<A...>::Object;
    using Phase = R (G::*)();
    using Each = R (G::*)(A...);
    SetMembers(firstInitial, nextInitial, first, next, firstFinal, nextFinal);
    using None = NoArgument;
    RegisterAggregate<G, R, P, O>(
        name, plural,
        {&Get<R, None, None, StoredMember<G, Phase, kFirstInitial>>,
         &Get<R, None, None, StoredMember<G, Phase, kNextInitial>>,
         &Get<R, P, O, StoredMember<G, Each, kFirst>>, &Get<R, P, O, StoredMember<G, Each, kNext>>,
         &Get<R, None, None, StoredMember<G, Phase, kFirstFinal>>,
         &Get<R, None, None, StoredMember<G, Phase, kNextFinal>>},
        fingerprint);
  }

  // An aggregate, simple style: Initialize() and Aggregate(...) yield nothing; the
  // final phase yields values of R.
  template <class G, class R, class... A>
  Prop(char const* name, char const* plural, void (G::*initialize)(), void (G::*aggregate)(A...),
       R (G::*firstFinal)(), R (G::*nextFinal)(), FingerprintFunction fingerprint) {
    using P = typename ElementShape<A...>::Parameter;
    using O = typename ElementShape<A...>::Object;
    using Final = R (G::*)();
    using None = NoArgument;
    SetMembers(initialize, nullptr, aggregate, nullptr, firstFinal, nextFinal);
    RegisterAggregate<G, R, P, O>(
        name, plural,
        {&Get<void, None, None, StoredMember<G, void (G::*)(), kFirstInitial>>, &GenericNullGetter,
         &Get<void, P, O, StoredMember<G, void (G::*)(A...), kFirst>>, &GenericNullGetter,
         &Get<R, None, None, StoredMember<G, Final, kFirstFinal>>,
         &Get<R, None, None, StoredMember<G, Final, kNextFinal>>},
        fingerprint);
  }

 private:
  // Fills the six slots in order; a null slot stays empty.
  template <class... M>
  void SetMembers(M... m) {
    static_assert(sizeof...(M) == kMemberCount);
    std::size_t i = 0;
    ((members[i++] = Erased(m)), ...);
  }
  template <class M>
  static MemberSlot Erased(M m) {
    if constexpr (std::is_null_pointer_v<M>) {
      return MemberSlot{};
    } else {
      return EraseMember(m);
    }
  }
};

// A plain Prop whose function receives the registration's datum first:
// f(D const&, ...) with any plain Prop form after it. Constructed from (name,
// plural, datum, function, fingerprint function); the datum is kept in the
// registration object, after the block and the function.
template <class D>
class PropWith : private PropertyRegistrationBlock {
 public:
  template <class R, class... A>
  PropWith(char const* name, char const* plural, D const& datum, R (*f)(D const&, A...),
           FingerprintFunction fingerprint)
      : datum_(datum) {
    using Shape = PropShape<A...>;
    RegisterFunction<R, typename Shape::Parameter, typename Shape::Object,
                     WithDatum<R (*)(D const&, A...)>>(name, plural, f, fingerprint);
  }

 private:
  template <class F>
  struct WithDatum {
    template <class Arguments>
    static decltype(auto) Call(void const* context, void*, Arguments&& arguments) {
      auto const& self = static_cast<PropWith const&>(PropertyRegistrationObject::From(context));
      return std::apply(
          RestoreFunction<F>(self.function),
          std::tuple_cat(std::tuple<D const&>(self.datum_), std::forward<Arguments>(arguments)));
    }
  };

  D datum_;
};

}  // namespace inspectors
