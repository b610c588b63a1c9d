#include "finance/compounding.h"

#include <cmath>

#include "finance/finite_result.h"

namespace quorvel::finance::detail {

std::optional<Growth> Grow(double rate, double periods) {
  if (!AllFinite(rate, periods)) return std::nullopt;
  const double base = 1.0 + rate;
  Growth growth{};
  if (base > 0.0) {
    // Through log1p and expm1: (1+r)^n - 1 keeps its precision for small
    // rates, where 1 + r alone would already have lost most of r's digits.
    const double exponent = periods * std::log1p(rate);
    growth.factor = std::exp(exponent);
    growth.annuity = rate == 0.0 ? periods : std::expm1(exponent) / rate;
  } else {
    // A negative or zero base has a real power only for whole periods.
    if (std::trunc(periods) != periods) return std::nullopt;
    growth.factor = std::pow(base, periods);
    growth.annuity = (growth.factor - 1.0) / rate;
  }
  if (!AllFinite(growth.factor, growth.annuity)) return std::nullopt;
  return growth;
}

AnnuitySlope AnnuityWithSlope(double rate, double periods, double log1p_rate, double factor) {
  const double m = periods;
  if (rate == 0.0) return {m, m * (m - 1.0) / 2.0};
  const double annuity = std::expm1(m * log1p_rate) / rate;
  // The closed-form slope subtracts two nearly equal terms when r and m r are
  // tiny; the first terms of the binomial series are exact enough there.
  if (std::abs(rate) < 1e-6 && std::abs(m * rate) < 1e-6) {
    const double second = m * (m - 1.0) / 2.0;
    const double third = second * (m - 2.0) / 3.0;
    return {annuity, second + 2.0 * third * rate};
  }
  return {annuity, (m * factor / (1.0 + rate) - annuity) / rate};
}

}  // namespace quorvel::finance::detail
