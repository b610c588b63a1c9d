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
