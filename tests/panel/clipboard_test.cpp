// Cut, Copy and Paste on the focused box, and the toolbar.

#include <gtest/gtest.h>

#include "calculator_session.h"
#include "shell/main_window.h"

namespace quorvel {
namespace {

using testing::CalculatorSession;

class Clipboard : public CalculatorSession {
 protected:
  void Paste(const std::string& text) {
    platform.clipboard = text;
    f.RaiseClick(Ctl::MenuPaste);
  }
};

TEST_F(Clipboard, CopyAndCutTakeTheSelection) {
  Keys("1 2 3 4");
  f.Text1.Select(1, 2);
  f.RaiseClick(Ctl::MenuCopy);
  EXPECT_EQ(platform.clipboard, "23");
  EXPECT_EQ(f.Text1.Text(), "1234");
  f.ButtonClick(Ctl::Toolbar1, "Cut");
  EXPECT_EQ(platform.clipboard, "23");
  EXPECT_EQ(f.Text1.Text(), "14");
  EXPECT_EQ(f.Focused(), Ctl::Text1);
  f.RaiseClick(Ctl::MenuCopy);  // nothing selected now
  EXPECT_EQ(platform.clipboard, "");
  f.RaiseClick(Ctl::MenuPaste);  // an empty clipboard is not a number
  EXPECT_EQ(f.Text1.Text(), "14");
}

TEST_F(Clipboard, PasteAfterAnOperatorTakesOverTheDisplay) {
  Keys("1 2 +");
  Paste("5");
  EXPECT_EQ(f.Text1.Text(), "125");
  EXPECT_EQ(f.FirstOperand, 12);
  EXPECT_EQ(f.PendingOperator, "+");
  EXPECT_EQ(f.Label1.Caption, "");
  EXPECT_FALSE(f.NewEntry);
  Keys("=");
  EXPECT_EQ(f.Text1.Text(), "137");

  // Into a field the paste leaves the display's finished value alone.
  Keys("AC 1 2 +");
  f.SetFocus(Ctl::TextPV);
  Paste("5");
  EXPECT_EQ(f.TextPV.Text(), "5");
  EXPECT_EQ(f.Label1.Caption, "+");
  EXPECT_TRUE(f.NewEntry);
  f.SetFocus(Ctl::Text1);
  Keys("3 =");
  EXPECT_EQ(f.Text1.Text(), "15");
}

struct PasteCase {
  Ctl field;
  const char* clipboard;
  const char* result;
};

TEST_F(Clipboard, PasteTakesNumbersIntoTheFields) {
  const PasteCase cases[] = {
      {Ctl::TextPV, "abc", "7"},       {Ctl::TextPV, "-1,250.5", "7-1250.5"},
      {Ctl::TextPV, " 42 \n", "742"},  {Ctl::TextN, "12/12", "7"},
      {Ctl::TextN, "1e3", "71E3"},     {Ctl::TextInterest, "", "7"},
      {Ctl::TextDecimal, "abc", "27"},  // after TextPV, only numbers
  };
  for (const auto& c : cases) {
    f.SetFocus(Ctl::TextPV);
    TextBox& box = *f.TextBoxOf(c.field);
    box.SetText(c.field == Ctl::TextDecimal ? "27" : "7");
    f.SetFocus(c.field);
    Paste(c.clipboard);
    EXPECT_EQ(box.Text(), c.result) << ControlName(c.field) << " <- " << c.clipboard;
  }
}

TEST_F(Clipboard, PasteReadsTheUsersNumberFormat) {
  platform.number_format = {",", "."};
  f.SetFocus(Ctl::TextFV);
  Paste("1.250,75");
  EXPECT_EQ(f.TextFV.Text(), "1250.75");
}

// What the program copies itself pastes back as the same value, whatever
// the user's format: its texts always write "." for the decimal point.
TEST_F(Clipboard, OwnTextPastesBackAsTheSameValue) {
  const NumberFormat formats[] = {{",", "."}, {",", "\u202F"}, {".", ","}, {".", "'"}};
  for (const NumberFormat& format : formats) {
    platform.number_format = format;
    shell::Form_Load(f, module);
    f.TextPV.SetText("");
    Keys("1 + 1 . 5 =");
    ASSERT_EQ(f.Text1.Text(), "2.5");
    f.Text1.Select(0, 3);
    f.RaiseClick(Ctl::MenuCopy);
    f.Click(Ctl::TextPV);
    f.RaiseClick(Ctl::MenuPaste);
    EXPECT_EQ(f.TextPV.Text(), "2.5") << format.decimal_separator;

    // From the list into a field, and from a field into the list.
    f.Click(Ctl::CommandCF);
    f.TextCF.SetText("-1000.25\r\n1.000");
    f.TextCF.Select(10, 5);
    f.RaiseClick(Ctl::MenuCopy);
    f.Click(Ctl::TextFV);
    f.TextFV.SetText("");
    f.RaiseClick(Ctl::MenuPaste);
    EXPECT_EQ(f.TextFV.Text(), "1.000") << format.decimal_separator;
    f.TextFV.Select(0, 5);
    f.RaiseClick(Ctl::MenuCut);
    f.Click(Ctl::CommandCF);
    f.TextCF.SetText("7\r\n");
    f.RaiseClick(Ctl::MenuPaste);
    EXPECT_EQ(f.TextCF.Text(), "7\r\n1.000") << format.decimal_separator;
  }
}

// Text from elsewhere is read in the user's format, as it always was; the
// French format groups digits with any of its spaces.
TEST_F(Clipboard, ForeignTextIsReadInTheUsersFormat) {
  const struct {
    NumberFormat format;
    const char* clipboard;
    const char* pasted;
  } cases[] = {
      {{",", "."}, "2,5", "2.5"},
      {{",", "."}, "1.234,5", "1234.5"},
      {{",", "\u202F"}, "2,5", "2.5"},
      {{",", "\u202F"}, "1\u202F234,5", "1234.5"},
      {{",", "\u202F"}, "1\u00A0234,5", "1234.5"},
      {{",", "\u202F"}, "1 234,5", "1234.5"},
      {{",", "\u00A0"}, "1\u202F234,5", "1234.5"},
      {{",", "\u00A0"}, "-1 234 567,25", "-1234567.25"},
      {{".", ","}, "1,234.5", "1234.5"},
      {{".", ","}, "2.5", "2.5"},
  };
  for (const auto& c : cases) {
    platform.number_format = c.format;
    f.Click(Ctl::TextPV);
    f.TextPV.SetText("");
    Paste(c.clipboard);
    EXPECT_EQ(f.TextPV.Text(), c.pasted) << c.clipboard;
  }
}

TEST_F(Clipboard, CashFlowListTakesAnyText) {
  f.Click(Ctl::CommandCF);
  Paste("100\n-50 words 1,000");
  EXPECT_EQ(f.TextCF.Text(), "100\r\n-50 words 1,000");
  f.SetFocus(Ctl::TextDecimal);  // the list was the last entry box
  Paste("abc");
  EXPECT_EQ(f.TextDecimal.Text(), "2abc");
}

TEST_F(Clipboard, CommandsDoNothingOutsideATextBox) {
  Keys("1 2");
  f.SetFocus(Ctl::Num5Command);
  Paste("5");
  f.RaiseClick(Ctl::MenuCut);
  EXPECT_EQ(f.Text1.Text(), "12");
  EXPECT_EQ(platform.clipboard, "5");
}

TEST_F(Clipboard, ToolbarRunsTheMenuCommandOfItsKey) {
  Keys("9");
  f.Text1.Select(0, 1);
  f.ButtonClick(Ctl::Toolbar1, "copy");  // keys are compared exactly
  f.ButtonClick(Ctl::Toolbar1, "About");
  EXPECT_EQ(platform.clipboard, "");
  EXPECT_EQ(platform.about_shown, 0);
  f.ButtonClick(Ctl::Toolbar1, "Copy");
  EXPECT_EQ(platform.clipboard, "9");
  f.Text1.SetSelStart(1);
  platform.clipboard = "8";
  f.ButtonClick(Ctl::Toolbar1, "Paste");
  EXPECT_EQ(f.Text1.Text(), "98");
}

}  // namespace
}  // namespace quorvel
