// Linear and exponential projections, which no inspector makes and so no query
// reaches: their registrations as the evaluator describes them, and their results.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <string>
#include <tuple>

#include "host/embedding/embedding.h"
#include "inspectors/numbers/exponential_projection.h"
#include "inspectors/numbers/linear_projection.h"

namespace inspectors {
namespace {

moment SecondsAfter1970(std::int64_t seconds) {
  return AsMoment(Instant(seconds * 1'000'000));
}

time_interval Seconds(std::int64_t seconds) {
  return AsTime_interval(TimeInterval(seconds * 1'000'000));
}

TEST(Projections, AreRegisteredWithTheirProperties) {
  using Phrase = std::tuple<std::string, std::string, std::string, std::string>;
  std::set<Phrase> const expected = {
      // type, property, parameter, result
      {"linear projection", "rate", "", "rate"},
      {"linear projection", "extrapolation", "time", "floating point"},
      {"linear projection", "correlation coefficient", "", "floating point"},
      {"exponential projection", "rate", "time interval", "floating point"},
      {"exponential projection", "extrapolation", "time", "floating point"},
      {"exponential projection", "correlation coefficient", "", "floating point"},
  };
  evaluator::Session const session;
  std::set<Phrase> found;
  for (char const* type : {"linear projection", "exponential projection"}) {
    for (evaluator::PhraseInfo const& p : session.Describe(type)) {
      if (p.kind == "property" && p.objectType == type) {
        found.insert({type, p.name, p.parameterType, p.resultType});
      }
    }
  }
  EXPECT_EQ(found, expected);
}

TEST(Projections, ResultsCarryThePrecisionOfTheFit) {
  LinearProjection const line{{2, 1, 0.5, 0.01}};
  LinearProjection const falling{{-2, 1, -0.5, 0.01}};
  ExponentialProjection const doubling{{std::log(2.0), std::log(3.0), 0.9, 0.001}};
  struct {
    floating_point got;
    double value, threshold;
  } const cases[] = {
      {LinearExtrapolation(SecondsAfter1970(10), Of{}, line), 21, 0.21},
      {LinearProjectionRate(Of{}, line).perSecond, 2, 0.02},
      {LinearProjectionCorrelationCoefficient(Of{}, line), 0.5, 0.005},
      // A falling trend is as precise as a rising one.
      {LinearExtrapolation(SecondsAfter1970(10), Of{}, falling), -19, 0.19},
      {LinearProjectionRate(Of{}, falling).perSecond, -2, 0.02},
      {LinearProjectionCorrelationCoefficient(Of{}, falling), -0.5, 0.005},
      // Growth by 2 a second, from 3 in 1970.
      {ExponentialProjectionRate(Seconds(0), Of{}, doubling), 1, 0.001},
      {ExponentialProjectionRate(Seconds(3), Of{}, doubling), 8, 0.008},
      {ExponentialProjectionRate(Seconds(-1), Of{}, doubling), 0.5, 0.0005},
      {ExponentialExtrapolation(SecondsAfter1970(2), Of{}, doubling), 12, 0.012},
      {ExponentialProjectionCorrelationCoefficient(Of{}, doubling), 0.9, 0.0009},
  };
  for (auto const& c : cases) {
    EXPECT_NEAR(static_cast<double>(c.got.value), c.value, 1e-12 * std::fabs(c.value));
    EXPECT_NEAR(static_cast<double>(c.got.threshold), c.threshold, 1e-12 * c.threshold);
  }
  // Exact results raise nothing; growth beyond the doubles says it overflowed.
  EXPECT_EQ(cases[0].got.flags | cases[6].got.flags, 0u);
  floating_point const far = ExponentialExtrapolation(SecondsAfter1970(5000), Of{}, doubling);
  EXPECT_TRUE(std::isinf(far.value));
  EXPECT_TRUE(Overflow(far));
}

}  // namespace
}  // namespace inspectors
