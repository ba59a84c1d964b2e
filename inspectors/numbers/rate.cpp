#include "inspectors/numbers/rate.h"

#include "foundation/const_data.h"
#include "foundation/inspector_string_copy.h"
#include "framework/inspector.h"
#include "inspectors/numbers/floating_point_text.h"

namespace inspectors {

namespace {

integer const kMicrosecondsPerSecond(1'000'000);

InspectorRate Rate(floating_point const& perSecond) {
  return InspectorRate{perSecond};
}

}  // namespace

bool operator==(InspectorRate const& a, InspectorRate const& b) noexcept {
  return a.perSecond == b.perSecond;
}
bool operator<(InspectorRate const& a, InspectorRate const& b) noexcept {
  return a.perSecond < b.perSecond;
}
bool operator<=(InspectorRate const& a, InspectorRate const& b) noexcept {
  return a.perSecond <= b.perSecond;
}
bool RateTotalOrder::operator()(InspectorRate const& a, InspectorRate const& b) const noexcept {
  return FloatingPointTotalOrder()(a.perSecond, b.perSecond);
}

InspectorRate operator-(InspectorRate const& r) {
  return Rate(-r.perSecond);
}
InspectorRate operator+(InspectorRate const& a, InspectorRate const& b) {
  return Rate(a.perSecond + b.perSecond);
}
InspectorRate operator-(InspectorRate const& a, InspectorRate const& b) {
  return Rate(a.perSecond - b.perSecond);
}
InspectorRate operator*(InspectorRate const& r, floating_point const& x) {
  return Rate(r.perSecond * x);
}
InspectorRate operator*(floating_point const& x, InspectorRate const& r) {
  return Rate(x * r.perSecond);
}
InspectorRate operator/(InspectorRate const& r, floating_point const& x) {
  return Rate(r.perSecond / x);
}

floating_point operator*(InspectorRate const& r, time_interval const& t) {
  return r.perSecond * t.microseconds / kMicrosecondsPerSecond;
}
floating_point operator*(time_interval const& t, InspectorRate const& r) {
  return r * t;
}
InspectorRate operator/(floating_point const& x, time_interval const& t) {
  return Rate(x / t.microseconds * kMicrosecondsPerSecond);
}

inspector_string asString(InspectorRate const& r) {
  FloatingPointText const number = MakeAsciiFloatingPoint(r.perSecond.value, r.perSecond.threshold);
  return CopyToInspectorString(ConstDataRope<1>(number.Bytes()) + ConstData(" per second"));
}

namespace {

using FP = floating_point;

Type<InspectorRate, kNotFingerprinted> const rateType;
ComparableInspectorRegistration<InspectorRate, RateTotalOrder> const comparable(
    kDependsOnlyOnParameters);
UnaryOperatorMinus<InspectorRate, InspectorRate> const negation(kDependsOnlyOnParameters);
OperatorPlus<InspectorRate, InspectorRate, InspectorRate> const sum(kDependsOnlyOnParameters);
BinaryOperatorMinus<InspectorRate, InspectorRate, InspectorRate> const difference(
    kDependsOnlyOnParameters);
OperatorTimes<InspectorRate, FP, InspectorRate> const scaled(kDependsOnlyOnParameters);
OperatorTimes<FP, InspectorRate, InspectorRate> const scaledFromLeft(kDependsOnlyOnParameters);
OperatorDivide<InspectorRate, FP, InspectorRate> const divided(kDependsOnlyOnParameters);
OperatorTimes<InspectorRate, time_interval, FP> const quantity(kDependsOnlyOnParameters);
OperatorTimes<time_interval, InspectorRate, FP> const quantityFromLeft(kDependsOnlyOnParameters);
OperatorDivide<FP, time_interval, InspectorRate> const perInterval(kDependsOnlyOnParameters);
Cast<InspectorRate, inspector_string> const string("string", &asString, kDependsOnlyOnParameters);

}  // namespace

}  // namespace inspectors
