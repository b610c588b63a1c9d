// Rate: the interest rate per period that balances the annuity equation.

#include <cmath>

#include "finance/compounding.h"
#include "finance/engine.h"
#include "finance/finite_result.h"
#include "finance/root_finding.h"

namespace quorvel::finance {
namespace {

using detail::AnnuityWithSlope;
using detail::EquationSample;

// E(r) = pv (1+r)^n + pmt (1 + r due) A(r) + fv, A(r) = ((1+r)^n - 1) / r,
// sampled as E(r) / (1 + (1+r)^n). The divisor keeps long terms and high
// rates in range and lets the value level off instead of racing away, which
// suits Newton; it is positive, so the roots and signs are those of E, and
// smooth, so the slope has no jump for the search to mistake for a turn.
struct Annuity {
  double nper;
  double pmt;
  double pv;
  double fv;
  double due;

  EquationSample operator()(double rate) const {
    const double log_growth = std::log1p(rate);
    const double exponent = nper * log_growth;
    const double timing = 1.0 + rate * due;
    if (exponent <= 0.0) {
      // (1+r)^n <= 1: E itself is in range.
      const double growth = std::exp(exponent);
      const auto [annuity, annuity_slope] = AnnuityWithSlope(rate, nper, log_growth, growth);
      const double payments = pmt * timing * annuity;
      const double value = pv * growth + payments + fv;
      const double slope =
          pv * nper * growth / (1.0 + rate) + pmt * due * annuity + pmt * timing * annuity_slope;
      const double size = std::abs(pv * growth) + std::abs(payments) + std::abs(fv);
      return Smoothed(value, slope, size, growth, nper * growth / (1.0 + rate));
    }
    // (1+r)^n > 1: work with E / (1+r)^n = pv + pmt (1 + r due) B(r) +
    // fv (1+r)^-n, where B(r) = (1 - (1+r)^-n) / r is minus the annuity
    // factor over -n periods; then E / (1 + (1+r)^n) is that over
    // 1 + (1+r)^-n.
    const double discount = std::exp(-exponent);
    const auto [back, back_slope] = AnnuityWithSlope(rate, -nper, log_growth, discount);
    const double payments = -pmt * timing * back;
    const double value = pv + payments + fv * discount;
    const double slope =
        -pmt * due * back - pmt * timing * back_slope - fv * nper * discount / (1.0 + rate);
    const double size = std::abs(pv) + std::abs(payments) + std::abs(fv * discount);
    return Smoothed(value, slope, size, discount, -nper * discount / (1.0 + rate));
  }

  // value / (1 + power) with its slope, power' being the slope of power.
  static EquationSample Smoothed(double value, double slope, double size, double power,
                                 double power_slope) {
    const double scale = 1.0 / (1.0 + power);
    return {value * scale, (slope - value * scale * power_slope) * scale, size * scale};
  }
};

}  // namespace

std::optional<double> Rate(double nper, double pmt, double pv, double fv, int due, double guess) {
  if (!detail::ValidDue(due) || !detail::AllFinite(nper, pmt, pv, fv)) return std::nullopt;
  const Annuity equation{nper, pmt, pv, fv, static_cast<double>(due)};
  const auto rate = detail::SolveForRate(equation, guess);
  if (!rate) return std::nullopt;
  return detail::Finite(*rate);
}

}  // namespace quorvel::finance
