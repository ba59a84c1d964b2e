// Aggregate properties: a whole sequence goes in, values of the aggregate come out.
//
// One evaluation: construct the state; initial phase (FirstInitial once, then
// NextInitial while values come); for each element, First and then Next while values
// come; final phase (FirstFinal, then NextFinal while values come); destroy the
// state. A call yields a value when it returns true; returning false or throwing
// NoSuchObject yields none. Prop registers aggregators of both styles.
//
// The standard aggregators below order their values by an `Order`, a comparison
// object that defaults to T's operator<; a type whose operator< is no strict weak
// order (floating point, with its NaNs) gives its own.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>

#include "foundation/exceptions.h"
#include "framework/type.h"

namespace inspectors {

// The smallest and largest values seen. Only strict comparisons are made, so among
// equal values the first one seen stays.
template <class T, class R, class Order = std::less<T>>
class extremum_aggregator {
 public:
  void Initialize() {
    minimum_.reset();
    maximum_.reset();
  }

  void Aggregate(Of, T const& v) {
    if (!minimum_ || Order()(v, *minimum_)) minimum_ = v;
    if (!maximum_ || Order()(*maximum_, v)) maximum_ = v;
  }

  T Minimum() { return Seen(minimum_); }
  T Maximum() { return Seen(maximum_); }
  // Refers to the minimum and the maximum inside this state.
  InspectorTuple2<T, T> Extrema() { return InspectorTuple2<T, T>(Seen(minimum_), Seen(maximum_)); }
  R NextFinal() { throw NoSuchObject(); }

 private:
  static T const& Seen(std::optional<T> const& v) {
    if (!v) throw NoSuchObject();
    return *v;
  }

  std::optional<T> minimum_;
  std::optional<T> maximum_;
};

// Each distinct value with the number of times it occurred, in ascending order.
template <class T, class Order = std::less<T>>
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
  using Counts = std::map<T, std::int64_t, Order>;

  WithMultiplicity<T> Current() const {
    if (position_ == counts_.end()) throw NoSuchObject();
    return WithMultiplicity<T>{position_->first, position_->second};
  }

  Counts counts_;
  typename Counts::const_iterator position_ = counts_.end();
};

}  // namespace inspectors
