// Square root, square, reciprocal and the memory keys.

#include <gtest/gtest.h>

#include <string>

#include "calculator_session.h"
#include "core/calculator.h"
#include "core/number_text.h"

namespace quorvel {
namespace {

using testing::CalculatorSession;

class FunctionsAndMemory : public CalculatorSession {};

struct FunctionCase {
  const char* keys;
  const char* display;
  const char* label2;
  const char* label4;
};

TEST_F(FunctionsAndMemory, KeySequences) {
  const FunctionCase cases[] = {
      {"9 Sqr", "3", "", "sqrt(9)"},
      {"2 Sqr", "1.4142135623731", "", "sqrt(2)"},
      {"0 Sqr", "0", "", "Error! Sqrt negative number or zero."},
      {"4 +/- Sqr", "-4", "", "Error! Sqrt negative number or zero."},
      {"3 X^2", "9", "", "3^2"},
      {"3 X^2 5", "95", "", ""},
      {"5 + 3 = X^2", "64", "", "8^2"},
      {"5 + 3 = X^2 2", "2", "", ""},
      {"4 1/X", "0.25", "", "1 / 4"},
      {"3 1/X", "0.333333333333333", "", "1 / 3"},
      {"0 1/X", "0", "", "Error! Divide by zero."},
      {"1 2 M", "12", "M", "M = 12"},
      {"1 2 M 5", "5", "M", ""},
      {"1 2 M 5 M+", "5", "M", "M: 12  +  5 = 17"},
      {"1 2 M 5 M+ 2 0 M-", "20", "M", "M: 17  -  20 = -3"},
      {"5 M+", "5", "", ""},
      {"5 M-", "5", "", ""},
      {"5 MR", "5", "", ""},
      {"1 7 M 5 + MR", "17", "M", ""},
      {"1 7 M 5 + MR =", "22", "M", "5  +  17"},
      {"1 7 M AC MR", "17", "M", ""},
      {"1 7 M 1 2 MR", "1217", "M", ""},
      {"1 7 M MC", "17", "", "M = 17"},
      {"1 7 M MC 5 MR", "5", "", ""},
      {"2 . 5 M MR", "2.5", "M", ""},
      {"5 + 3 Sqr =", "6.73205080756888", "", "5  +  1.73205080756888"},
  };
  for (const auto& c : cases) {
    shell::Form_Load(f, module);
    Keys(c.keys);
    EXPECT_EQ(f.Text1.Text(), c.display) << c.keys;
    EXPECT_EQ(f.Label2.Caption, c.label2) << c.keys;
    EXPECT_EQ(f.Label4.Caption, c.label4) << c.keys;
    EXPECT_EQ(f.Focused(), Ctl::Text1) << c.keys;
  }
}

// The window announces a status as an error by this flag alone, so it must
// follow every change of the status bar, not only the errors.
TEST_F(FunctionsAndMemory, StatusSaysWhetherItShowsAnError) {
  const struct {
    const char* keys;
    bool error;
  } cases[] = {
      {"0 1/X", true},       {"0 1/X 5", false},         {"0 1/X 4 1/X", false},
      {"0 Sqr", true},       {"0 Sqr 9 Sqr", false},     {"8 / 0 =", true},
      {"8 / 0 = BS", false}, {"8 / 0 = 2 + 3 =", false}, {"1 M 5 M+", false},
      {"9 X^2", false},
  };
  for (const auto& c : cases) {
    shell::Form_Load(f, module);
    Keys(c.keys);
    EXPECT_EQ(f.StatusIsError, c.error) << c.keys << ": " << f.Label4.Caption;
  }
  shell::Form_Load(f, module);
  f.Text1.SetText("1E308");
  Keys("X^2");
  EXPECT_TRUE(f.StatusIsError) << f.Label4.Caption;
  f.Text1.SetText("1E308");
  Keys("M M+");
  EXPECT_TRUE(f.StatusIsError) << f.Label4.Caption;
  Keys("MC 3 M");
  EXPECT_FALSE(f.StatusIsError) << f.Label4.Caption;
}

TEST_F(FunctionsAndMemory, FunctionsKeepTheEntryState) {
  Keys("5 + 9 Sqr");
  EXPECT_FALSE(f.NewEntry);
  EXPECT_EQ(f.PendingOperator, "+");
  Keys("=");
  EXPECT_EQ(f.Text1.Text(), "8");

  Keys("4 X");  // after an operator the result of a function is a finished value
  Keys("X^2");
  EXPECT_TRUE(f.NewEntry);
  EXPECT_EQ(f.Label1.Caption, "X");
}

TEST_F(FunctionsAndMemory, MemoryStoreStartsANewNumber) {
  Keys("1 2 M");
  EXPECT_EQ(f.MemoryValue, 12);
  EXPECT_TRUE(f.NewEntry);
  Keys("5 M+");
  EXPECT_EQ(f.MemoryValue, 17);
  Keys("MC");
  EXPECT_EQ(f.MemoryValue, 0);
}

TEST_F(FunctionsAndMemory, MemoryOverflowKeepsTheOldValue) {
  // 1E+256 times 1E+52 is 1E+308, near the top of the range.
  std::string keys = "1 0 X^2 X^2 X^2 X^2 X^2 X^2 X^2 X^2 X 1";
  for (int i = 0; i < 52; ++i) keys += " 0";
  Keys(keys + " = M");
  ASSERT_EQ(f.Text1.Text(), "1E+308");
  Keys("M+");
  EXPECT_EQ(f.Label4.Caption, calc::kOverflow);
  EXPECT_EQ(f.MemoryValue, 1e308);
  Keys("MR");
  EXPECT_EQ(f.Text1.Text(), "1E+308");
  Keys("+/- M-");
  EXPECT_EQ(f.Label4.Caption, calc::kOverflow);
  EXPECT_EQ(f.MemoryValue, 1e308);
  Keys("M-");
  EXPECT_EQ(f.Label4.Caption, calc::kOverflow);
  Keys("AC 1 M-");
  EXPECT_EQ(f.Label4.Caption, "M: 1E+308  -  1 = 1E+308");
}

TEST_F(FunctionsAndMemory, SquareAndReciprocalOverflowLeaveTheDisplay) {
  Keys("1 0 X^2 X^2 X^2 X^2 X^2 X^2 X^2 X^2");
  ASSERT_EQ(f.Text1.Text(), "1E+256");
  Keys("X^2");
  EXPECT_EQ(f.Label4.Caption, calc::kOverflow);
  EXPECT_EQ(f.Text1.Text(), "1E+256");

  // 1E-256 divided by 1E+54 is a subnormal 1E-310, whose reciprocal is
  // beyond the range.
  std::string keys = "1/X /  1";
  for (int i = 0; i < 54; ++i) keys += " 0";
  Keys(keys + " =");
  const std::string tiny = f.Text1.Text();
  ASSERT_GT(TextValue(tiny), 0);
  ASSERT_LT(TextValue(tiny), 1e-309);
  Keys("1/X");
  EXPECT_EQ(f.Label4.Caption, calc::kOverflow);
  EXPECT_EQ(f.Text1.Text(), tiny);
}

}  // namespace
}  // namespace quorvel
