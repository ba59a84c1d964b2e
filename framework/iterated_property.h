// Iterated properties: a sequence of values pulled one at a time. The iteration
// state is an object of an iterator class of the module, kept in memory that the
// evaluator provides. First returns the first element (or throws NoSuchObject when
// there is none); Next returns each further element and throws NoSuchObject after
// the last. Prop registers iterators whose members take (Of, O const&); the classes
// here call members named First and Next.
#pragma once

#include "framework/property.h"

namespace inspectors {

// An iterated property over I::First and I::Next, whose arguments are the
// parameter's and the object's as the two conversions give them.
template <class I, class R, class Parameter, class Object>
class IteratorProperty : private PropertyRegistrationBlock {
 public:
  using Member = MemberOf<I, R, Parameter, Object>;

  IteratorProperty(char const* name, char const* plural, FingerprintFunction fingerprint) {
    RegisterIterator<I, R, Parameter, Object>(name, plural, Member{&I::First}, Member{&I::Next},
                                              fingerprint);
  }
};

// An iterated property of O whose iterator class I has First(O const&) and
// Next(O const&).
template <class I, class O, class R>
using IteratedProperty = IteratorProperty<I, R, NoArgument, AsIs<O>>;

// An iterated property of O with a string parameter, whose iterator class I has
// First(bytes, length, O const&) and Next(bytes, length, O const&).
template <class I, class O, class R>
using IteratedNamedProperty = IteratorProperty<I, R, AsBytes, AsIs<O>>;

}  // namespace inspectors
