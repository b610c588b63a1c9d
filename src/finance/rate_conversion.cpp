// Conversion between nominal and effective annual rates, both in percent.
// Each runs its steps in one fixed order (percent to fraction, per period,
// growth, back to percent), so that a result can be reproduced to the last
// digit by hand.

#include <cmath>

#include "finance/engine.h"
#include "finance/finite_result.h"

namespace quorvel::finance {
namespace {

bool Convertible(double rate_percent, double periods) {
  return detail::AllFinite(rate_percent, periods) && periods >= 1.0 && rate_percent / 100.0 > 0.0;
}

}  // namespace

std::optional<double> EFFECT(double rate_percent, double periods) {
  if (!Convertible(rate_percent, periods)) return std::nullopt;
  const double per_period = rate_percent / 100.0 / periods;
  return detail::Finite((std::pow(1.0 + per_period, periods) - 1.0) * 100.0);
}

std::optional<double> NOMINAL(double rate_percent, double periods) {
  if (!Convertible(rate_percent, periods)) return std::nullopt;
  const double root = 1.0 / periods;
  const double growth = rate_percent / 100.0 + 1.0;
  return detail::Finite((std::pow(growth, root) - 1.0) * 100.0 * periods);
}

}  // namespace quorvel::finance
