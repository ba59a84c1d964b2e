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
  using Phrase = std::tuple<std::string, std::string, std::string>;  // name, parameter, result
  struct {
    char const* type;
    std::set<Phrase> properties;
  } const cases[] = {
      {"linear projection",
       {{"rate", "", "rate"},
        {"extrapolation", "time", "floating point"},
        {"correlation coefficient", "", "floating point"}}},
      {"exponential projection",
       {{"rate", "time interval", "floating point"},
        {"extrapolation", "time", "floating point"},
        {"correlation coefficient", "", "floating point"}}},
  };
  evaluator::Session const session;
  for (auto const& c : cases) {
    std::set<Phrase> found;
    for (evaluator::PhraseInfo const& p : session.Describe(c.type)) {
      if (p.kind == "property" && p.objectType == c.type) {
        found.insert({p.name, p.parameterType, p.resultType});
      }
    }
    EXPECT_EQ(found, c.properties) << c.type;
  }
}

TEST(Projections, ResultsCarryThePrecisionOfTheFit) {
  LinearProjection const line{{2, 1, 0.5, 0.01}};
  floating_point const at10 = LinearExtrapolation(SecondsAfter1970(10), Of{}, line);
  EXPECT_EQ(at10.value, 21);
  EXPECT_NEAR(static_cast<double>(at10.threshold), 0.21, 1e-15);
  EXPECT_EQ(at10.flags, 0u);
  InspectorRate const rate = LinearProjectionRate(Of{}, line);
  EXPECT_EQ(rate.perSecond.value, 2);
  EXPECT_NEAR(static_cast<double>(rate.perSecond.threshold), 0.02, 1e-15);
  EXPECT_EQ(LinearProjectionCorrelationCoefficient(Of{}, line).value, 0.5);

  // A falling trend is as precise as a rising one.
  LinearProjection const falling{{-2, 1, -0.5, 0.01}};
  EXPECT_EQ(LinearExtrapolation(SecondsAfter1970(10), Of{}, falling).value, -19);
  EXPECT_NEAR(
      static_cast<double>(LinearExtrapolation(SecondsAfter1970(10), Of{}, falling).threshold), 0.19,
      1e-15);
  EXPECT_GT(LinearProjectionRate(Of{}, falling).perSecond.threshold, 0);
}

TEST(Projections, ExponentialTrendsGrowByTheirFactor) {
  ExponentialProjection const doubling{{std::log(2.0), std::log(3.0), 0.9, 0.001}};
  floating_point const none = ExponentialProjectionRate(Seconds(0), Of{}, doubling);
  EXPECT_EQ(none.value, 1);
  EXPECT_EQ(none.flags, 0u);
  EXPECT_NEAR(static_cast<double>(ExponentialProjectionRate(Seconds(3), Of{}, doubling).value), 8,
              1e-12);
  EXPECT_NEAR(static_cast<double>(ExponentialProjectionRate(Seconds(-1), Of{}, doubling).value),
              0.5, 1e-15);
  floating_point const at2 = ExponentialExtrapolation(SecondsAfter1970(2), Of{}, doubling);
  EXPECT_NEAR(static_cast<double>(at2.value), 12, 1e-12);
  EXPECT_NEAR(static_cast<double>(at2.threshold), 0.012, 1e-14);
  EXPECT_EQ(ExponentialProjectionCorrelationCoefficient(Of{}, doubling).value, 0.9);

  // Growth beyond the doubles is an infinity that says it overflowed.
  floating_point const far = ExponentialExtrapolation(SecondsAfter1970(5000), Of{}, doubling);
  EXPECT_TRUE(std::isinf(far.value));
  EXPECT_TRUE(Overflow(far));
}

}  // namespace
}  // namespace inspectors
