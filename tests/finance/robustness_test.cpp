// Whatever the arguments, the engine answers with a finite number or with
// none: never infinity, NaN, an exception or an endless loop.

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <vector>

#include "finance/engine.h"

namespace quorvel::finance {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kWild[] = {0.0,       -0.0,   1.0,   -1.0,  0.5,   -0.5,   -0.999999,
                            -1.000001, -2.0,   2.5,   12.0,  32766, 32767,  1e-300,
                            -1e-300,   5e-324, 1e15,  -1e15, 1e300, -1e300, kMax,
                            -kMax,     kInf,   -kInf, NAN};

TEST(Robustness, WildArgumentsGiveFiniteResultsOrNone) {
  std::mt19937_64 random(20240229);
  std::bernoulli_distribution coin;
  std::uniform_int_distribution<std::size_t> pick(0, std::size(kWild) - 1), length(0, 12);
  std::uniform_real_distribution<double> unit(-1.0, 1.0);
  std::uniform_int_distribution<int> exponent(-60, 60), dues(-1, 2);
  // Half the time a value from the list above, else an ordinary-looking
  // figure of random size and sign.
  auto next = [&] {
    return coin(random) ? kWild[pick(random)] : std::ldexp(unit(random), exponent(random));
  };
  auto finite_or_none = [](std::optional<double> result) {
    return !result || std::isfinite(*result);
  };
  for (int trial = 0; trial < 20000; ++trial) {
    const double a = next(), b = next(), c = next(), d = next(), e = next();
    const int due = dues(random);
    std::vector<double> values(length(random));
    for (double& v : values) v = next();
    EXPECT_TRUE(finite_or_none(NPer(a, b, c, d, due))) << trial;
    EXPECT_TRUE(finite_or_none(Rate(a, b, c, d, due, e))) << trial;
    EXPECT_TRUE(finite_or_none(PV(a, b, c, d, due))) << trial;
    EXPECT_TRUE(finite_or_none(FV(a, b, c, d, due))) << trial;
    EXPECT_TRUE(finite_or_none(PMT(a, b, c, d, due))) << trial;
    EXPECT_TRUE(finite_or_none(IPMT(a, b, c, d, e, due))) << trial;
    EXPECT_TRUE(finite_or_none(PPMT(a, b, c, d, e, due))) << trial;
    if (trial % 50 == 0) {  // the totals may loop over 32766 periods
      EXPECT_TRUE(finite_or_none(TPPMT(a, b, c, d, e, due))) << trial;
      EXPECT_TRUE(finite_or_none(TIPMT(a, b, c, d, e, due))) << trial;
      EXPECT_TRUE(finite_or_none(BAL(a, b, c, d, e, due))) << trial;
    }
    EXPECT_TRUE(finite_or_none(NPV(a, values))) << trial;
    EXPECT_TRUE(finite_or_none(IRR(values, b))) << trial;
    EXPECT_TRUE(finite_or_none(MIRR(values, a, b))) << trial;
    EXPECT_TRUE(finite_or_none(EFFECT(a, b))) << trial;
    EXPECT_TRUE(finite_or_none(NOMINAL(a, b))) << trial;
  }
}

}  // namespace
}  // namespace quorvel::finance
