// Net present value, internal rate of return and modified internal rate of
// return of a list of cash flows.

#include <gtest/gtest.h>

#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/number_text.h"
#include "finance/engine.h"

namespace quorvel::finance {
namespace {

using Flows = std::vector<double>;
const Flows kInvestment = {-1000, 300, 400, 500};

TEST(CashFlows, FiguresAndFailures) {
  const struct {
    const char* what;
    std::optional<double> result;
    const char* shown;  // rates in percent
  } cases[] = {
      {"NPV 10%", NPV(0.1, kInvestment), "-19.12"},
      {"NPV 0%", NPV(0, kInvestment), "200.00"},
      {"IRR from 10%", IRR(kInvestment, 0.1), "0.0890"},
      {"IRR from 8.9%", IRR(kInvestment, 0.089), "0.0890"},
      {"IRR from -99%", IRR(kInvestment, -0.99), "0.0890"},
      {"IRR from 1000%", IRR(kInvestment, 10), "0.0890"},
      {"MIRR 10% 12%", MIRR(kInvestment, 0.1, 0.12), "0.0982"},
      // A first value of 0 is an ordinary value to IRR and MIRR.
      {"IRR leading 0", IRR(Flows{0, -1000, 600, 600}, 0.1), "0.1307"},
      {"MIRR leading 0", MIRR(Flows{0, -1000, 600, 600}, 0.1, 0.12), "0.1185"},
      {"IRR near -100%", IRR(Flows{-100, 0, 0, 1e-3}, 0.1), "-0.9785"},
      {"IRR hundredfold", IRR(Flows{-1, 100}, 0.1), "99.0000"},
      // Over one period a negative ratio (rates below -100 %) has a root.
      {"MIRR 2 values, -250%", MIRR(Flows{50, -100}, 0.1, -2.5), "-1.8250"},
      {"NPV at -100%", NPV(-1, kInvestment), "(none)"},
      {"NPV of nothing", NPV(0.1, Flows{}), "(none)"},
      {"NPV overflowing", NPV(-0.999, Flows(200, 1e300)), "(none)"},
      {"IRR all positive", IRR(Flows{100, 200}, 0.1), "(none)"},
      {"IRR all zero", IRR(Flows{0, 0, 0}, 0.1), "(none)"},
      {"IRR both signs, no real root", IRR(Flows{-100, 230, -133}, 0.1), "(none)"},
      {"IRR not a number", IRR(Flows{-100, NAN, 200}, 0.1), "(none)"},
      {"MIRR all negative", MIRR(Flows{-100, -200}, 0.1, 0.1), "(none)"},
      {"MIRR one value", MIRR(Flows{-100}, 0.1, 0.1), "(none)"},
      {"MIRR finance -100%", MIRR(kInvestment, -1, 0.12), "(none)"},
      {"MIRR reinvest -100%", MIRR(kInvestment, 0.1, -1), "(none)"},
      // 50 carried one period at -250 % is -75: no real cube root of -0.75.
      {"MIRR negative ratio", MIRR(Flows{-100, 0, 50, 0}, 0.1, -2.5), "(none)"},
  };
  for (const auto& c : cases) {
    const bool rate = c.what[0] != 'N';
    EXPECT_EQ(c.result ? FixedText(*c.result, rate ? "0.0000" : "0.00") : "(none)", c.shown)
        << c.what;
  }
}

// sum of v[i] / (1+x)^i in long double, and the sum of the terms' sizes.
std::pair<long double, long double> Discounted(const Flows& values, double rate) {
  long double sum = 0, size = 0;
  for (std::size_t i = 0; i < values.size(); ++i) {
    const long double term = values[i] / std::pow(1.0L + rate, static_cast<long double>(i));
    sum += term;
    size += std::fabs(term);
  }
  return {sum, size};
}

// NPV is that sum discounted one more period; at IRR it is 0. An investment
// followed by receipts has exactly one rate, found from any guess.
TEST(CashFlows, NpvAndIrrAgreeWithTheDiscountedSum) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> receipts(0, 500), rates(-0.5, 2), guesses(-0.9, 3);
  std::uniform_int_distribution<int> lengths(2, 200);
  for (int trial = 0; trial < 300; ++trial) {
    Flows values(lengths(random));
    values[0] = -1000;
    for (std::size_t i = 1; i < values.size(); ++i) values[i] = receipts(random);
    const double rate = rates(random);
    const auto [sum, size] = Discounted(values, rate);
    EXPECT_NEAR(*NPV(rate, values), static_cast<double>(sum / (1 + rate)),
                static_cast<double>(1e-12L * size / (1 + rate)));
    const auto irr = IRR(values, guesses(random));
    ASSERT_TRUE(irr.has_value()) << "trial " << trial;
    const auto [at_irr, size_at_irr] = Discounted(values, *irr);
    EXPECT_LE(std::fabs(at_irr), 1e-9L * size_at_irr) << "trial " << trial;
  }
}

// The product of two polynomials, coefficients from the constant up.
Flows Times(const Flows& a, const Flows& b) {
  Flows product(a.size() + b.size() - 1, 0.0);
  for (std::size_t i = 0; i < a.size(); ++i) {
    for (std::size_t j = 0; j < b.size(); ++j) product[i + j] += a[i] * b[j];
  }
  return product;
}

// (1 - (1+rate) d)^multiplicity with d = 1/(1+x): flows whose present value
// touches 0 at x = rate instead of crossing it, or flattens there.
Flows Touching(double rate, int multiplicity) {
  Flows flows = {1};
  for (int i = 0; i < multiplicity; ++i) flows = Times(flows, {1, -(1 + rate)});
  return flows;
}

// Where the present value touches 0, the value alone pins the rate down only
// to the square (or cube) root of the rounding noise; the rate is still found
// to 1e-12. The flows are built from the rate they must give.
TEST(CashFlows, IrrAtMultipleRoots) {
  const struct {
    const char* what;
    Flows flows;
    double guess, rate;
  } cases[] = {
      {"1, -2, 1", {1, -2, 1}, 0.1, 0},
      {"1, -2, 1 from 0", {1, -2, 1}, 0, 0},
      {"-1, 3, -3, 1", {-1, 3, -3, 1}, 0.1, 0},
      {"1, -3, 3, -1 from 5%", {1, -3, 3, -1}, 0.05, 0},
      {"fourfold at 0", Touching(0, 4), 0.1, 0},
      {"fivefold at 0", Touching(0, 5), 0.1, 0},
      {"double at 5%", Touching(0.05, 2), 0.1, 0.05},
      {"triple at 5%", Touching(0.05, 3), 0.1, 0.05},
      {"double at -10%", Touching(-0.1, 2), 0.1, -0.1},
      {"double at -5%, then receipts", Times(Touching(-0.05, 2), {-2, 3}), 0.07, -0.05},
      {"double at 8%, then receipts", Times(Touching(0.08, 2), {-1, 0.5, 0.7}), 0.07, 0.08},
      {"triple at 8%, then receipts", Times(Touching(0.08, 3), {-1, 0.5, 0.7, 0.2}), 0.07, 0.08},
      {"double at 8% over 33 periods",
       Times(Touching(0.08, 2),
             [] {
               Flows receipts(31, 7);
               receipts[0] = -100;
               return receipts;
             }()),
       0.07, 0.08},
      // A double root at 0 and a simple one at 10 %, from either side.
      {"double and simple, from 0", Times(Touching(0, 2), {1, -1.1}), 0, 0},
      {"double and simple, from 10%", Times(Touching(0, 2), {1, -1.1}), 0.1, 0.1},
  };
  for (const auto& c : cases) {
    const auto irr = IRR(c.flows, c.guess);
    ASSERT_TRUE(irr.has_value()) << c.what;
    EXPECT_NEAR(*irr, c.rate, 1e-12) << c.what;
  }
}

// Two distinct roots close together are no multiple root: the one found
// stays a root of its own, not the point between them.
TEST(CashFlows, IrrKeepsCloseRootsApart) {
  for (const double gap : {1e-5, 1e-6, 1e-7}) {
    const Flows flows = Times({1, -1.05}, {1, -(1.05 + gap)});
    const double irr = IRR(flows, 0.05).value();
    const double nearer = std::abs(irr - 0.05) < std::abs(irr - (0.05 + gap)) ? 0.05 : 0.05 + gap;
    EXPECT_NEAR(irr, nearer, gap / 10) << "gap " << gap;
  }
}

TEST(CashFlows, MirrFollowsItsDefinition) {
  std::mt19937_64 random(99);
  std::uniform_real_distribution<double> amounts(-1e4, 1e4), rates(-0.5, 0.5);
  std::uniform_int_distribution<int> lengths(2, 40);
  for (int trial = 0; trial < 500; ++trial) {
    Flows values(lengths(random));
    for (double& v : values) v = amounts(random);
    values.front() = -std::abs(values.front());
    values.back() = std::abs(values.back());
    const double finance = rates(random), reinvest = rates(random);
    const long double last = static_cast<long double>(values.size() - 1);
    long double positive = 0, negative = 0;
    for (std::size_t i = 0; i < values.size(); ++i) {
      if (values[i] > 0) positive += values[i] * std::pow(1.0L + reinvest, last - i);
      if (values[i] < 0) negative += values[i] / std::pow(1.0L + finance, i);
    }
    const long double expected = std::pow(positive / -negative, 1 / last) - 1;
    EXPECT_NEAR(*MIRR(values, finance, reinvest), static_cast<double>(expected),
                1e-12 * (1 + std::fabs(static_cast<double>(expected))));
  }
}

TEST(CashFlows, TheLongestList) {
  Flows values(32767, 40);
  values[0] = -1e6;
  // The same investment as an annuity, solved through Rate's own equation.
  EXPECT_NEAR(*IRR(values, 0.1), *Rate(32766, 40, -1e6, 0, 0, 0.1), 1e-12);
  // At 12 % receipts carried over 32766 periods pass the range of a double;
  // their rate does not. With P = ((1.12)^(m-1) - 1) / 0.12 per unit,
  // log(1 + MIRR) = log 1.12 + log(40 / (0.12 * 1e6)) / (m - 1) to double
  // precision.
  const double expected = std::expm1(std::log1p(0.12) + std::log(40 / 0.12e6) / 32766);
  EXPECT_NEAR(*MIRR(values, 0.1, 0.12), expected, 1e-13);
}

}  // namespace
}  // namespace quorvel::finance
