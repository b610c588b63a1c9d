// Conversion between nominal and effective annual rates, both in percent.
// The growth over a year is worked out through log1p and expm1: with many
// compounding periods the rate per period is tiny, and 1 + rate alone would
// already have dropped most of its digits before the power is taken. The
// steps run in extended precision, so that the one rounding to a double at
// the end is all that is left of their errors in the everyday cases.

#include <cmath>

#include "finance/engine.h"
#include "finance/finite_result.h"

namespace quorvel::finance {
namespace {

bool Convertible(double rate_percent, double periods) {
  return detail::AllFinite(rate_percent, periods) && periods >= 1.0 && rate_percent / 100.0 > 0.0;
}

// A rate worked out in extended precision, in percent, rounded once.
std::optional<double> Percent(long double fraction) {
  return detail::Finite(static_cast<double>(fraction * 100.0L));
}

}  // namespace

std::optional<double> EFFECT(double rate_percent, double periods) {
  if (!Convertible(rate_percent, periods)) return std::nullopt;
  const long double per_period = rate_percent / 100.0L / periods;
  // (1 + per_period)^periods - 1
  return Percent(std::expm1(periods * std::log1p(per_period)));
}

std::optional<double> NOMINAL(double rate_percent, double periods) {
  if (!Convertible(rate_percent, periods)) return std::nullopt;
  // (1 + rate)^(1 / periods) - 1, the rate of one period
  const long double per_period = std::expm1(std::log1p(rate_percent / 100.0L) / periods);
  return Percent(per_period * periods);
}

}  // namespace quorvel::finance
