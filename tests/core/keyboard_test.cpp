// The keyboard: typing into the display, the arrow keys, the numeric pad
// seen by the window, and the decimal-places field.

#include <gtest/gtest.h>

#include <string>

#include "calculator_session.h"
#include "core/calculator.h"
#include "core/keys.h"

namespace quorvel {
namespace {

using testing::CalculatorSession;

class Keyboard : public CalculatorSession {};

struct TypingCase {
  const char* typed;
  const char* display;
  const char* label4;
};

TEST_F(Keyboard, TypingIntoTheDisplay) {
  const TypingCase cases[] = {
      {"5", "05", ""},
      {"12+3\r", "15", "12  +  3"},
      {"..", "0.", ""},
      {"5+.", "0.", ""},
      {"5+.5\r", "5.5", "5  +  0.5"},
      {"abc =?", "0", ""},
      {"9*3\r", "27", "9 * 3"},
      {"9/3\r", "3", "9 / 3"},
      {"9-3\r", "6", "9  -  3"},
      {"7**2\r", "14", "7 * 2"},
      {"7**\r", "49", "7 * 07"},
      {"8\b", "0", ""},
      {"5+3\r\b", "", ""},
      {"5+3\r2", "2", ""},
      {"5+3\r\r", "8", "5  +  3"},
  };
  for (const auto& c : cases) {
    shell::Form_Load(f, module);  // the display shows "0" with the caret after it
    f.Type(c.typed);
    EXPECT_EQ(f.Text1.Text(), c.display) << c.typed;
    EXPECT_EQ(f.Label4.Caption, c.label4) << c.typed;
  }
}

TEST_F(Keyboard, RightArrowMakesTheShownValueEditable) {
  Keys("5");
  f.Type("+");
  f.Keystroke(keys::kRight, 0);
  f.Type("3\r");
  EXPECT_EQ(f.Text1.Text(), "58");
  EXPECT_EQ(f.Label4.Caption, "5  +  53");
}

TEST_F(Keyboard, BackspaceAfterResultEditsTheResult) {
  Keys("5 + 3 =");
  f.Type("\b");
  EXPECT_EQ(f.Text1.Text(), "");
  EXPECT_EQ(f.FirstOperand, 8);
  EXPECT_FALSE(f.NewEntry);
}

TEST_F(Keyboard, TypedDigitReplacesTheSelection) {
  Keys("1 2 3 4");
  f.Text1.Select(1, 2);
  f.Type("9");
  EXPECT_EQ(f.Text1.Text(), "194");
}

TEST_F(Keyboard, KeyPreviewIsOffOnlyWhileTheDisplayHasTheFocus) {
  EXPECT_FALSE(f.KeyPreview);
  f.SetFocus(Ctl::TextDecimal);
  EXPECT_TRUE(f.KeyPreview);
  f.SetFocus(Ctl::Text1);
  EXPECT_FALSE(f.KeyPreview);
}

TEST_F(Keyboard, NumericPadOperatorsWhileTheFocusIsElsewhere) {
  Keys("6");
  f.SetFocus(Ctl::NumDotCommand);  // e.g. by Tab
  Numpad('+');
  EXPECT_EQ(f.Label1.Caption, "+");
  EXPECT_EQ(f.Focused(), Ctl::Text1);
  Numpad('*');  // in the display the character itself is the operator
  EXPECT_EQ(f.Label1.Caption, "X");
  f.Type("7\r");
  EXPECT_EQ(f.Text1.Text(), "42");

  // Any financial field or the list as the last box: the window ignores the key.
  for (Ctl last : {Ctl::TextN, Ctl::TextPV, Ctl::TextPer, Ctl::TextCF}) {
    for (char op : {'*', '+', '-', '/'}) {
      shell::Form_Load(f, module);
      f.SetFocus(Ctl::Text1);
      f.SetFocus(last);
      f.SetFocus(Ctl::Num1Command);
      Numpad(op);
      EXPECT_EQ(f.Label1.Caption, "") << ControlName(last) << " " << op;
      EXPECT_EQ(f.Focused(), Ctl::Num1Command) << ControlName(last) << " " << op;
    }
  }
}

TEST_F(Keyboard, NumericPadInTheDecimalPlacesField) {
  Keys("9");
  f.SetFocus(Ctl::TextDecimal);
  EXPECT_EQ(f.ActiveField, Field::Text1);
  Numpad('+');
  EXPECT_EQ(f.Label1.Caption, "+");
  EXPECT_EQ(f.Focused(), Ctl::Text1);
  EXPECT_EQ(f.TextDecimal.Text(), "2");  // the "+" itself was refused there
}

TEST_F(Keyboard, DecimalPlacesFieldTakesDigitsOnly) {
  f.SetFocus(Ctl::TextDecimal);
  f.Type("a-.\r 3");
  EXPECT_EQ(f.TextDecimal.Text(), "23");
  f.Type("\b");
  EXPECT_EQ(f.TextDecimal.Text(), "2");
  f.Type("\b4");
  EXPECT_EQ(f.DisplayFormat, "0.00");  // takes effect when the field is left
  f.SetFocus(Ctl::Text1);
  EXPECT_EQ(f.DisplayFormat, "0.0000");
  EXPECT_EQ(f.Text1.Text(), "0");  // nothing on screen is rewritten
}

TEST_F(Keyboard, DecimalPlacesBecomeTheDisplayPattern) {
  const struct {
    const char* text;
    const char* pattern;
  } cases[] = {
      {"", "0"},
      {"0", "0"},
      {"3", "0.000"},
      {"2.5", "0.00"},
      {"3.5", "0.0000"},
      {"-3", "0"},
      {"12", "0.000000000000"},
      {"15", "0.000000000000000"},
      {"16", "0.000000000000000"},
      {"32767", "0.000000000000000"},
      {"99999999999999999999999", "0.000000000000000"},
      {"1e999", "0.000000000000000"},
      {"abc", "0"},
  };
  for (const auto& c : cases) {
    f.TextDecimal.SetText(c.text);
    f.SetFocus(Ctl::TextDecimal);
    f.SetFocus(Ctl::Text1);
    EXPECT_EQ(f.DisplayFormat, c.pattern) << c.text;
    EXPECT_EQ(f.TextDecimal.Text(), c.text);
  }
}

}  // namespace
}  // namespace quorvel
