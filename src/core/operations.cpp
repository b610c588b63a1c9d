// The four operations, worked immediately from left to right, equals and the
// constant mode "K"; every completed operation writes its formula into the
// status bar.

#include <cmath>
#include <string>

#include "core/calculator.h"
#include "core/indicators.h"
#include "core/number_text.h"
#include "core/tape.h"

namespace quorvel::calc {
namespace {

bool ConstantMode(const Form1& f) { return f.Label3.Caption == marks::kConstant; }

void ConstantModeOff(Form1& f) {
  f.Label3.Caption.clear();
  f.ConstantValue = 0;
}

// The multiply and divide keys type their sign into the boxes that accept a
// product or quotient (periods, interest, period number) when one of them
// was the last in focus; everywhere else they are operators.
void MultiplyOrDivideKey(Form1& f, std::string_view sign, std::string_view symbol) {
  if (f.ActiveField == Field::TextN || f.ActiveField == Field::TextInterest ||
      f.ActiveField == Field::TextPer) {
    Ctl field = EntryField(f.ActiveField);
    const std::string& text = f.TextBoxOf(field)->Text();
    if (text.find_first_of("/*") == std::string::npos) EnterNumeric(f, sign);
    f.SetFocus(field);
    return;
  }
  SelectOperator(f, symbol);
}

}  // namespace

void SelectOperator(Form1& f, std::string_view symbol) {
  if (f.Label1.Caption != symbol) {
    if (!f.NewEntry) {
      if (!CalculatePending(f)) {
        f.SetFocus(Ctl::Text1);
        return;
      }
      f.FirstOperand = TextValue(f.Text1.Text());
    }
    ConstantModeOff(f);
  } else if (!ConstantMode(f)) {
    if (f.NewEntry) {
      std::optional<double> constant = DisplayValue(f);
      if (!constant) {
        f.SetFocus(Ctl::Text1);
        return;
      }
      f.Label3.Caption = marks::kConstant;
      f.ConstantValue = *constant;
    } else {
      // The shown value was edited (sign change, backspace, arrow key): the
      // same operator again completes the operation.
      if (!CalculatePending(f)) {
        f.SetFocus(Ctl::Text1);
        return;
      }
      f.FirstOperand = TextValue(f.Text1.Text());
    }
  } else {
    ConstantModeOff(f);
  }
  f.NewEntry = true;
  f.Label1.Caption = symbol;
  f.PendingOperator = symbol;
  f.SetFocus(Ctl::Text1);
}

bool CalculatePending(Form1& f) {
  std::optional<double> display = DisplayValue(f);
  if (!display) return false;
  const double d = *display;
  if (d == 0) f.Text1.SetText("0");
  const double first = f.FirstOperand;
  const bool constant = ConstantMode(f);
  const std::string& text = f.Text1.Text();
  const std::string& op = f.PendingOperator;

  std::string formula;
  double result = 0;
  if (op == marks::kPlus) {
    formula = GeneralText(first) + "  +  " + text;
    result = d + first;
  } else if (op == marks::kMinus) {
    formula = constant ? text + "  -  " + GeneralText(first) : GeneralText(first) + "  -  " + text;
    result = constant ? d - first : first - d;
  } else if (op == marks::kDivide) {
    double divisor = constant ? first : d;
    if (divisor == 0) {
      ShowError(f, kDivideByZero);
      f.Text1.SetSelStart(f.Text1.Length());
      return true;
    }
    formula = constant ? text + " / " + GeneralText(first) : GeneralText(first) + " / " + text;
    result = constant ? d / first : first / d;
  } else if (op == marks::kTimes) {
    formula = GeneralText(first) + " * " + text;
    result = d * first;
  } else {
    f.Text1.SetSelStart(f.Text1.Length());
    return true;
  }

  if (!std::isfinite(result)) {
    // The display keeps the second operand, caret and all.
    ShowError(f, kOverflow);
    return true;
  }
  ShowStatus(f, formula);
  f.Text1.SetText(GeneralText(result));
  RecordOnTape(f, formula + " = " + f.Text1.Text(), formula, f.Text1.Text());
  return true;
}

void NumPlusCommand_Click(Form1& f) { SelectOperator(f, marks::kPlus); }
void NumMinusCommand_Click(Form1& f) { SelectOperator(f, marks::kMinus); }
void NumMULCommand_Click(Form1& f) { MultiplyOrDivideKey(f, marks::kProductSign, marks::kTimes); }
void NumDivCommand_Click(Form1& f) { MultiplyOrDivideKey(f, marks::kQuotientSign, marks::kDivide); }

void NumEqCommand_Click(Form1& f) {
  // A display beyond the range of a double only reports the overflow; equals
  // then ends as after a division by zero, so the operation it could not
  // complete does not linger into the next calculation.
  if (ConstantMode(f)) {
    f.FirstOperand = f.ConstantValue;
    CalculatePending(f);
  } else {
    if (!f.NewEntry) CalculatePending(f);
    f.PendingOperator.clear();
    f.Label1.Caption.clear();
  }
  f.NewEntry = true;
  f.SetFocus(Ctl::Text1);
}

}  // namespace quorvel::calc
