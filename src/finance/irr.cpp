// IRR: the rate at which a list of periodic cash flows is worth nothing.

#include <algorithm>
#include <cmath>
#include <iterator>
#include <limits>
#include <optional>
#include <vector>

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

// A root where the slope vanishes too (flows such as 1, -2, 1, whose value
// only touches 0) is found by the solver only to about the square or cube
// root of the rounding noise: there the equation is flat, and everything
// within a wide band around the root evaluates to noise. The derivatives of
// the polynomial are not flat there: a double root is a simple root of the
// first derivative, a triple root of the second, and those can be found to
// full precision.
constexpr double kUnitRoundoff = std::numeric_limits<double>::epsilon() / 2;
// A simple root whose rounding band is narrower than this, relative to the
// root, is left as the solver found it.
constexpr double kSettled = 1e-13;
constexpr int kMostMultiplicity = 6;
// Roots of a derivative are looked for this near the solver's root (a root of
// multiplicity 6 is known to about the sixth root of the rounding noise).
constexpr double kReach = 1e-2;
constexpr int kDerivativeNewtonSteps = 50;

// The Taylor coefficients a[j] = P^(j)(t) / j! for j < count of the
// polynomial whose coefficients run from the highest power down, by repeated
// synthetic division; and the same sums built of the magnitudes of the
// coefficients and of t, against which rounding noise is judged.
struct Taylor {
  std::vector<double> value;
  std::vector<double> size;
};

template <typename Iterator>
Taylor TaylorAt(Iterator first, Iterator last, double t, int count) {
  std::vector<double> b(first, last);
  std::vector<double> m(b.size());
  std::transform(b.begin(), b.end(), m.begin(), [](double c) { return std::abs(c); });
  const double abs_t = std::abs(t);
  Taylor taylor{std::vector<double>(count), std::vector<double>(count)};
  for (int j = 0; j < count && static_cast<std::size_t>(j) < b.size(); ++j) {
    const std::size_t terms = b.size() - static_cast<std::size_t>(j);
    for (std::size_t i = 1; i < terms; ++i) {
      b[i] += b[i - 1] * t;
      m[i] += m[i - 1] * abs_t;
    }
    taylor.value[j] = b[terms - 1];
    taylor.size[j] = m[terms - 1];
  }
  return taylor;
}

// The root t of the polynomial moved to where a derivative vanishes, when t
// is a multiple root that rounding noise hides; none when t is a simple root
// or no derivative's root explains it.
template <typename Iterator>
std::optional<double> RefineMultipleRoot(Iterator first, Iterator last, double t) {
  const double terms = static_cast<double>(std::distance(first, last));
  auto noise = [terms](double size) { return terms * kUnitRoundoff * size; };
  const Taylor at_root = TaylorAt(first, last, t, 2);
  if (noise(at_root.size[0]) <= kSettled * std::abs(t) * std::abs(at_root.value[1])) {
    return std::nullopt;
  }
  // A polynomial of degree k has roots of multiplicity k at most; its
  // (k-1)-th derivative is the last one with a root.
  const int orders = std::min(kMostMultiplicity, static_cast<int>(terms) - 1);
  for (int order = 1; order < orders; ++order) {
    // Newton's method on the order-th derivative, whose slope is
    // (order + 1) a[order + 1].
    double u = t;
    Taylor at = TaylorAt(first, last, u, order + 2);
    for (int step = 0; step < kDerivativeNewtonSteps; ++step) {
      const double slope = (order + 1) * at.value[order + 1];
      if (slope == 0.0) break;
      const double next = u - at.value[order] / slope;
      if (!std::isfinite(next) || std::abs(next - t) > kReach * std::abs(t) || next == u) break;
      u = next;
      at = TaylorAt(first, last, u, order + 2);
    }
    const double slope = (order + 1) * std::abs(at.value[order + 1]);
    // The derivative's root is the multiple root only where the value itself
    // is still lost in the noise: of two distinct roots close together, the
    // point between them stands out, and the solver's own root is kept.
    const bool derivative_root = std::abs(at.value[order]) <= noise(at.size[order]);
    const bool settled = slope > 0.0 && noise(at.size[order]) <= kSettled * std::abs(u) * slope;
    if (derivative_root && settled && std::abs(at.value[0]) <= noise(at.size[0])) return u;
  }
  return std::nullopt;
}

// The rate refined as above, in the variable PresentValue uses at it.
double RefineRate(std::span<const double> values, double rate) {
  const double growth = 1.0 + rate;
  if (growth >= 1.0) {
    const auto d = RefineMultipleRoot(values.rbegin(), values.rend(), 1.0 / growth);
    return d && *d > 0.0 ? (1.0 - *d) / *d : rate;
  }
  const auto z = RefineMultipleRoot(values.begin(), values.end(), growth);
  return z && *z > 0.0 ? *z - 1.0 : rate;
}

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
  return detail::Finite(RefineRate(values, *rate));
}

}  // namespace quorvel::finance
