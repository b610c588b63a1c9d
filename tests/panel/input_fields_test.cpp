// The financial input fields: key filters, keypad routing, the payment
// timing box and Clear.

#include <gtest/gtest.h>

#include "calculator_session.h"
#include "panel/panel.h"

namespace quorvel {
namespace {

using testing::CalculatorSession;

class InputFields : public CalculatorSession {
 protected:
  // Types into a field as a user does: click into it, caret at its end.
  void TypeInto(Ctl field, const std::string& start, std::string_view typed) {
    f.SetFocus(Ctl::Text1);
    f.TextBoxOf(field)->SetText(start);
    f.SetFocus(field);
    f.Type(typed);
  }
};

struct FilterCase {
  Ctl field;
  const char* start;
  const char* typed;
  const char* result;
};

TEST_F(InputFields, KeyFiltersByGroup) {
  const FilterCase cases[] = {
      // Group A: the number of periods.
      {Ctl::TextN, "", "30*12", "30*12"},
      {Ctl::TextN, "", "360/12", "360/12"},
      {Ctl::TextN, "", "1.5.", "1.5"},
      {Ctl::TextN, "", "12*/3", "12*3"},
      {Ctl::TextN, "30", "-", "30"},
      {Ctl::TextN, "", "a b\r,$", ""},
      {Ctl::TextN, "123", "\b", "12"},
      // Group B: interest and period number.
      {Ctl::TextInterest, "", "6/12", "6/12"},
      {Ctl::TextInterest, "6/", "*/1", "6/1"},
      {Ctl::TextInterest, "12", "-", "-12"},
      {Ctl::TextInterest, "-12", "-", "12"},
      {Ctl::TextInterest, "", "1.5/2.5", "1.5/25"},
      {Ctl::TextInterest, "", "x=\r", ""},
      {Ctl::TextPer, "3", "-", "-3"},
      {Ctl::TextPer, "", "12*2", "12*2"},
      // Group C: the amounts.
      {Ctl::TextPV, "", "1000.50", "1000.50"},
      {Ctl::TextPV, "1000", "-", "-1000"},
      {Ctl::TextPV, "1000", "--", "1000"},
      {Ctl::TextPV, "", "5/2*3", "523"},
      {Ctl::TextFV, "", "1.2.3", "1.23"},
      {Ctl::TextPMT, "", "88$e\r", "88"},
      {Ctl::TextPMT, "88", "\b\b\b", ""},
  };
  for (const auto& c : cases) {
    TypeInto(c.field, c.start, c.typed);
    EXPECT_EQ(f.TextBoxOf(c.field)->Text(), c.result)
        << ControlName(c.field) << " \"" << c.start << "\" + \"" << c.typed << '"';
  }
}

TEST_F(InputFields, PointIsRefusedEvenWhenItWouldReplaceTheSelection) {
  TypeInto(Ctl::TextPV, "1.5", "");
  f.TextPV.Select(0, 3);
  f.Type(".");
  EXPECT_EQ(f.TextPV.Text(), "1.5");
  f.Type("7");  // a digit replaces the selection
  EXPECT_EQ(f.TextPV.Text(), "7");
}

TEST_F(InputFields, MinusTogglesTheWholeFieldWhereverTheCaretIs) {
  TypeInto(Ctl::TextFV, "250", "");
  f.TextFV.SetSelStart(1);
  f.Type("-");
  EXPECT_EQ(f.TextFV.Text(), "-250");
  EXPECT_EQ(f.TextFV.SelStart(), 2);
  EXPECT_EQ(f.Focused(), Ctl::TextFV);
  EXPECT_EQ(f.Text1.Text(), "0");
  f.Type("5");
  EXPECT_EQ(f.TextFV.Text(), "-2550");
}

TEST_F(InputFields, FocusNamesTheBoxTheKeypadEdits) {
  const struct {
    Ctl field;
    int code;
  } fields[] = {{Ctl::TextN, 1},  {Ctl::TextInterest, 2}, {Ctl::TextPV, 3},
                {Ctl::TextFV, 4}, {Ctl::TextPMT, 5},      {Ctl::TextPer, 6}};
  for (const auto& entry : fields) {
    f.SetFocus(entry.field);
    // The codes keep the numbers the window has always used.
    EXPECT_EQ(static_cast<int>(f.ActiveField), entry.code) << ControlName(entry.field);
    f.SetFocus(Ctl::TextDecimal);
    f.SetFocus(Ctl::CheckPayment);
    EXPECT_EQ(static_cast<int>(f.ActiveField), entry.code) << "only entry boxes change it";
    Keys("7");
    EXPECT_EQ(f.TextBoxOf(entry.field)->Text(), "7") << ControlName(entry.field);
    EXPECT_EQ(f.Focused(), entry.field);
  }
  EXPECT_EQ(f.Text1.Text(), "0");
}

TEST_F(InputFields, PaymentTimingCaptionFollowsItsValue) {
  EXPECT_EQ(panel::PaymentDue(f), 0);
  EXPECT_EQ(f.CheckPayment.Caption, "Payment At End Period");
  f.SetFocus(Ctl::TextPV);
  f.Click(Ctl::CheckPayment);
  EXPECT_EQ(panel::PaymentDue(f), 1);
  EXPECT_EQ(f.CheckPayment.Caption, "Payment At Begin Period");
  EXPECT_EQ(f.Focused(), Ctl::Text1);
  EXPECT_EQ(f.ActiveField, Field::Text1);
  f.Click(Ctl::CheckPayment);
  EXPECT_EQ(f.CheckPayment.Caption, "Payment At End Period");
  EXPECT_EQ(f.Focused(), Ctl::Text1);
  f.SetValue(Ctl::CheckPayment, 1);  // set by the program
  EXPECT_EQ(f.CheckPayment.Caption, "Payment At Begin Period");
}

TEST_F(InputFields, ClearEmptiesThePanelOnly) {
  Keys("4 2 M + 1");
  for (TextBox* box :
       {&f.TextN, &f.TextInterest, &f.TextPV, &f.TextFV, &f.TextPMT, &f.TextPer, &f.TextCF}) {
    box->SetText("12");
  }
  f.LabelLineNum.Caption = " 3";
  f.Click(Ctl::CheckPayment);
  f.TextDecimal.SetText("4");
  f.SetFocus(Ctl::TextPV);
  f.Click(Ctl::CommandClear);
  for (TextBox* box :
       {&f.TextN, &f.TextInterest, &f.TextPV, &f.TextFV, &f.TextPMT, &f.TextPer, &f.TextCF}) {
    EXPECT_EQ(box->Text(), "");
  }
  EXPECT_EQ(f.LabelLineNum.Caption, "");
  EXPECT_EQ(f.Focused(), Ctl::Text1);
  EXPECT_EQ(f.CheckPayment.Value, 1);
  EXPECT_EQ(f.TextDecimal.Text(), "4");
  EXPECT_EQ(f.Text1.Text(), "1");
  EXPECT_EQ(f.Label1.Caption, "");
  EXPECT_EQ(f.PendingOperator, "+");
  EXPECT_EQ(f.MemoryValue, 42);
}

TEST_F(InputFields, DecimalPlacesFieldKeepsTheLastEntryBox) {
  f.SetFocus(Ctl::TextPMT);
  f.SetFocus(Ctl::TextDecimal);
  EXPECT_EQ(f.ActiveField, Field::TextPMT);
  Keys("3");
  EXPECT_EQ(f.TextPMT.Text(), "3");
}

}  // namespace
}  // namespace quorvel
