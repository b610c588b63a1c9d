// Conversion between nominal and effective annual rates, in percent.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>

#include "core/number_text.h"
#include "finance/engine.h"

namespace quorvel::finance {
namespace {

TEST(RateConversion, FiguresAndFailures) {
  const struct {
    const char* what;
    std::optional<double> result;
    const char* shown;
  } cases[] = {
      {"EFFECT 12 12", EFFECT(12, 12), "12.68"},
      {"NOMINAL 12 12", NOMINAL(12, 12), "11.39"},
      {"NOMINAL 12.682503 12", NOMINAL(12.682503, 12), "12.00"},
      {"EFFECT 12 1", EFFECT(12, 1), "12.00"},
      {"NOMINAL 12 1", NOMINAL(12, 1), "12.00"},
      {"NOMINAL 12 4", NOMINAL(12, 4), "11.49"},
      {"EFFECT 12 2.5, n not rounded", EFFECT(12, 2.5), "12.44"},
      {"EFFECT 1 12", EFFECT(1, 12), "1.00"},
      {"EFFECT 12 0.5", EFFECT(12, 0.5), "(none)"},
      {"NOMINAL 12 0", NOMINAL(12, 0), "(none)"},
      {"EFFECT 0 12", EFFECT(0, 12), "(none)"},
      {"NOMINAL -5 12", NOMINAL(-5, 12), "(none)"},
      {"EFFECT 12 NaN", EFFECT(12, NAN), "(none)"},
      {"EFFECT overflowing", EFFECT(1e6, 1e6), "(none)"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.result ? FixedText(*c.result, "0.00") : "(none)", c.shown) << c.what;
  }
}

// Many compounding periods make the rate per period tiny; the figures stay
// right to the last digit. References: (1 + i/n)^n - 1 and
// n ((1 + i)^(1/n) - 1) in 40-digit decimal arithmetic (Python's decimal).
TEST(RateConversion, AccurateToTheLastDigit) {
  const struct {
    double rate, periods;
    double effective, nominal;
  } cases[] = {
      {10, 1e9, 10.517091807012177022, 9.5310179808866875231},
      {12, 12, 12.682503013196972066, 11.386551521499568952},
      {5, 365, 5.1267496467462550455, 4.8793425246405727936},
      {0.001, 1e6, 0.0010000050000116666583, 0.00099999500003833303334},
      {100, 8760, 171.81266916204521189, 69.317460440048981908},
      {3.5, 2.5, 3.5368356005641115035, 3.4639207765178845429},
      {1e-10, 12, 1.0000000000004583333e-10, 9.9999999999954166667e-11},
      {7, 1e15, 7.2508181254216476425, 6.7658648473814807557},
  };
  for (const auto& c : cases) {
    EXPECT_NEAR(*EFFECT(c.rate, c.periods), c.effective, 1e-15 * c.effective)
        << "EFFECT " << c.rate << " " << c.periods;
    EXPECT_NEAR(*NOMINAL(c.rate, c.periods), c.nominal, 1e-15 * c.nominal)
        << "NOMINAL " << c.rate << " " << c.periods;
  }
}

TEST(RateConversion, EffectAndNominalInvertEachOther) {
  std::mt19937_64 random(365);
  std::uniform_real_distribution<double> rates(0.01, 100), periods(1, 365);
  for (int trial = 0; trial < 1000; ++trial) {
    const double rate = rates(random);
    const double n = trial % 2 == 0 ? std::round(periods(random)) : periods(random);
    const double effective = *EFFECT(rate, n);
    EXPECT_GE(effective, rate * (1 - 1e-15));  // compounding never loses
    EXPECT_NEAR(*NOMINAL(effective, n), rate, 1e-8 * rate) << "rate " << rate << " n " << n;
    EXPECT_NEAR(*EFFECT(*NOMINAL(rate, n), n), rate, 1e-8 * rate) << "rate " << rate;
  }
}

}  // namespace
}  // namespace quorvel::finance
