#pragma once
// Growth of money over a number of periods, the building block of every
// annuity formula.

#include <optional>

namespace quorvel::finance::detail {

struct Growth {
  double factor;   // (1 + rate)^periods
  double annuity;  // ((1 + rate)^periods - 1) / rate; periods when rate is 0
};

// The growth of `rate` over `periods` (which may be negative or fractional).
// None when an argument is not finite, when 1 + rate is not positive and
// `periods` is fractional (no real power), or when a part overflows.
std::optional<Growth> Grow(double rate, double periods);

// The annuity factor A(r) = ((1+r)^m - 1) / r and its slope dA/dr, for
// 1 + r > 0, given log1p(r) and (1+r)^m. Accurate near r = 0, where the slope
// tends to m (m - 1) / 2.
struct AnnuitySlope {
  double annuity;
  double slope;
};
AnnuitySlope AnnuityWithSlope(double rate, double periods, double log1p_rate, double factor);

}  // namespace quorvel::finance::detail
