// IRR: the rate at which a list of periodic cash flows is worth nothing.

#include <algorithm>
#include <cmath>

#include "finance/engine.h"
#include "finance/finite_result.h"
#include "finance/root_finding.h"

namespace quorvel::finance {
namespace {

using detail::EquationSample;

// A polynomial sum of c[j] x^j with its derivative and the sum of
// |c[j]| x^j, by Horner's rule over the coefficients from the highest power
// down. Two coefficients a step (p x^2 + (a x + b)) halve the chain of
// dependent multiply-adds, which is what bounds the time over a long list.
struct Polynomial {
  double value;
  double slope;
  double size;
};

template <typename Iterator>
Polynomial Evaluate(Iterator first, Iterator last, double x) {
  double value = 0.0;
  double slope = 0.0;
  double size = 0.0;
  if ((last - first) % 2 == 1) {
    value = *first;
    size = std::abs(*first);
    ++first;
  }
  const double square = x * x;
  const double twice = 2.0 * x;
  for (; first != last; first += 2) {
    const double a = first[0];
    const double b = first[1];
    slope = slope * square + (twice * value + a);
    value = value * square + (a * x + b);
    size = size * square + (std::abs(a) * x + std::abs(b));
  }
  return {value, slope, size};
}

// NPV(x) = sum of v[i] (1+x)^-i over i = 0..k, sampled as
// NPV(x) (1+x)^k / (1 + (1+x)^k): a positive, smooth multiple that keeps
// every partial sum in range however long the list. For 1 + x >= 1 the sum
// is a polynomial in d = 1 / (1+x) and the multiple is 1 / (1 + d^k); below,
// it is (1+x)^k NPV(x), a polynomial in z = 1 + x, over 1 + z^k. Either way
// the powers shrink along the list.
struct PresentValue {
  std::span<const double> values;

  EquationSample operator()(double rate) const {
    const double growth = 1.0 + rate;
    const auto last = static_cast<double>(values.size() - 1);
    if (growth >= 1.0) {
      const double d = 1.0 / growth;
      // v[k] carries the highest power of d.
      const Polynomial sum = Evaluate(values.rbegin(), values.rend(), d);
      // dNPV/dx = dNPV/dd dd/dx, with dd/dx = -d^2.
      const double power = std::pow(d, last);
      return Smoothed(sum.value, -sum.slope * d * d, sum.size, power, -last * power * d);
    }
    // v[0] carries the highest power of z.
    const Polynomial sum = Evaluate(values.begin(), values.end(), growth);
    const double power = std::pow(growth, last);
    return Smoothed(sum.value, sum.slope, sum.size, power, last * power / growth);
  }

  // value / (1 + power) with its slope, power' being the slope of power.
  static EquationSample Smoothed(double value, double slope, double size, double power,
                                 double power_slope) {
    const double scale = 1.0 / (1.0 + power);
    return {value * scale, (slope - value * scale * power_slope) * scale, size * scale};
  }
};

}  // namespace

std::optional<double> IRR(std::span<const double> values, double guess) {
  if (!std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); })) {
    return std::nullopt;
  }
  const bool negative = std::any_of(values.begin(), values.end(), [](double v) { return v < 0; });
  const bool positive = std::any_of(values.begin(), values.end(), [](double v) { return v > 0; });
  if (!negative || !positive) return std::nullopt;
  const auto rate = detail::SolveForRate(PresentValue{values}, guess);
  if (!rate) return std::nullopt;
  return detail::Finite(*rate);
}

}  // namespace quorvel::finance
