// Chains of operations, equals, constant mode and their status formulas.

#include <gtest/gtest.h>

#include <string>

#include "calculator_session.h"
#include "core/calculator.h"

namespace quorvel {
namespace {

using testing::CalculatorSession;

class Operations : public CalculatorSession {
 protected:
  // Squaring 10 eight times reaches 1E+256.
  void ReachHugeValue() { Keys("1 0 X^2 X^2 X^2 X^2 X^2 X^2 X^2 X^2"); }
};

struct ChainCase {
  const char* keys;
  const char* display;
  const char* label1;
  const char* label3;
  const char* label4;
};

TEST_F(Operations, Chains) {
  const ChainCase cases[] = {
      {"5 + 3 =", "8", "", "", "5  +  3"},
      {"5 + 3 X", "8", "X", "", "5  +  3"},
      {"5 + 3 X 2 =", "16", "", "", "8 * 2"},
      {"5 + X 2 =", "10", "", "", "5 * 2"},
      {"7 - 2 =", "5", "", "", "7  -  2"},
      {"9 / 4 =", "2.25", "", "", "9 / 4"},
      {"5 X X", "5", "X", "K", ""},
      {"5 X X 3 =", "15", "", "K", "5 * 3"},
      {"5 X X 3 = 4 =", "20", "", "K", "5 * 4"},
      {"5 X X 3 = 4 = =", "100", "", "K", "5 * 20"},
      {"1 0 - - 3 =", "-7", "", "K", "3  -  10"},
      {"1 0 - - 3 = =", "-17", "", "K", "-7  -  10"},
      {"1 0 / / 4 =", "0.4", "", "K", "4 / 10"},
      {"2 + + 3 =", "5", "", "K", "2  +  3"},
      {"5 X X X", "5", "X", "", ""},
      {"5 X X +", "5", "+", "", ""},
      {"5 + =", "5", "", "", ""},
      {"5 + 3 = = =", "8", "", "", "5  +  3"},
      {"8 / 0 =", "0", "", "", "Error! Divide by zero."},
      {"8 / 0 + 2 =", "2", "", "", "0  +  2"},
      {"1 0 / / 0 =", "0", "", "K", "0 / 10"},
      {"0 / / 4 =", "4", "", "K", "Error! Divide by zero."},
      {"5 BS +", "0", "+", "", ""},
      {"5 . + 2 =", "7", "", "", "5  +  2"},
      {"2 + 5 . =", "7", "", "", "2  +  5."},
      {"1 + 2 + 3 + 4 =", "10", "", "", "6  +  4"},
      {"3 +/- X 4 =", "-12", "", "", "-3 * 4"},
      {"1 / 3 =", "0.333333333333333", "", "", "1 / 3"},
      {"5 + +/- +", "0", "+", "", "5  +  -5"},
      {"5 + 0 =", "5", "", "", "5  +  0"},
      {"5 X 0 . 0 =", "0", "", "", "5 * 0"},
  };
  for (const auto& c : cases) {
    shell::Form_Load(f, module);
    Keys(c.keys);
    EXPECT_EQ(f.Text1.Text(), c.display) << c.keys;
    EXPECT_EQ(f.Label1.Caption, c.label1) << c.keys;
    EXPECT_EQ(f.Label3.Caption, c.label3) << c.keys;
    EXPECT_EQ(f.Label4.Caption, c.label4) << c.keys;
    EXPECT_EQ(f.Focused(), Ctl::Text1) << c.keys;
    EXPECT_TRUE(f.NewEntry) << c.keys;
  }
}

TEST_F(Operations, OperatorAndEqualsLeaveTheirState) {
  Keys("5 + 3 =");
  EXPECT_EQ(f.PendingOperator, "");
  Keys("5 X X");
  EXPECT_EQ(f.ConstantValue, 5);
  EXPECT_EQ(f.PendingOperator, "X");
  Keys("X");
  EXPECT_EQ(f.ConstantValue, 0);
  Keys("8 / 0 +");
  EXPECT_EQ(f.FirstOperand, 0);
  EXPECT_EQ(f.Text1.SelStart(), f.Text1.Length());
}

TEST_F(Operations, OverflowKeepsTheSecondOperand) {
  ReachHugeValue();
  ASSERT_EQ(f.Text1.Text(), "1E+256");
  Keys("X X =");
  EXPECT_EQ(f.Label4.Caption, calc::kOverflow);
  EXPECT_EQ(f.Text1.Text(), "1E+256");
  EXPECT_EQ(f.Label3.Caption, "K");

  shell::Form_Load(f, module);
  ReachHugeValue();
  std::string keys = "X 1";
  for (int i = 0; i < 55; ++i) keys += " 0";
  Keys(keys);
  f.Text1.SetSelStart(3);
  Keys("+");  // 1E+256 times 1E+55 overflows: the display keeps the second operand
  EXPECT_EQ(f.Label4.Caption, calc::kOverflow);
  EXPECT_EQ(f.Text1.Text(), "1" + std::string(55, '0'));
  EXPECT_EQ(f.Text1.SelStart(), 3);
  EXPECT_EQ(f.Label1.Caption, "+");
  EXPECT_EQ(f.FirstOperand, 1e55);  // the operator goes on with the displayed value
}

TEST_F(Operations, NumbersBeyondTheRangeStopWithTheOverflowMessage) {
  // Typed on the keyboard: too many digits for a double.
  const std::string huge = "1" + std::string(400, '0');
  Keys("7 + 1");
  f.Type(std::string(400, '0'));
  ASSERT_EQ(f.Text1.Text(), huge);
  for (const char* key : {"+", "X", "Sqr", "X^2", "1/X", "M"}) {
    Keys(key);
    EXPECT_EQ(f.Text1.Text(), huge) << key;
    EXPECT_EQ(f.Label4.Caption, calc::kOverflow) << key;
    EXPECT_EQ(f.FirstOperand, 7) << key;
    EXPECT_EQ(f.PendingOperator, "+") << key;
    EXPECT_EQ(f.Label1.Caption, "") << key;
    EXPECT_EQ(f.Label2.Caption, "") << key;
    EXPECT_FALSE(f.NewEntry) << key;
  }
  // Taking the digits back makes it an ordinary number again.
  f.Text1.SetText("123");
  Keys("=");
  EXPECT_EQ(f.Text1.Text(), "130");
}

TEST_F(Operations, EqualsAfterAnOverflowEndsTheCalculation) {
  // As after a division by zero: the message, the typed text kept, and no
  // operation left pending for the next calculation.
  const std::string huge = "1" + std::string(400, '0');
  Keys("5 + 1");
  f.Type(std::string(400, '0'));
  Keys("=");
  EXPECT_EQ(f.Text1.Text(), huge);
  EXPECT_EQ(f.Label4.Caption, calc::kOverflow);
  EXPECT_EQ(f.PendingOperator, "");
  EXPECT_EQ(f.Label1.Caption, "");
  EXPECT_TRUE(f.NewEntry);
  Keys("C 2 + 3 =");
  EXPECT_EQ(f.Text1.Text(), "5");
  EXPECT_EQ(f.Label4.Caption, "2  +  3");

  // The same in constant mode: the constant stays, the next equals works.
  shell::Form_Load(f, module);
  Keys("2 X X 1");
  f.Type(std::string(400, '0'));
  Keys("=");
  EXPECT_EQ(f.Label4.Caption, calc::kOverflow);
  EXPECT_EQ(f.Label3.Caption, "K");
  EXPECT_TRUE(f.NewEntry);
  Keys("4 =");
  EXPECT_EQ(f.Text1.Text(), "8");
  EXPECT_EQ(f.Label4.Caption, "2 * 4");
}

TEST_F(Operations, MultiplyAndDivideTypeIntoProductFields) {
  const struct {
    Ctl field;
    const char* key;
    const char* text;
    const char* after;
  } cases[] = {
      {Ctl::TextN, "X", "30", "30*"},           {Ctl::TextN, "/", "360", "360/"},
      {Ctl::TextInterest, "/", "12", "12/"},    {Ctl::TextPer, "X", "2", "2*"},
      {Ctl::TextN, "X", "30*", "30*"},          {Ctl::TextN, "/", "30*1", "30*1"},
      {Ctl::TextInterest, "X", "6/12", "6/12"}, {Ctl::TextN, "X", "", "*"},
  };
  for (const auto& c : cases) {
    shell::Form_Load(f, module);
    f.SetFocus(Ctl::Text1);
    TextBox& box = *f.TextBoxOf(c.field);
    box.SetText(c.text);
    f.SetFocus(c.field);
    Keys(c.key);
    EXPECT_EQ(box.Text(), c.after) << c.text << ' ' << c.key;
    EXPECT_EQ(f.Focused(), c.field) << c.text;
    EXPECT_EQ(f.Label1.Caption, "") << c.text;
  }
}

TEST_F(Operations, OtherFieldsLeaveMultiplyToTheDisplay) {
  Keys("6");
  f.TextPV.SetText("100");
  f.SetFocus(Ctl::TextPV);
  Keys("X");
  EXPECT_EQ(f.TextPV.Text(), "100");
  EXPECT_EQ(f.Label1.Caption, "X");
  EXPECT_EQ(f.Focused(), Ctl::Text1);
  EXPECT_EQ(f.ActiveField, Field::Text1);
  Keys("7 =");
  EXPECT_EQ(f.Text1.Text(), "42");
}

}  // namespace
}  // namespace quorvel
