// The closed-form time-value-of-money solvers: NPer, PV, FV and PMT.

#include <cmath>

#include "finance/compounding.h"
#include "finance/engine.h"
#include "finance/finite_result.h"

namespace quorvel::finance {

using detail::AllFinite;
using detail::Finite;
using detail::Grow;
using detail::ValidDue;

std::optional<double> NPer(double rate, double pmt, double pv, double fv, int due) {
  if (!ValidDue(due) || !AllFinite(rate, pmt, pv, fv)) return std::nullopt;
  if (rate == 0.0) {
    if (pmt == 0.0) return std::nullopt;
    return Finite(-(pv + fv) / pmt);
  }
  if (!(rate > -1.0)) return std::nullopt;  // ln(1 + r) needs 1 + r > 0
  const double timed_pmt = pmt * (1.0 + rate * due);
  const double numerator = timed_pmt - fv * rate;
  const double denominator = timed_pmt + pv * rate;
  if (denominator == 0.0) return std::nullopt;
  const double quotient = numerator / denominator;
  if (!(quotient > 0.0)) return std::nullopt;
  // The quotient is 1 + (numerator - denominator) / denominator; going through
  // log1p keeps the digits when it lies close to 1, as it does for small rates.
  const double excess = -(fv + pv) * rate / denominator;
  const double log_quotient = std::abs(excess) < 0.5 ? std::log1p(excess) : std::log(quotient);
  return Finite(log_quotient / std::log1p(rate));
}

std::optional<double> FV(double rate, double nper, double pmt, double pv, int due) {
  if (!ValidDue(due) || !AllFinite(pmt, pv)) return std::nullopt;
  const auto growth = Grow(rate, nper);
  if (!growth) return std::nullopt;
  return Finite(-(pv * growth->factor + pmt * (1.0 + rate * due) * growth->annuity));
}

std::optional<double> PV(double rate, double nper, double pmt, double fv, int due) {
  if (!ValidDue(due) || !AllFinite(pmt, fv)) return std::nullopt;
  // Discounting over -n periods is the closed form divided through by
  // (1+r)^n: the same value, without the overflow of (1+r)^n for long terms.
  // A zero (1+r)^n makes the discount infinite, and Grow refuses it.
  const auto discount = Grow(rate, -nper);
  if (!discount) return std::nullopt;
  return Finite(-(fv * discount->factor - pmt * (1.0 + rate * due) * discount->annuity));
}

std::optional<double> PMT(double rate, double nper, double pv, double fv, int due) {
  if (!ValidDue(due) || !AllFinite(rate, nper, pv, fv)) return std::nullopt;
  const double timing = 1.0 + rate * due;
  // When money grows over the term, divide the closed form through by
  // (1+r)^n so that a long term at a high rate does not overflow on the way
  // to a finite payment.
  const bool grows = 1.0 + rate > 0.0 && nper * std::log1p(rate) > 0.0;
  if (grows) {
    const auto discount = Grow(rate, -nper);
    if (!discount) return std::nullopt;
    const double denominator = -timing * discount->annuity;
    if (denominator == 0.0) return std::nullopt;
    return Finite(-(fv * discount->factor + pv) / denominator);
  }
  const auto growth = Grow(rate, nper);
  if (!growth) return std::nullopt;
  const double denominator = timing * growth->annuity;
  if (denominator == 0.0) return std::nullopt;
  return Finite(-(fv + pv * growth->factor) / denominator);
}

}  // namespace quorvel::finance
