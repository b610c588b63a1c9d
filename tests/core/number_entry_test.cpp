// Building and editing numbers with the keypad.

#include <gtest/gtest.h>

#include "calculator_session.h"
#include "core/calculator.h"

namespace quorvel {
namespace {

using testing::CalculatorSession;

class NumberEntry : public CalculatorSession {};

TEST_F(NumberEntry, FreshWindowShowsZeroAndEmptyLabels) {
  EXPECT_EQ(f.Text1.Text(), "0");
  EXPECT_EQ(f.Text1.SelStart(), 1);
  for (const Label* label : {&f.Label1, &f.Label2, &f.Label3, &f.Label4}) {
    EXPECT_EQ(label->Caption, "");
  }
  EXPECT_EQ(f.DisplayFormat, "0.00");
  EXPECT_EQ(f.TextDecimal.Text(), "2");
  EXPECT_EQ(f.Focused(), Ctl::Text1);
  EXPECT_EQ(f.ActiveField, Field::Text1);
  EXPECT_FALSE(f.KeyPreview);  // the display has the focus
}

struct EntryCase {
  const char* keys;
  const char* display;
  const char* label1;
};

TEST_F(NumberEntry, KeySequences) {
  const EntryCase cases[] = {
      {"5", "5", ""},
      {"5 0", "50", ""},
      {"5 0 .", "50.", ""},
      {"5 0 . 2", "50.2", ""},
      {"0", "0", ""},
      {"0 0 0", "0", ""},
      {"0 . 5", "0.5", ""},
      {"3 . 5 .", "3.5", ""},
      {"7 + 3", "3", ""},
      {"7 + .", "0.", ""},
      {"7 + . 5", "0.5", ""},
      {"1 2 +/-", "-12", ""},
      {"1 2 +/- +/-", "12", ""},
      {"+/-", "-0", ""},
      {"+/- .", "-00.", ""},
      {"5 BS", "", ""},
      {"5 BS BS", "", ""},
      {"1 2 3 BS", "12", ""},
      {"5 + 3 = +/-", "-8", ""},
      {"5 + 3 = +/- 1", "-81", ""},
      {"5 + +/-", "-5", "+"},
      {"5 + BS", "", "+"},
      {"1 2 + 3 C", "0", ""},
      {"1 2 + 3 C 4 =", "16", ""},
      {"1 2 + 3 AC 4 =", "4", ""},
      {"7 + C", "0", "+"},
      {"7 + C 2 =", "9", ""},
      {"7 + C 2 + 1 =", "10", ""},
      {"7 = C 2", "2", ""},
  };
  for (const auto& c : cases) {
    shell::Form_Load(f, module);
    Keys(c.keys);
    EXPECT_EQ(f.Text1.Text(), c.display) << c.keys;
    EXPECT_EQ(f.Label1.Caption, c.label1) << c.keys;
    EXPECT_EQ(f.Focused(), Ctl::Text1) << c.keys;
  }
}

TEST_F(NumberEntry, TakeoverMovesTheOperatorIntoThePendingOperation) {
  Keys("7 +");
  EXPECT_TRUE(f.NewEntry);
  EXPECT_EQ(f.Label1.Caption, "+");
  Keys("3");
  EXPECT_EQ(f.FirstOperand, 7);
  EXPECT_EQ(f.PendingOperator, "+");
  EXPECT_EQ(f.Label1.Caption, "");
  EXPECT_FALSE(f.NewEntry);
}

TEST_F(NumberEntry, SignChangeAfterResultEditsTheResult) {
  Keys("5 + 3 =");
  Keys("+/-");
  EXPECT_EQ(f.Text1.Text(), "-8");
  EXPECT_EQ(f.FirstOperand, 8);
  EXPECT_FALSE(f.NewEntry);
}

TEST_F(NumberEntry, DigitGoesInAtTheCaret) {
  Keys("1 2 3 4");
  f.Text1.SetSelStart(2);
  Keys("5");
  EXPECT_EQ(f.Text1.Text(), "12534");
  EXPECT_EQ(f.Text1.SelStart(), 3);
  f.Text1.SetSelStart(1);
  Keys(".");
  EXPECT_EQ(f.Text1.Text(), "1.2534");
  EXPECT_EQ(f.Text1.SelStart(), 2);
  Keys(".");  // a second point changes nothing and keeps the caret
  EXPECT_EQ(f.Text1.Text(), "1.2534");
  EXPECT_EQ(f.Text1.SelStart(), 2);
}

TEST_F(NumberEntry, SignChangeLooksOnlyAtTheLeadingMinus) {
  const struct {
    const char* before;
    int caret;
    const char* after;
    int caret_after;
  } cases[] = {
      {"12", 2, "-12", 3},   {"-12", 3, "12", 2},       {" 5 ", 2, "-5", 2},
      {"0", 1, "-0", 2},     {"1E-05", 5, "-1E-05", 6}, {"-1E-05", 6, "1E-05", 5},
      {"  -7", 0, "  7", 0}, {"", 0, "-", 1},           {"5-", 2, "-5-", 3},
  };
  for (const auto& c : cases) {
    f.Text1.SetText(c.before);
    f.Text1.SetSelStart(c.caret);
    Keys("+/-");
    EXPECT_EQ(f.Text1.Text(), c.after) << '"' << c.before << '"';
    EXPECT_EQ(f.Text1.SelStart(), c.caret_after) << '"' << c.before << '"';
  }
}

TEST_F(NumberEntry, EditingClearsTheStatusBar) {
  Keys("5 + 3 =");
  ASSERT_EQ(f.Label4.Caption, "5  +  3");
  Keys("+/-");
  EXPECT_EQ(f.Label4.Caption, "");
  Keys("+ 3 =");
  Keys("BS");
  EXPECT_EQ(f.Label4.Caption, "");
  Keys("+ 3 =");
  Keys("C");  // clearing the display keeps the formula
  EXPECT_NE(f.Label4.Caption, "");
}

TEST_F(NumberEntry, AllClearKeepsTheMemory) {
  Keys("9 M 5 X X 2");
  Keys("AC");
  EXPECT_EQ(f.Text1.Text(), "0");
  EXPECT_EQ(f.Label2.Caption, "M");
  EXPECT_EQ(f.MemoryValue, 9);
  EXPECT_EQ(f.Label3.Caption, "");
  EXPECT_EQ(f.ConstantValue, 0);
  EXPECT_EQ(f.PendingOperator, "");
  EXPECT_EQ(f.FirstOperand, 0);
}

TEST_F(NumberEntry, KeypadTypesIntoTheFinancialFieldLastInFocus) {
  f.TextPMT.SetText("12");
  f.SetFocus(Ctl::TextPMT);
  ASSERT_EQ(f.ActiveField, Field::TextPMT);
  f.SetFocus(Ctl::TextDecimal);  // does not change the box the keypad edits
  Keys("5 . 0");
  EXPECT_EQ(f.TextPMT.Text(), "125.0");
  EXPECT_EQ(f.Focused(), Ctl::TextPMT);
  Keys("BS +/-");
  EXPECT_EQ(f.TextPMT.Text(), "-125.");
  Keys(".");
  EXPECT_EQ(f.TextPMT.Text(), "-125.");
  EXPECT_EQ(f.Text1.Text(), "0");

  f.TextPMT.SetText("-");
  Keys(".");  // a text worth zero becomes "0."
  EXPECT_EQ(f.TextPMT.Text(), "0.");

  f.TextPMT.SetText("123");
  f.TextPMT.SetSelStart(0);
  Keys("BS");  // nothing before the caret
  EXPECT_EQ(f.TextPMT.Text(), "123");
  f.TextPMT.SetSelStart(2);
  Keys("BS");
  EXPECT_EQ(f.TextPMT.Text(), "13");
  EXPECT_EQ(f.TextPMT.SelStart(), 1);
}

TEST_F(NumberEntry, PeriodsNeverTurnNegative) {
  f.TextN.SetText("30");
  f.SetFocus(Ctl::TextN);
  f.SetFocus(Ctl::NumSignCommand);
  Keys("+/-");
  EXPECT_EQ(f.TextN.Text(), "30");
  EXPECT_EQ(f.Focused(), Ctl::TextN);
  Keys("0");
  EXPECT_EQ(f.TextN.Text(), "300");
}

TEST_F(NumberEntry, CashFlowListTakesNothingFromTheKeypad) {
  f.TextCF.SetText("100");
  for (const char* key : {"5", ".", "+/-"}) {
    f.ActiveField = Field::TextCF;  // as the cash-flow list's focus event leaves it
    f.SetFocus(Ctl::Num5Command);
    Keys(key);
    EXPECT_EQ(f.TextCF.Text(), "100") << key;
    EXPECT_EQ(f.Text1.Text(), "0") << key;
    EXPECT_EQ(f.Focused(), Ctl::Text1) << key;
    EXPECT_EQ(f.ActiveField, Field::Text1) << key;
  }
  f.ActiveField = Field::TextCF;
  Keys("BS");  // does nothing at all
  EXPECT_EQ(f.TextCF.Text(), "100");
  EXPECT_EQ(f.Text1.Text(), "0");
  EXPECT_EQ(f.Focused(), Ctl::CommandBackSpace);
}

TEST(AppendNumeric, ReplacesOnlyATextWorthNothing) {
  testing::FakePlatform platform;
  Form1 f(platform);
  const struct {
    const char* text;
    int caret;
    const char* result;
  } cases[] = {
      {"0", 1, "5"},    {"00", 2, "5"},   {"", 0, "5"},    {"-", 1, "-5"}, {"0.", 2, "0.5"},
      {"12", 1, "152"}, {"-0", 2, "-05"}, {"abc", 3, "5"}, {"7", 9, "75"},
  };
  for (const auto& c : cases) {
    f.CaretPosition = c.caret;
    EXPECT_EQ(calc::AppendNumeric(f, c.text, "5"), c.result) << c.text;
  }
}

TEST(TextRightShift, RemovesTheCharacterBeforeThePosition) {
  EXPECT_EQ(calc::TextRightShift("", 1), "");
  EXPECT_EQ(calc::TextRightShift("5", 1), "");
  EXPECT_EQ(calc::TextRightShift("1234", 2), "134");
  EXPECT_EQ(calc::TextRightShift("1234", 4), "123");
  EXPECT_EQ(calc::TextRightShift("1\u00A0000", 2), "1000");
}

}  // namespace
}  // namespace quorvel
