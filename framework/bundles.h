// Standard registration bundles: one declaration gives an ordered value type its
// relations, its extrema and its unique values, or a quantity its arithmetic. Members register in
// declaration order with the bundle's fingerprint function; if one fails, those already registered
// are withdrawn, and the bundle withdraws them in reverse order when it is destroyed.
#pragma once

#include "framework/aggregate.h"
#include "framework/fingerprint.h"
#include "framework/operator.h"
#include "framework/prop.h"
#include "framework/type.h"

namespace inspectors {

// "unique value" / "unique values" of a sequence of T, the type "T with
// multiplicity" and its "multiplicity". The values come in ascending `Order`.
template <class T, class Order = std::less<T>>
class UniqueValuesInspectorRegistration {
 public:
  using Aggregator = unique_value_aggregator<T, Order>;

  static integer Multiplicity(Of, WithMultiplicity<T> const& counted) {
    return integer(counted.multiplicity);
  }

  explicit UniqueValuesInspectorRegistration(FingerprintFunction fingerprint)
      : uniqueValues_("unique value", "unique values", &Aggregator::Initialize,
                      &Aggregator::Aggregate, &Aggregator::FirstFinal, &Aggregator::NextFinal,
                      fingerprint),
        multiplicity_("multiplicity", "multiplicities", &Multiplicity, fingerprint) {}

 private:
  DerivedType<WithMultiplicity<T>, T, kNotFingerprinted> type_;
  Prop uniqueValues_;
  Prop multiplicity_;
};

// "minimum", "maximum" and "extrema" of a sequence of T, by `Order`.
template <class T, class Order = std::less<T>>
class ExtremumInspector {
 public:
  using Single = extremum_aggregator<T, T, Order>;
  using Pair = extremum_aggregator<T, InspectorTuple2<T, T>, Order>;

  explicit ExtremumInspector(FingerprintFunction fingerprint)
      : minimum_("minimum", "minima", &Single::Initialize, &Single::Aggregate, &Single::Minimum,
                 &Single::NextFinal, fingerprint),
        maximum_("maximum", "maxima", &Single::Initialize, &Single::Aggregate, &Single::Maximum,
                 &Single::NextFinal, fingerprint),
        extrema_("extrema", "extremas", &Pair::Initialize, &Pair::Aggregate, &Pair::Extrema,
                 &Pair::NextFinal, fingerprint) {}

 private:
  Prop minimum_;
  Prop maximum_;
  Prop extrema_;
};

// Equality and order relations (T's operators ==, < and <=), unique values and
// extrema of T (by `Order`).
template <class T, class Order = std::less<T>>
class ComparableInspectorRegistration {
 public:
  explicit ComparableInspectorRegistration(FingerprintFunction fingerprint)
      : equal_(fingerprint),
        less_(fingerprint),
        lessOrEqual_(fingerprint),
        uniqueValues_(fingerprint),
        extrema_(fingerprint) {}

 private:
  RelationEqual<T, T> equal_;
  RelationLess<T, T> less_;
  RelationLessOrEqual<T, T> lessOrEqual_;
  UniqueValuesInspectorRegistration<T, Order> uniqueValues_;
  ExtremumInspector<T, Order> extrema_;
};

// Negation, sum and difference of T, with T's operators -, + and -.
template <class T>
class AdditiveInspectorRegistration {
 public:
  explicit AdditiveInspectorRegistration(FingerprintFunction fingerprint)
      : negation_(fingerprint), sum_(fingerprint), difference_(fingerprint) {}

 private:
  UnaryOperatorMinus<T, T> negation_;
  OperatorPlus<T, T, T> sum_;
  BinaryOperatorMinus<T, T, T> difference_;
};

// L + R, L - R, L * R and L / R, each giving Res, with the operands' operators.
template <class L, class R, class Res>
class ArithmeticInspectorRegistration {
 public:
  explicit ArithmeticInspectorRegistration(FingerprintFunction fingerprint)
      : plus_(fingerprint), minus_(fingerprint), times_(fingerprint), divide_(fingerprint) {}

 private:
  OperatorPlus<L, R, Res> plus_;
  BinaryOperatorMinus<L, R, Res> minus_;
  OperatorTimes<L, R, Res> times_;
  OperatorDivide<L, R, Res> divide_;
};

// A time range times a value (either way round) pairs them, range first. The pair
// refers to the two operands.
template <class T, class Range = time_range>
class TimedValueRegistration {
 public:
  static TimedValue<T, Range> RangeTimesValue(Range const& range, T const& value) {
    return TimedValue<T, Range>(range, value);
  }
  static TimedValue<T, Range> ValueTimesRange(T const& value, Range const& range) {
    return TimedValue<T, Range>(range, value);
  }

  TimedValueRegistration()
      : rangeTimesValue_(kDependsOnlyOnParameters, &RangeTimesValue),
        valueTimesRange_(kDependsOnlyOnParameters, &ValueTimesRange) {}

 private:
  OperatorTimes<Range, T, TimedValue<T, Range>> rangeTimesValue_;
  OperatorTimes<T, Range, TimedValue<T, Range>> valueTimesRange_;
};

}  // namespace inspectors
