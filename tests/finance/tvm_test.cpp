// The closed-form solvers NPer, PV, FV and PMT: the figures a user sees, the
// inputs without an answer, and the annuity equation that every solver's
// answer must balance.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>
#include <string>

#include "core/number_text.h"
#include "finance/engine.h"

namespace quorvel::finance {
namespace {

std::string Shown(std::optional<double> value) {
  return value ? FixedText(*value, "0.00") : "(none)";
}

TEST(TimeValueOfMoney, FiguresAndFailures) {
  const struct {
    const char* what;
    std::optional<double> result;
    const char* shown;
  } cases[] = {
      {"PMT 1% 12 1000", PMT(0.01, 12, 1000, 0, 0), "-88.85"},
      {"PMT due", PMT(0.01, 12, 1000, 0, 1), "-87.97"},
      {"NPer back from -88.85", NPer(0.01, -88.85, 1000, 0, 0), "12.00"},
      {"FV 0.5% 120 -100", FV(0.005, 120, -100, 0, 0), "16387.93"},
      {"FV due", FV(0.005, 120, -100, 0, 1), "16469.87"},
      {"PV 8% 10 -500", PV(0.08, 10, -500, 0, 0), "3355.04"},
      {"PV 0%", PV(0, 10, -500, 0, 0), "5000.00"},
      {"PV of nothing", PV(0, 0, 0, 0, 0), "0.00"},
      {"PMT 0% with fv", PMT(0, 10, 1000, 200, 0), "-120.00"},
      {"NPer 0%", NPer(0, -100, 1000, 0, 0), "10.00"},
      {"FV -200% over whole periods", FV(-2, 3, 0, 1, 0), "1.00"},
      // 100 % a period for 2000 periods: (1+r)^n overflows, the payment
      // (the interest alone) does not.
      {"PMT over a huge growth", PMT(1, 2000, 1000, 0, 0), "-1000.00"},
      {"NPer 0% no payment", NPer(0, 0, 1000, 0, 0), "(none)"},
      {"NPer payment below interest", NPer(0.1, -50, 1000, 0, 0), "(none)"},
      {"NPer zero denominator", NPer(0.1, -100, 1000, 0, 0), "(none)"},
      {"NPer -100%", NPer(-1, -100, 1000, 0, 0), "(none)"},
      {"PMT over 0 periods", PMT(0.01, 0, 1000, 0, 0), "(none)"},
      {"PMT -100% due", PMT(-1, 5, 1000, 0, 1), "(none)"},
      {"PV -100%", PV(-1, 5, -100, 0, 0), "(none)"},
      {"PV negative base, fractional n", PV(-1.5, 2.5, -100, 0, 0), "(none)"},
      {"FV negative base, fractional n", FV(-1.5, 2.5, -100, 0, 0), "(none)"},
      {"PMT negative base, fractional n", PMT(-1.5, 2.5, 1000, 0, 0), "(none)"},
      {"FV overflow", FV(1, 2000, -100, 1000, 0), "(none)"},
      {"PV overflow", PV(-0.9, 400, -100, 0, 0), "(none)"},
      {"FV due 2", FV(0.01, 12, -100, 0, 2), "(none)"},
      {"PMT infinite pv", PMT(0.01, 12, INFINITY, 0, 0), "(none)"},
  };
  for (const auto& c : cases) EXPECT_EQ(Shown(c.result), c.shown) << c.what;
  EXPECT_NEAR(*NPer(0.01, -88.85, 1000, 0, 0), 11.9998, 5e-5);
}

// The annuity equation in long double, ((1+r)^n - 1) through expm1 so that
// it stays exact near r = 0: its value, the size of its terms, and its
// sensitivity to pv and to pmt.
struct Residual {
  long double value, size, per_pv, per_pmt;
};
Residual Annuity(double r, double n, double pmt, double pv, double fv, int due) {
  const long double rate = r;
  const long double exponent = static_cast<long double>(n) * std::log1p(rate);
  const long double per_pv = std::exp(exponent);
  const long double per_pmt =
      r == 0 ? static_cast<long double>(n) : (1.0L + rate * due) * std::expm1(exponent) / rate;
  return {pv * per_pv + pmt * per_pmt + fv,
          std::fabs(pv * per_pv) + std::fabs(pmt * per_pmt) + std::fabs(fv * 1.0L), per_pv,
          std::fabs(per_pmt)};
}

// Random annuities solved for each quantity in turn: every answer balances
// the equation, and PV and PMT give back the figure that built the annuity.
TEST(TimeValueOfMoney, EverySolverBalancesTheAnnuityEquation) {
  std::mt19937_64 random(20050217);
  std::uniform_real_distribution<double> rates(-0.05, 0.3), amounts(-1e5, 1e5);
  std::uniform_int_distribution<int> terms(1, 480), dues(0, 1);
  for (int trial = 0; trial < 2000; ++trial) {
    const double r = trial % 10 == 0 ? 0.0 : rates(random);
    const double n = terms(random) + (trial % 3 == 0 ? 0.25 : 0.0);
    const double pv = amounts(random), pmt = amounts(random) / 100;
    const int due = dues(random);
    const auto balanced = [&](const char* what, double r2, double n2, double pmt2, double pv2,
                              double fv2) {
      const Residual at = Annuity(r2, n2, pmt2, pv2, fv2, due);
      EXPECT_LE(std::fabs(at.value), 1e-9L * at.size)
          << what << ": r=" << r << " n=" << n << " pmt=" << pmt << " pv=" << pv;
    };
    const double fv = *FV(r, n, pmt, pv, due);
    balanced("FV", r, n, pmt, pv, fv);
    // A part in 10^9 of the terms, in pv and pmt units.
    const Residual built = Annuity(r, n, pmt, pv, fv, due);
    EXPECT_NEAR(*PV(r, n, pmt, fv, due), pv,
                static_cast<double>(1e-9L * built.size / built.per_pv));
    EXPECT_NEAR(*PMT(r, n, pv, fv, due), pmt,
                static_cast<double>(1e-9L * built.size / built.per_pmt));
    // The quotient under NPer's logarithm is (1+r)^n > 0: it always answers.
    const auto periods = NPer(r, pmt, pv, fv, due);
    ASSERT_TRUE(periods.has_value()) << "r=" << r << " n=" << n;
    balanced("NPer", r, *periods, pmt, pv, fv);
    const auto rate = Rate(n, pmt, pv, fv, due, 0.1);
    ASSERT_TRUE(rate.has_value()) << "r=" << r << " n=" << n << " pmt=" << pmt << " pv=" << pv;
    balanced("Rate", *rate, n, pmt, pv, fv);
  }
}

}  // namespace
}  // namespace quorvel::finance
