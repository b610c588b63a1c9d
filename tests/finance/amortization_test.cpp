// The interest and principal parts of each payment, their running totals and
// the outstanding balance.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>
#include <string>

#include "core/number_text.h"
#include "finance/engine.h"

namespace quorvel::finance {
namespace {

using Amortization = std::optional<double> (*)(double, double, double, double, double, int);

// A loan of 1000 over 12 periods, repaid in full.
TEST(Amortization, LoanOf1000Over12Periods) {
  const struct {
    const char* name;
    Amortization function;
    double rate, per;
    int due;
    const char* shown;
  } cases[] = {
      {"PPMT", PPMT, 0.01, 1, 0, "-78.85"},
      {"IPMT", IPMT, 0.01, 1, 0, "-10.00"},
      {"PPMT", PPMT, 0.01, 2, 0, "-79.64"},
      {"IPMT", IPMT, 0.01, 2, 0, "-9.21"},
      {"TPPMT", TPPMT, 0.01, 3, 0, "-238.92"},
      {"TIPMT", TIPMT, 0.01, 3, 0, "-27.63"},
      {"BAL", BAL, 0.01, 3, 0, "761.08"},
      {"TPPMT", TPPMT, 0.01, 12, 0, "-1000.00"},
      {"TIPMT", TIPMT, 0.01, 12, 0, "-66.19"},
      {"BAL", BAL, 0.01, 12, 0, "0.00"},
      {"PPMT", PPMT, 0.01, 1, 1, "-87.97"},
      {"IPMT", IPMT, 0.01, 1, 1, "0.00"},
      {"TPPMT", TPPMT, 0.01, 3, 1, "-246.46"},
      {"TIPMT", TIPMT, 0.01, 3, 1, "-17.45"},
      {"BAL", BAL, 0.01, 3, 1, "753.54"},
      {"TPPMT", TPPMT, 0, 3, 0, "-250.00"},
      {"BAL", BAL, 0, 3, 0, "750.00"},
      {"TIPMT", TIPMT, 0, 3, 0, "(none)"},  // all interest parts 0
      {"PPMT", PPMT, 0.01, 13, 0, "(none)"},
      {"IPMT", IPMT, 0.01, 0.99, 0, "(none)"},
      {"TIPMT", TIPMT, 0.01, 13, 0, "(none)"},
      {"BAL", BAL, 0.01, 0, 0, "(none)"},           // empty sum
      {"TPPMT", TPPMT, 0.01, 0.5, 0, "(none)"},     // rounds to 0
      {"TPPMT", TPPMT, 0.01, 0.51, 0, "-78.85"},    // rounds to 1
      {"TPPMT", TPPMT, 0.01, 2.5, 0, "-158.49"},    // rounds to 2
      {"TPPMT", TPPMT, 0.01, 12.5, 0, "-1000.00"},  // rounds to 12
      {"TPPMT", TPPMT, 0.01, 12.51, 0, "(none)"},   // rounds to 13
      {"IPMT", IPMT, 0.01, 2.5, 0, "-8.81"},        // period taken as given
      {"TIPMT", TIPMT, 0.01, 3, 2, "(none)"},
  };
  for (const auto& c : cases) {
    const auto result = c.function(c.rate, c.per, 12, 1000, 0, c.due);
    EXPECT_EQ(result ? FixedText(*result, "0.00") : "(none)", c.shown)
        << c.name << " per " << c.per << " due " << c.due;
  }
}

// The balance after Per payments, whichever way the payments move it. The
// figures were worked out apart from the program, from the closed form
// pv (1+r)^k + pmt ((1+r)^k - 1) / r (payments at the end; with payments at
// the beginning pv (1+r)^(k-1) + pmt ((1+r)^k - 1) / r), pmt from the annuity
// equation, in 40-digit decimal arithmetic.
TEST(Amortization, BalanceOfLoansSavingsAndGrowingDebts) {
  const struct {
    const char* what;
    double rate, per, nper, pv, fv;
    int due;
    double balance;
  } cases[] = {
      {"loan", 0.01, 3, 12, 1000, 0, 0, 761.080285425757},
      {"loan, lender's view", 0.01, 3, 12, -1000, 0, 0, 761.080285425757},
      {"loan with a balloon", 0.01, 3, 12, 1000, -500, 0, 880.540142712878},
      {"mortgage after 5 years", 0.005, 60, 360, 200000, 0, 0, 186108.713645639120},
      // Payments of 2.12 do not cover the interest of 10: the debt grows.
      {"growing loan", 0.01, 3, 12, 1000, -1100, 0, 1023.891971457424},
      {"growing loan at its end", 0.01, 12, 12, 1000, -1100, 0, 1100},
      {"growing loan, paid in advance", 0.01, 3, 12, 1000, -1100, 1, 1013.754427185569},
      {"savings plan", 0.01, 3, 12, 0, 10000, 0, 2389.197145742432},
      {"savings plan at its end", 0.01, 12, 12, 0, 10000, 0, 10000},
      {"savings on a deposit, in advance", 0.01, 3, 12, -1000, 5000, 1, 1936.315701284132},
  };
  for (const auto& c : cases) {
    const auto balance = BAL(c.rate, c.per, c.nper, c.pv, c.fv, c.due);
    ASSERT_TRUE(balance.has_value()) << c.what;
    EXPECT_NEAR(*balance, c.balance, 1e-9 * c.balance) << c.what;
  }
}

TEST(Amortization, SixteenBitPeriodCounter) {
  // 32766 passes are the most the counter allows; 32767 overflows it, and
  // beyond the 16-bit range the period cannot even be rounded.
  for (Amortization total : {TPPMT, TIPMT, BAL}) {
    EXPECT_TRUE(total(0.0001, 32766, 40000, 1e6, 0, 0).has_value());
    EXPECT_FALSE(total(0.0001, 32767, 40000, 1e6, 0, 0).has_value());
    EXPECT_FALSE(total(0.0001, 40000, 40000, 1e6, 0, 0).has_value());
    EXPECT_FALSE(total(0.0001, -40000, 40000, 1e6, 0, 0).has_value());
  }
}

// Random loans and savings plans: the parts make up the payment, the totals
// are the sums of the parts, and the balance is the size of what is still
// owed or saved, followed period by period (interest added, payment made),
// whatever the future value.
TEST(Amortization, PartsTotalsAndBalanceAgree) {
  std::mt19937_64 random(1729);
  std::uniform_real_distribution<double> rates(0.0, 0.05), amounts(-5e4, 5e4);
  std::uniform_int_distribution<int> terms(1, 120), dues(0, 1);
  for (int trial = 0; trial < 300; ++trial) {
    const double r = trial % 7 == 0 ? 0.0 : rates(random);
    const int n = terms(random);
    const double pv = trial % 2 == 0 ? std::abs(amounts(random)) : amounts(random);
    const double fv = trial % 2 == 0 ? 0.0 : amounts(random);
    const int due = dues(random);
    const double pmt = *PMT(r, n, pv, fv, due);
    const double scale = std::abs(pv) + std::abs(fv) + std::abs(pmt) * n;
    double principal_sum = 0.0, interest_sum = 0.0, owed = pv;
    for (int k = 1; k <= n; ++k) {
      const double principal = *PPMT(r, k, n, pv, fv, due);
      const double interest = *IPMT(r, k, n, pv, fv, due);
      EXPECT_NEAR(principal + interest, pmt, 1e-12 * scale);
      principal_sum += principal;
      interest_sum += interest;
      EXPECT_NEAR(*TPPMT(r, k, n, pv, fv, due), principal_sum, 1e-12 * scale);
      const auto interest_total = TIPMT(r, k, n, pv, fv, due);
      EXPECT_NEAR(interest_total.value_or(0.0), interest_sum, 1e-12 * scale);
      owed = (due == 1 && k == 1 ? owed : owed * (1 + r)) + pmt;
      EXPECT_NEAR(*BAL(r, k, n, pv, fv, due), std::abs(owed), 1e-9 * scale) << "k=" << k;
    }
  }
}

}  // namespace
}  // namespace quorvel::finance
