// The shared number conversions, against the examples a user meets.

#include "core/number_text.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>
#include <string>

namespace quorvel {
namespace {

struct ValueCase {
  const char* text;
  double value;
};

TEST(TextValue, ReadsTheLeadingNumber) {
  const ValueCase cases[] = {
      {"12.50", 12.5},
      {"5.", 5},
      {"-", 0},
      {"0.000", 0},
      {"1 2", 12},
      {"3X4", 3},
      {"05", 5},
      {"-0", 0},
      {"1e3", 1000},
      {"", 0},
      {".", 0},
      {"abc", 0},
      {"+7", 7},
      {"-2.5x", -2.5},
      {"1,000", 1},
      {" 1 000", 1000},
      {"1.2.3", 1.2},
      {".5", 0.5},
      {"-.5", -0.5},
      {"2D3", 2000},
      {"2d-2", 0.02},
      {"1E", 1},
      {"1e+", 1},
      {"1e+x5", 1},
      {"\t-4\n2", -42},
      {"1 e 2", 100},
      {"--5", 0},
      {"+-5", 0},
      {"&H1F", 31},
      {"&hff", 255},
      {"&O17", 15},
      {"&o8", 0},
      {"&H", 0},
      {"&HG", 0},
      {"&X12", 0},
      {"30*12", 30},
      {"12/12", 12},
      {"1E-05", 0.00001},
      {"-1E-05", -1e-5},
      {"$5", 0},
      {"1e-400", 0},
      {"0e999999", 0},
      {"4.9E-324", 4.9e-324},
      {"0.1", 0.1},
      {"123456789012345678", 123456789012345678.0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(TextValue(c.text), c.value) << '"' << c.text << '"';
  }
}

TEST(TextValue, GivesInfinityBeyondTheDoubleRange) {
  EXPECT_EQ(TextValue("1e309"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(TextValue("-1D400"), -std::numeric_limits<double>::infinity());
  EXPECT_EQ(TextValue("1" + std::string(400, '0')), std::numeric_limits<double>::infinity());
  EXPECT_EQ(TextValue("0." + std::string(400, '0') + "1e400"), 0.1);
  EXPECT_EQ(TextValue("1e99999999999999999999"), std::numeric_limits<double>::infinity());
  EXPECT_EQ(TextValue("1e-99999999999999999999"), 0.0);
  EXPECT_EQ(TextValue("1.7976931348623157e308"), std::numeric_limits<double>::max());
  // The largest double as the program writes it reads back as itself.
  const double largest = std::numeric_limits<double>::max();
  EXPECT_EQ(TextValue(GeneralText(largest)), largest);
  EXPECT_EQ(TextValue(FixedText(-largest, "0.00")), -largest);
  EXPECT_EQ(TextValue("1.8E+308"), std::numeric_limits<double>::infinity());
}

TEST(NumberTexts, NonFiniteValuesGiveNoText) {
  for (double v : {std::numeric_limits<double>::infinity(),
                   -std::numeric_limits<double>::infinity(), std::nan("")}) {
    EXPECT_EQ(GeneralText(v), "");
    EXPECT_EQ(FixedText(v, "0.00"), "");
  }
}

struct TextCase {
  double value;
  const char* text;
};

TEST(GeneralText, WritesFifteenSignificantDigits) {
  const TextCase cases[] = {
      {8, "8"},
      {0.5, "0.5"},
      {1.0 / 3.0, "0.333333333333333"},
      {0.1 + 0.2, "0.3"},
      {123456789012345, "123456789012345"},
      {1234567890123456, "1.23456789012346E+15"},
      {1e20, "1E+20"},
      {0.0001, "0.0001"},
      {0.00001, "1E-05"},
      {-2.5e-07, "-2.5E-07"},
      {100, "100"},
      {2.5e15, "2.5E+15"},
      {-0.00012, "-0.00012"},
      {0.000012, "1.2E-05"},
      {-0.0, "0"},
      {0, "0"},
      {std::sqrt(2.0), "1.4142135623731"},
      {999999999999999.4, "999999999999999"},
      {999999999999999.5, "1E+15"},
      {0.00009999999999999999, "0.0001"},
      {1e100, "1E+100"},
      {1e-100, "1E-100"},
      {-1.5e300, "-1.5E+300"},
      {4.9e-324, "4.94065645841247E-324"},
      {std::numeric_limits<double>::max(), "1.79769313486232E+308"},
      {-64, "-64"},
      {2.25, "2.25"},
      {1e14, "100000000000000"},
      {1e15, "1E+15"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(GeneralText(c.value), c.text) << c.value;
  }
}

TEST(GeneralText, ReadsBackToTheSameFifteenDigits) {
  std::mt19937_64 random(20261207);
  std::uniform_real_distribution<double> mantissa(-10, 10);
  std::uniform_int_distribution<int> exponent(-300, 300);
  for (int i = 0; i < 20000; ++i) {
    double value = mantissa(random) * std::pow(10.0, exponent(random));
    std::string text = GeneralText(value);
    double back = TextValue(text);
    EXPECT_EQ(GeneralText(back), text) << value;
    EXPECT_NEAR(back, value, std::fabs(value) * 5e-15) << text;
    EXPECT_EQ(text.find_first_of(",inf"), std::string::npos) << text;
  }
}

struct FixedCase {
  double value;
  const char* pattern;
  const char* text;
};

TEST(FixedText, RoundsHalvesAwayFromZeroAfterFifteenDigits) {
  const FixedCase cases[] = {
      {2.5, "0.00", "2.50"},
      {1234.567, "0.00", "1234.57"},
      {0.125, "0.00", "0.13"},
      {-12.345, "0.00", "-12.35"},
      {2.5, "0", "3"},
      {0.5, "0.00", "0.50"},
      {-88.84878867834166, "0.00", "-88.85"},
      {1.005, "0.00", "1.01"},  // 1.00499999999999989... is 1.005 in 15 digits
      {-2.5, "0", "-3"},
      {0.004, "0.00", "0.00"},
      {-0.004, "0.00", "0.00"},
      {0.005, "0.00", "0.01"},
      {9.995, "0.00", "10.00"},
      {999.9999, "0.00", "1000.00"},
      {0, "0.000", "0.000"},
      {-0.0, "0.00", "0.00"},
      {1e20, "0.00", "100000000000000000000.00"},
      {1.5e-7, "0.00000", "0.00000"},
      {5e-6, "0.00000", "0.00001"},
      {123.456, "0", "123"},
      {0.49, "0", "0"},
      {16387.9346, "0.00", "16387.93"},
      {1.0 / 3.0, "0.000000000000000", "0.333333333333333"},
      {2.0 / 3.0, "0.0000000000000000000", "0.6666666666666670000"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FixedText(c.value, c.pattern), c.text) << c.value << " in " << c.pattern;
  }
}

TEST(FixedText, HasExactlyTheDecimalsOfItsPattern) {
  std::mt19937_64 random(7);
  std::uniform_real_distribution<double> mantissa(-10, 10);
  std::uniform_int_distribution<int> exponent(-20, 20);
  for (int decimals = 0; decimals <= 15; ++decimals) {
    const std::string pattern = PatternFor(decimals);
    for (int i = 0; i < 500; ++i) {
      double value = mantissa(random) * std::pow(10.0, exponent(random));
      std::string text = FixedText(value, pattern);
      std::size_t point = text.find('.');
      if (decimals == 0) {
        EXPECT_EQ(point, std::string::npos) << text;
      } else {
        ASSERT_NE(point, std::string::npos) << text;
        EXPECT_EQ(text.size() - point - 1, static_cast<std::size_t>(decimals)) << text;
        EXPECT_GT(point, text[0] == '-' ? 1u : 0u) << text;
      }
      EXPECT_LE(std::fabs(TextValue(text) - value),
                0.5 * std::pow(10.0, -decimals) + std::fabs(value) * 1e-14)
          << value << " -> " << text;
    }
  }
}

TEST(DisplayPattern, CountsAndBuildsDecimals) {
  EXPECT_EQ(PatternFor(0), "0");
  EXPECT_EQ(PatternFor(-3), "0");
  EXPECT_EQ(PatternFor(1), "0.0");
  EXPECT_EQ(PatternFor(5), "0.00000");
  EXPECT_EQ(DecimalsOf("0"), 0);
  EXPECT_EQ(DecimalsOf("0.00"), 2);
  EXPECT_EQ(DecimalsOf(PatternFor(12)), 12);
}

TEST(RoundToInt16, RoundsHalvesToEvenWithinRange) {
  EXPECT_EQ(RoundToInt16(2.5), 2);
  EXPECT_EQ(RoundToInt16(3.5), 4);
  EXPECT_EQ(RoundToInt16(-2.5), -2);
  EXPECT_EQ(RoundToInt16(900.5), 900);
  EXPECT_EQ(RoundToInt16(901.5), 902);
  EXPECT_EQ(RoundToInt16(32767.4), 32767);
  EXPECT_EQ(RoundToInt16(-32768.5), -32768);
  EXPECT_FALSE(RoundToInt16(32767.5));
  EXPECT_FALSE(RoundToInt16(-32768.6));
  EXPECT_FALSE(RoundToInt16(std::numeric_limits<double>::infinity()));
  EXPECT_FALSE(RoundToInt16(std::nan("")));
}

struct NumericCase {
  const char* text;
  bool numeric;
  double value;
};

TEST(IsNumericText, AcceptsOneNumberInTheUsersFormat) {
  const NumberFormat english{".", ","};
  const NumericCase cases[] = {
      {"5", true, 5},           {" -1,250.5 ", true, -1250.5},
      {"\n-1000", true, -1000}, {"1,000", true, 1000},
      {"+3", true, 3},          {"1.5e3", true, 1500},
      {"2E-2", true, 0.02},     {".5", true, 0.5},
      {"5.", true, 5},          {"", false, 0},
      {"  \t\n", false, 0},     {"abc", false, 0},
      {"-", false, 0},          {".", false, 0},
      {"1.2.3", false, 0},      {"1e", false, 0},
      {"1 2", false, 0},        {"$100", false, 0},
      {"12/12", false, 0},      {"1,,000", false, 0},
      {",100", false, 0},       {"1,000.5,0", false, 0},
      {"1e400", false, 0},      {"--1", false, 0},
      {"1.5e3x", false, 0},     {"1,", false, 0},
      {"0", true, 0},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(IsNumericText(c.text, english), c.numeric) << '"' << c.text << '"';
    if (c.numeric) EXPECT_EQ(NumericTextValue(c.text, english), c.value) << c.text;
  }
}

TEST(IsNumericText, FollowsOtherSeparators) {
  const NumberFormat german{",", "."};
  EXPECT_EQ(NumericTextValue("1.000,5", german), 1000.5);
  EXPECT_FALSE(IsNumericText("1,000.5", german));
  const NumberFormat french{",", "\u202F"};
  EXPECT_EQ(NumericTextValue("1\u202F000,25", french), 1000.25);
  EXPECT_EQ(NumericTextValue("1 000,25", french), 1000.25);
}

// French writes its groups with a no-break space, a narrow one or a plain
// one, whichever the user's system reports: each format takes all three.
TEST(IsNumericText, TakesEverySpaceWhereGroupsAreSpaces) {
  const char* spaces[] = {" ", "\u00A0", "\u202F"};
  for (const char* group : spaces) {
    const NumberFormat format{",", group};
    for (const char* space : spaces) {
      const std::string text = std::string("-1") + space + "234" + space + "567,5";
      EXPECT_EQ(NumericTextValue(text, format), -1234567.5) << text << " / " << group;
    }
    EXPECT_FALSE(IsNumericText("1\u2009234,5", format)) << "a thin space is no group separator";
  }
  EXPECT_FALSE(IsNumericText("1\u00A0234", NumberFormat{".", ","}));
  EXPECT_TRUE(IsNumericText("1.5", kProgramNumberFormat));
  EXPECT_FALSE(IsNumericText("1,500", kProgramNumberFormat));
}

}  // namespace
}  // namespace quorvel
