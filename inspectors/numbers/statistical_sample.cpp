#include "inspectors/numbers/statistical_sample.h"

#include <algorithm>
#include <cmath>

namespace inspectors {

StatisticalSample::StatisticalSample(double x) noexcept : sampleCount(1.0) {
  if (std::isnan(x)) return;
  values = CentredMoments{1.0, x, 0.0, 0.0, 0.0};
  minimum = x;
  maximum = x;
  if (x != 0.0) logarithms = CentredMoments{1.0, std::log(std::fabs(x)), 0.0, 0.0, 0.0};
}

StatisticalSample& StatisticalSample::operator+=(StatisticalSample const& other) noexcept {
  if (sampleCount == 0.0) return *this;
  if (other.sampleCount == 0.0) return *this = other;
  values += other.values;
  logarithms += other.logarithms;
  minimum = std::min(minimum, other.minimum);
  maximum = std::max(maximum, other.maximum);
  return *this;
}

}  // namespace inspectors
