#pragma once
// The search for an interest rate that balances an equation, shared by Rate
// and IRR.

#include <functional>
#include <optional>

namespace quorvel::finance::detail {

// An equation in the rate r, sampled at one r above -1: its value, its slope
// dvalue/dr, and the size of the terms that were added up to make the value
// (the sum of their magnitudes), against which a residual is judged. The
// sampler may scale the whole equation by any positive factor that suits r
// (to keep the terms in range), as long as value, slope and size share it.
struct EquationSample {
  double value;
  double slope;
  double size;
};
using RateEquation = std::function<EquationSample(double rate)>;

// A rate above -1 at which the equation's value is negligible against the
// size of its terms, or none. Newton's method from `guess` first; when it
// leaves the domain, stalls or runs away, a search outwards from the guess in
// y = log(1 + r) for a change of sign (or for a turn of the equation back
// across 0 between two samples), each one solved by bracketing, taking the
// root nearest the guess in y. Every stage has a bounded number of steps.
std::optional<double> SolveForRate(const RateEquation& equation, double guess);

// Whether the sample is a root: a finite value within the residual
// tolerance of a non-zero size.
bool IsRoot(const EquationSample& sample);

}  // namespace quorvel::finance::detail
