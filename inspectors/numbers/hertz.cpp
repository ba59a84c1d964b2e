#include "inspectors/numbers/hertz.h"

#include "foundation/const_data.h"
#include "foundation/inspector_string_copy.h"
#include "foundation/numerals.h"
#include "framework/inspector.h"

namespace inspectors {

hertz HertzUnit() {
  return hertz{integer(1)};
}
hertz KilohertzUnit() {
  return hertz{integer(1'000)};
}
hertz MegahertzUnit() {
  return hertz{integer(1'000'000)};
}
hertz GigahertzUnit() {
  return hertz{integer(1'000'000'000)};
}
hertz GreatestHertz() {
  return hertz{greatest_integer_of()};
}
hertz LeastHertz() {
  return hertz{least_integer_of()};
}

boolean operator==(hertz const& a, hertz const& b) {
  return a.count == b.count;
}
boolean operator<(hertz const& a, hertz const& b) {
  return a.count < b.count;
}
boolean operator<=(hertz const& a, hertz const& b) {
  return a.count <= b.count;
}

hertz operator-(hertz const& a) {
  return hertz{-a.count};
}
hertz operator+(hertz const& a, hertz const& b) {
  return hertz{a.count + b.count};
}
hertz operator-(hertz const& a, hertz const& b) {
  return hertz{a.count - b.count};
}
hertz operator*(hertz const& a, integer const& n) {
  return hertz{a.count * n};
}
hertz operator*(integer const& n, hertz const& a) {
  return hertz{n * a.count};
}
integer operator/(hertz const& a, hertz const& b) {
  return a.count / b.count;
}
hertz operator/(hertz const& a, integer const& n) {
  return hertz{a.count / n};
}
hertz operator%(hertz const& a, hertz const& b) {
  return hertz{a.count % b.count};
}
hertz AbsoluteValue(Of, hertz const& a) {
  return hertz{absolute_value_of(a.count)};
}

inspector_string HertzAsString(hertz const& h) {
  Numeral const digits(h.count.get());
  return CopyToInspectorString(ConstDataRope<1>(digits.Text()) + ConstData(" hertz"));
}

Fingerprinter& operator<<(Fingerprinter& f, hertz const& h) {
  return f << h.count;
}

namespace {

Type<hertz, kFingerprinted> const hertzType;
GlobalProperty<hertz> const hz("hz", "hzs", &HertzUnit, kDependsOnlyOnParameters);
GlobalProperty<hertz> const khz("khz", "khzs", &KilohertzUnit, kDependsOnlyOnParameters);
GlobalProperty<hertz> const mhz("mhz", "mhzs", &MegahertzUnit, kDependsOnlyOnParameters);
GlobalProperty<hertz> const ghz("ghz", "ghzs", &GigahertzUnit, kDependsOnlyOnParameters);
ComparableInspectorRegistration<hertz> const comparable(kDependsOnlyOnParameters);
Cast<hertz, inspector_string> const asString("string", &HertzAsString, kDependsOnlyOnParameters);
AdditiveInspectorRegistration<hertz> const additive(kDependsOnlyOnParameters);
OperatorTimes<hertz, integer, hertz> const scaled(kDependsOnlyOnParameters);
OperatorTimes<integer, hertz, hertz> const scaledFromLeft(kDependsOnlyOnParameters);
OperatorDivide<hertz, hertz, integer> const ratio(kDependsOnlyOnParameters);
OperatorDivide<hertz, integer, hertz> const divided(kDependsOnlyOnParameters);
OperatorModulo<hertz, hertz, hertz> const remainder(kDependsOnlyOnParameters);
Prop const absoluteValue("absolute value", "absolute values", &AbsoluteValue,
                         kDependsOnlyOnParameters);
GlobalProperty<hertz> const greatest("greatest hz", "greatest hzs", &GreatestHertz,
                                     kDependsOnlyOnParameters);
GlobalProperty<hertz> const least("least hz", "least hzs", &LeastHertz, kDependsOnlyOnParameters);

}  // namespace

}  // namespace inspectors
