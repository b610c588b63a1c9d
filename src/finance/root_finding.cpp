#include "finance/root_finding.h"

#include <algorithm>
#include <boost/math/policies/policy.hpp>
#include <boost/math/tools/toms748_solve.hpp>
#include <cmath>
#include <cstdint>
#include <limits>
#include <utility>

namespace quorvel::finance::detail {
namespace {

// A root must cancel its terms to about nine digits. Rounding leaves a true
// root's residual far below this even over tens of thousands of terms.
constexpr double kResidualTolerance = 1e-9;
constexpr int kNewtonSteps = 60;
// Newton stops when its step is this small against the rate; the step after
// a small one is far smaller still, so the last iterate is accurate.
constexpr double kNewtonStepTolerance = 1e-12;

// Rates are sought in y = log(1 + r), which maps (-1, inf) onto the whole
// line, between these bounds: 1 + r down to about 1e-13, and rates up to 1e10
// per period. Closer to -100 % or higher up, 1 + r and r are too coarse in
// double precision for an equation's value to be told from 0, and an
// equation that only levels off towards 0 would pass for a root there.
constexpr double kMinLogGrowth = -30.0;
constexpr double kMaxLogGrowth = 23.025850930040455;  // log(1 + 1e10)
// The search steps outwards from the guess in steps that start small and
// grow with the distance covered, but stay fine where roots crowd: within
// kFineStep near y = 0 (rates near 0 %), elsewhere within a tenth of |y|.
constexpr double kFirstStep = 1e-3;
constexpr double kStepGrowth = 0.5;  // a step is at most half the distance covered
constexpr double kFineStep = 0.02;
constexpr double kRelativeStep = 0.1;
constexpr std::uintmax_t kBracketSteps = 100;
// The bracketing solver stops at this relative width; Newton steps then
// polish the root to full precision. Near a root the equation's value is
// mostly rounding noise, on which narrowing the bracket further is slow.
constexpr double kBracketTolerance = 1e-9;
constexpr int kPolishSteps = 3;
// A turning point only needs to be found well enough to tell its sign; and
// a wildly wavering equation gets only so many looks at its turns, which
// bounds the time of a search over a long list of cash flows.
constexpr double kTurnTolerance = 1e-6;
constexpr int kMostTurns = 16;

bool InDomain(double rate) {
  return rate > -1.0 && rate <= std::expm1(kMaxLogGrowth) && std::log1p(rate) >= kMinLogGrowth;
}

bool Negative(double value) { return value < 0.0; }

// A root that is not a sign change must at least stand out: an equation that
// merely creeps towards 0 is as small a little way off, a touching (double)
// root is not.
bool Confirmed(const RateEquation& equation, double rate) {
  const EquationSample at = equation(rate);
  if (!IsRoot(at)) return false;
  const double y = std::log1p(rate);
  const double delta = 1e-6 * std::max(1.0, std::abs(y));
  const double below = equation(std::expm1(y - delta)).value;
  const double above = equation(std::expm1(y + delta)).value;
  if (!std::isfinite(below) || !std::isfinite(above)) return false;
  if (below != 0.0 && above != 0.0 && Negative(below) != Negative(above)) return true;
  return std::abs(at.value) <= 0.5 * std::min(std::abs(below), std::abs(above));
}

std::optional<double> Newton(const RateEquation& equation, double guess) {
  double rate = guess;
  for (int step = 0; step < kNewtonSteps; ++step) {
    const EquationSample sample = equation(rate);
    if (!std::isfinite(sample.value) || !std::isfinite(sample.slope)) return std::nullopt;
    if (sample.value == 0.0) return Confirmed(equation, rate) ? std::optional(rate) : std::nullopt;
    if (sample.slope == 0.0) return std::nullopt;  // flat: Newton cannot go on
    const double next = rate - sample.value / sample.slope;
    if (!std::isfinite(next) || !InDomain(next)) return std::nullopt;
    if (std::abs(next - rate) <= kNewtonStepTolerance * std::max(1.0, std::abs(next))) {
      return Confirmed(equation, next) ? std::optional(next) : std::nullopt;
    }
    rate = next;
  }
  return std::nullopt;  // stalled or running away
}

using NoThrow = boost::math::policies::policy<
    boost::math::policies::domain_error<boost::math::policies::ignore_error>,
    boost::math::policies::evaluation_error<boost::math::policies::ignore_error>>;

// The bracket, narrowed to a relative width of `tolerance` (or 1e-15
// absolute, for a change right at 0), in which `f` changes sign between
// log-growths `low` and `high`.
template <typename F>
std::optional<std::pair<double, double>> Narrow(F f, double low, double f_low, double high,
                                                double f_high, double tolerance) {
  auto close_enough = [tolerance](double a, double b) {
    return std::abs(a - b) <= std::max(1e-15, tolerance * std::max(std::abs(a), std::abs(b)));
  };
  std::uintmax_t steps = kBracketSteps;
  const auto bracket = boost::math::tools::toms748_solve(f, low, high, f_low, f_high, close_enough,
                                                         steps, NoThrow());
  if (!std::isfinite(bracket.first) || !std::isfinite(bracket.second)) return std::nullopt;
  return bracket;
}

// Of a bracket's two ends, the one where `f` is nearer 0.
template <typename F>
double BetterEnd(F f, std::pair<double, double> bracket) {
  return std::abs(f(bracket.first)) <= std::abs(f(bracket.second)) ? bracket.first : bracket.second;
}

// A sample of the equation at one log-growth.
struct Point {
  double y;
  double value;
  double slope;
};

class Search {
 public:
  Search(const RateEquation& equation, double centre) : equation_(equation), centre_(centre) {}

  Point At(double y) const {
    const EquationSample sample = equation_(std::expm1(y));
    return {y, sample.value, sample.slope};
  }

  // The roots between two neighbouring samples (low.y < high.y): at a change
  // of sign; or, where the values share a sign but the slopes say the
  // equation turns back towards 0 in between, on either side of that turning
  // point if it reaches across 0. The second catches a narrow dip across 0
  // that falls between two samples.
  void Examine(const Point& low, const Point& high) {
    if (low.value == 0.0 || high.value == 0.0) {
      for (const Point& end : {low, high}) {
        if (end.value == 0.0 && Confirmed(equation_, std::expm1(end.y))) Keep(end.y);
      }
      return;
    }
    if (Negative(low.value) != Negative(high.value)) {
      Solve(low, high);
      return;
    }
    const bool turns =
        Negative(low.value) ? low.slope > 0 && high.slope < 0 : low.slope < 0 && high.slope > 0;
    if (!turns || !std::isfinite(low.slope) || !std::isfinite(high.slope)) return;
    if (++turns_examined_ > kMostTurns) return;
    auto slope_at = [this](double y) { return At(y).slope; };
    const auto turn_bracket =
        Narrow(slope_at, low.y, low.slope, high.y, high.slope, kTurnTolerance);
    if (!turn_bracket) return;
    const Point turn = At(BetterEnd(slope_at, *turn_bracket));
    if (!std::isfinite(turn.value)) return;
    if (turn.value == 0.0) {
      if (Confirmed(equation_, std::expm1(turn.y))) Keep(turn.y);
    } else if (Negative(turn.value) != Negative(low.value)) {
      Solve(low, turn);
      Solve(turn, high);
    }
  }

  bool Found() const { return found_; }
  // The root nearest the centre, as a log-growth.
  double Best() const { return best_; }

 private:
  void Solve(const Point& low, const Point& high) {
    auto value_at = [this](double y) { return At(y).value; };
    const auto bracket = Narrow(value_at, low.y, low.value, high.y, high.value, kBracketTolerance);
    if (!bracket) return;
    double root = Polish(BetterEnd(value_at, *bracket), bracket->first, bracket->second);
    if (!IsRoot(equation_(std::expm1(root)))) {
      // Newton could not finish (a slope out of range, say): narrow the
      // bracket to the last bit instead.
      const auto [a, b] = *bracket;
      const auto tight = Narrow(value_at, a, value_at(a), b, value_at(b), 0.0);
      if (!tight) return;
      root = BetterEnd(value_at, *tight);
    }
    if (IsRoot(equation_(std::expm1(root)))) Keep(root);
  }

  // Newton steps from a bracketed root, kept while they stay inside the
  // bracket and make the value smaller.
  double Polish(double y, double low, double high) const {
    Point at = At(y);
    for (int step = 0; step < kPolishSteps && at.value != 0.0 && at.slope != 0.0; ++step) {
      const double next_rate = std::expm1(y) - at.value / at.slope;
      if (!(next_rate > -1.0)) break;
      const double next_y = std::log1p(next_rate);
      if (!(next_y >= low && next_y <= high) || next_y == y) break;
      const Point next = At(next_y);
      if (!(std::abs(next.value) < std::abs(at.value))) break;
      y = next_y;
      at = next;
    }
    return y;
  }

  void Keep(double y) {
    if (!found_ || std::abs(y - centre_) < std::abs(best_ - centre_)) best_ = y;
    found_ = true;
  }

  const RateEquation& equation_;
  double centre_;
  bool found_ = false;
  double best_ = 0.0;
  int turns_examined_ = 0;
};

std::optional<double> Bracketing(const RateEquation& equation, double guess) {
  const bool guess_usable = std::isfinite(guess) && guess > -1.0;
  const double centre =
      guess_usable ? std::clamp(std::log1p(guess), kMinLogGrowth, kMaxLogGrowth) : 0.0;
  Search search(equation, centre);
  const Point middle = search.At(centre);
  if (!std::isfinite(middle.value)) return std::nullopt;
  if (middle.value == 0.0 && Confirmed(equation, std::expm1(centre))) return std::expm1(centre);

  struct Side {
    double direction;
    Point last;
    bool open;
    double Distance(double from) const { return std::abs(last.y - from); }
  };
  Side sides[] = {{-1.0, middle, centre > kMinLogGrowth}, {1.0, middle, centre < kMaxLogGrowth}};
  // Step outwards, always on the side that has covered less, so that roots
  // are met roughly in order of distance; once one is found, the other side
  // goes on only as far as that root, in case a nearer one lies there.
  while (sides[0].open || sides[1].open) {
    Side& side =
        !sides[1].open || (sides[0].open && sides[0].Distance(centre) <= sides[1].Distance(centre))
            ? sides[0]
            : sides[1];
    const double covered = side.Distance(centre);
    if (search.Found() && covered >= std::abs(search.Best() - centre)) {
      side.open = false;
      continue;
    }
    const double step = std::min(std::max(kFirstStep, kStepGrowth * covered),
                                 std::max(kFineStep, kRelativeStep * std::abs(side.last.y)));
    const double y = std::clamp(side.last.y + side.direction * step, kMinLogGrowth, kMaxLogGrowth);
    const Point next = search.At(y);
    if (!std::isfinite(next.value)) {
      side.open = false;
      continue;
    }
    if (side.direction > 0) {
      search.Examine(side.last, next);
    } else {
      search.Examine(next, side.last);
    }
    side.last = next;
    side.open = y > kMinLogGrowth && y < kMaxLogGrowth;
  }
  if (!search.Found()) return std::nullopt;
  return std::expm1(search.Best());
}

}  // namespace

bool IsRoot(const EquationSample& sample) {
  return std::isfinite(sample.value) && std::isfinite(sample.size) && sample.size > 0.0 &&
         std::abs(sample.value) <= kResidualTolerance * sample.size;
}

std::optional<double> SolveForRate(const RateEquation& equation, double guess) {
  try {
    if (std::isfinite(guess) && InDomain(guess)) {
      if (const auto root = Newton(equation, guess)) return root;
    }
    return Bracketing(equation, guess);
  } catch (...) {
    // The samplers and the solver are not meant to throw; should anything
    // inside them do so after all, there is simply no answer.
    return std::nullopt;
  }
}

}  // namespace quorvel::finance::detail
