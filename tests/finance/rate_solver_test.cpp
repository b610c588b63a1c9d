// Rate and IRR: the iteration must find a rate wherever one exists, prefer
// the one nearest the guess, and fail cleanly where none exists.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <vector>

#include "finance/engine.h"

namespace quorvel::finance {
namespace {

// The annuity equation's residual relative to its terms, in long double.
long double RelativeResidual(double r, double n, double pmt, double pv, double fv, int due) {
  const long double exponent =
      static_cast<long double>(n) * std::log1p(static_cast<long double>(r));
  const long double growth = std::exp(exponent);
  const long double payments =
      r == 0 ? pmt * static_cast<long double>(n) : pmt * (1 + r * due) * std::expm1(exponent) / r;
  return std::fabs(pv * growth + payments + fv) /
         (std::fabs(pv * growth) + std::fabs(payments) + std::fabs(fv * 1.0L));
}

TEST(RateSolver, FindsTheRate) {
  const struct {
    const char* what;
    double nper, pmt, pv, fv;
    int due;
    double guess, expected, tolerance;
  } cases[] = {
      {"monthly loan", 12, -88.85, 1000, 0, 0, 0.1, 0.0100022, 1e-6},
      {"guess far above", 12, -88.85, 1000, 0, 0, 5.0, 0.0100022, 1e-6},
      {"guess near -100%", 12, -88.85, 1000, 0, 0, -0.95, 0.0100022, 1e-6},
      {"guess below -100%", 12, -88.85, 1000, 0, 0, -3.0, 0.0100022, 1e-6},
      {"long annuity", 50, 35, -250, 0, 0, 0.1, 0.1397982897, 1e-9},
      {"long annuity from 0", 50, 35, -250, 0, 0, 0.0, 0.1397982897, 1e-9},
      {"short term, high rate", 4, 500, -600, 500, 0, 0.1, 0.8196220736, 1e-9},
      {"30-year mortgage", 360, -599.55, 100000, 0, 0, 0.1, 0.005, 1e-7},
      {"no interest", 10, -100, 1000, 0, 0, 0.1, 0.0, 1e-14},
      {"no interest, due", 10, -100, 1000, 0, 1, 0.1, 0.0, 1e-14},
      {"negative rate", 10, -90, 1000, 0, 0, 0.1, -0.0187117, 1e-6},
      {"savings, due", 120, -100, 0, 16469.87, 1, 0.1, 0.005, 1e-8},
      {"fractional term", 12.5, -88.85, 1000, 0, 0, 0.1, 0.0159080, 1e-6},
      // Positive only between roots near -0.8 % and -0.2 %, a dip that the
      // search's samples step over; the root nearer the guess is taken.
      {"narrow dip", 235, 237.92268261178353, -41230.615758376698, -18912.389671499208, 0, 0.1,
       -0.0020196596345, 1e-12},
      // Over two periods the equation is a quadratic: the flows -100, 230
      // and 230 - 362 = -132 balance at 10 % and at 20 %.
      {"two roots, low guess", 2, 230, -100, -362, 0, 0.05, 0.1, 1e-12},
      {"two roots, high guess", 2, 230, -100, -362, 0, 0.25, 0.2, 1e-12},
  };
  for (const auto& c : cases) {
    const auto rate = Rate(c.nper, c.pmt, c.pv, c.fv, c.due, c.guess);
    ASSERT_TRUE(rate.has_value()) << c.what;
    EXPECT_NEAR(*rate, c.expected, c.tolerance) << c.what;
    EXPECT_LE(RelativeResidual(*rate, c.nper, c.pmt, c.pv, c.fv, c.due), 1e-9L) << c.what;
  }
}

TEST(RateSolver, SmallRatesKeepTheirDigits) {
  // Near 0 a formula that divides by r, or takes (1+r)^n - 1 as it stands,
  // loses every digit.
  for (double rate : {1e-3, 1e-6, 1e-9, -1e-9, 1e-12}) {
    for (int due : {0, 1}) {
      const auto found = Rate(240, *PMT(rate, 240, 1e5, 0, due), 1e5, 0, due, 0.1);
      ASSERT_TRUE(found.has_value()) << rate;
      EXPECT_NEAR(*found, rate, 1e-6 * std::abs(rate) + 1e-15) << rate << " due " << due;
    }
  }
}

TEST(RateSolver, IrrWithSeveralRoots) {
  EXPECT_NEAR(*IRR(std::vector<double>{-100, 230, -132}, 0.05), 0.1, 1e-12);
  EXPECT_NEAR(*IRR(std::vector<double>{-100, 230, -132}, 0.25), 0.2, 1e-12);
  // 34 flows whose present value crosses 0 only at 13.7 % and 17.8 %, with
  // guesses on either side.
  const std::vector<double> values = {
      -516.86,  112.834, 622.071,  535.108,  -518.296, -746.588, -75.0723, 667.118,  29.136,
      -720.883, 850.54,  779.871,  -876.266, 922.976,  -50.0375, -681.35,  927.402,  -437.697,
      820.171,  154.795, -983.696, 507.94,   -409.299, -638.276, -475.639, -458.989, -858.684,
      -59.5723, 224.459, -729.013, -89.229,  -905.099, -77.365,  -722.751};
  EXPECT_NEAR(*IRR(values, 0.1), 0.1371588693, 1e-9);
  EXPECT_NEAR(*IRR(values, 1.29179), 0.1784682072, 1e-9);
  // A touching root: -(1 - 1/(1+x))^2 only reaches 0, at x = 0. In double
  // precision such a root is known to about the square root of the rounding.
  for (double guess : {0.1, 5.0, -0.5}) {
    const auto rate = IRR(std::vector<double>{-1, 2, -1}, guess);
    ASSERT_TRUE(rate.has_value()) << guess;
    EXPECT_NEAR(*rate, 0.0, 1e-7) << guess;
  }
}

TEST(RateSolver, FailsCleanlyWithoutARoot) {
  const struct {
    const char* what;
    std::optional<double> rate;
  } cases[] = {
      {"no payments, both amounts positive", Rate(10, 0, 100, 100, 0, 0.1)},
      {"everything received", Rate(12, 10, 100, 0, 0, 0.1)},
      {"everything paid", Rate(12, -10, -100, -5, 1, 0.1)},
      {"nothing at all", Rate(12, 0, 0, 0, 0, 0.1)},
      {"zero periods, unbalanced", Rate(0, -10, 100, 0, 0, 0.1)},
      // -100 (1+r): the equation only creeps towards 0 as r grows.
      {"root only at infinity", Rate(2, -100, 100, 0, 1, 0.1)},
      {"due 2", Rate(12, -88.85, 1000, 0, 2, 0.1)},
      {"infinite payment", Rate(12, -INFINITY, 1000, 0, 0, 0.1)},
      {"guess NaN, no root", Rate(10, 0, 100, 100, 0, NAN)},
  };
  for (const auto& c : cases) EXPECT_FALSE(c.rate.has_value()) << c.what << " " << *c.rate;
}

}  // namespace
}  // namespace quorvel::finance
