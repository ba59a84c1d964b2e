// Aggregate properties: a whole sequence goes in, values of the aggregate come out.
//
// One evaluation: construct the state; initial phase (FirstInitial once, then
// NextInitial while values come); for each element, First and then Next while values
// come; final phase (FirstFinal, then NextFinal while values come); destroy the
// state. A call yields a value when it returns true; returning false or throwing
// NoSuchObject yields none.
#pragma once

#include <cstdint>
#include <map>
#include <optional>

#include "foundation/exceptions.h"
#include "framework/iterated_property.h"
#include "framework/type.h"

namespace inspectors {

// Getters for the member functions without arguments (slots FirstInitial,
// NextInitial, FirstFinal, NextFinal).
template <class A, class R>
struct AggregatorBasics {
  using Member = R (A::*)();
  template <std::size_t Index>
  static bool Get(void* result, void const*, void const*, void* state, void const* context) {
    if (result == nullptr) return true;
    auto const m = PropertyRegistrationObject::From(context).Member<Member>(Index);
    ConstructResult<R>(result, [&] { return (static_cast<A*>(state)->*m)(); });
    return true;
  }
  static constexpr PropertyGetter FirstInitial = &Get<kFirstInitial>;
  static constexpr PropertyGetter NextInitial = &Get<kNextInitial>;
  static constexpr PropertyGetter FirstFinal = &Get<kFirstFinal>;
  static constexpr PropertyGetter NextFinal = &Get<kNextFinal>;
};

// Yields nothing.
inline bool GenericNullGetter(void*, void const*, void const*, void*, void const*) {
  return false;
}

// The simple aggregator style: Initialize() in the FirstInitial slot and
// Aggregate(...) in the First slot, both yielding nothing.
template <class A>
struct SimpleAggregator {
  using Member = void (A::*)();
  static bool Initialize(void*, void const*, void const*, void* state, void const* context) {
    auto const m = PropertyRegistrationObject::From(context).Member<Member>(kFirstInitial);
    (static_cast<A*>(state)->*m)();
    return false;
  }
};

template <class A, class O>
struct SimpleAggregatorOfObject {
  using Member = void (A::*)(Of, O const&);
  static bool Aggregate(void*, void const*, void const* object, void* state, void const* context) {
    auto const m = PropertyRegistrationObject::From(context).Member<Member>(kFirst);
    (static_cast<A*>(state)->*m)(Of{}, *static_cast<O const*>(object));
    return false;
  }
};

template <class A, class P, class O>
struct SimpleAggregatorByIndexOfObject {
  using Member = void (A::*)(P const&, Of, O const&);
  static bool Aggregate(void*, void const* parameter, void const* object, void* state,
                        void const* context) {
    auto const m = PropertyRegistrationObject::From(context).Member<Member>(kFirst);
    (static_cast<A*>(state)->*m)(*static_cast<P const*>(parameter), Of{},
                                 *static_cast<O const*>(object));
    return false;
  }
};

// The smallest and largest values seen. Only strict comparisons are made, so among
// equal values the first one seen stays.
template <class T, class R>
class extremum_aggregator {
 public:
  void Initialize() { seen_ = false; }

  void Aggregate(Of, T const& v) {
    if (!seen_) {
      minimum_ = v;
      maximum_ = v;
      seen_ = true;
      return;
    }
    if (v < *minimum_) minimum_ = v;
    if (*maximum_ < v) maximum_ = v;
  }

  T Minimum() {
    RequireSeen();
    return *minimum_;
  }
  T Maximum() {
    RequireSeen();
    return *maximum_;
  }
  // Refers to the minimum and the maximum inside this state.
  InspectorTuple2<T, T> Extrema() {
    RequireSeen();
    return InspectorTuple2<T, T>(*minimum_, *maximum_);
  }
  R NextFinal() { throw NoSuchObject(); }

 private:
  void RequireSeen() const {
    if (!seen_) throw NoSuchObject();
  }

  std::optional<T> minimum_;
  std::optional<T> maximum_;
  bool seen_ = false;
};

// Each distinct value with the number of times it occurred, in ascending order of
// T's operator<.
template <class T>
class unique_value_aggregator {
 public:
  void Initialize() {
    counts_.clear();
    position_ = counts_.end();
  }

  void Aggregate(Of, T const& v) { ++counts_[v]; }

  WithMultiplicity<T> FirstFinal() {
    position_ = counts_.begin();
    return Current();
  }
  WithMultiplicity<T> NextFinal() {
    if (position_ != counts_.end()) ++position_;
    return Current();
  }

 private:
  struct Less {
    bool operator()(T const& a, T const& b) const { return static_cast<bool>(a < b); }
  };
  using Counts = std::map<T, std::int64_t, Less>;

  WithMultiplicity<T> Current() const {
    if (position_ == counts_.end()) throw NoSuchObject();
    return WithMultiplicity<T>{position_->first, position_->second};
  }

  Counts counts_;
  typename Counts::const_iterator position_ = counts_.end();
};

}  // namespace inspectors
