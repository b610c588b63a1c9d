// Square root, square and reciprocal of the display, and the memory register.

#include <cmath>
#include <string>

#include "core/calculator.h"
#include "core/indicators.h"
#include "core/number_text.h"
#include "core/tape.h"

namespace quorvel::calc {
namespace {

bool MemoryInUse(const Form1& f) { return f.Label2.Caption == marks::kMemory; }

// A one-operand result: the display, and the status formula with it on the
// tape.
void ShowResult(Form1& f, double value) {
  f.Text1.SetText(GeneralText(value));
  RecordOnTape(f, f.Label4.Caption + " = " + f.Text1.Text(), f.Label4.Caption, f.Text1.Text());
}

void CaretToEndAndFocus(Form1& f) {
  f.Text1.SetSelStart(f.Text1.Length());
  f.SetFocus(Ctl::Text1);
}

// M+ and M-: the formula, then the new memory. An overflowing sum is
// reported and the memory keeps its value.
void AddToMemory(Form1& f, double sign, std::string_view symbol) {
  if (MemoryInUse(f)) {
    std::optional<double> d = DisplayValue(f);
    if (!d) return;
    ShowStatus(f, "M: " + GeneralText(f.MemoryValue) + std::string(symbol) + f.Text1.Text());
    double sum = f.MemoryValue + sign * *d;
    if (!std::isfinite(sum)) {
      ShowError(f, kOverflow);
      return;
    }
    f.MemoryValue = sum;
    ShowStatus(f, f.Label4.Caption + " = " + GeneralText(f.MemoryValue));
    RecordOnTape(f, f.Label4.Caption, f.Label4.Caption, GeneralText(f.MemoryValue));
    f.NewEntry = true;
  }
  f.SetFocus(Ctl::Text1);
}

}  // namespace

void NumSqRtCommand_Click(Form1& f) {
  if (std::optional<double> d = DisplayValue(f)) {
    if (*d > 0) {
      ShowStatus(f, "sqrt(" + f.Text1.Text() + ")");
      ShowResult(f, std::sqrt(*d));
    } else {
      ShowError(f, kSqrtError);
    }
  }
  CaretToEndAndFocus(f);
}

void NumSquareCommand_Click(Form1& f) {
  std::optional<double> d = DisplayValue(f);
  if (!d) return;
  ShowStatus(f, f.Text1.Text() + "^2");
  double square = *d * *d;
  if (!std::isfinite(square)) {
    ShowError(f, kOverflow);
    return;
  }
  ShowResult(f, square);
  CaretToEndAndFocus(f);
}

void CommandInvertX_Click(Form1& f) {
  std::optional<double> d = DisplayValue(f);
  if (!d) return;
  ShowStatus(f, "1 / " + f.Text1.Text());
  if (*d == 0) {
    ShowError(f, kDivideByZero);
  } else {
    double reciprocal = 1 / *d;
    if (!std::isfinite(reciprocal)) {  // the reciprocal of a subnormal value
      ShowError(f, kOverflow);
      return;
    }
    ShowResult(f, reciprocal);
  }
  CaretToEndAndFocus(f);
}

void NumMCommand_Click(Form1& f) {
  std::optional<double> d = DisplayValue(f);
  if (d) {
    f.Label2.Caption = marks::kMemory;
    ShowStatus(f, "M = " + f.Text1.Text());
    f.MemoryValue = *d;
    RecordOnTape(f, f.Label4.Caption, f.Label4.Caption, f.Text1.Text());
    f.NewEntry = true;
  }
  f.SetFocus(Ctl::Text1);
}

void NumMPlusCommand_Click(Form1& f) { AddToMemory(f, 1, "  +  "); }
void NumMMinusCommand_Click(Form1& f) { AddToMemory(f, -1, "  -  "); }

void NumMRCommand_Click(Form1& f) {
  if (MemoryInUse(f)) {
    f.CaretPosition = f.Text1.SelStart();
    AppendToDisplay(f, GeneralText(f.MemoryValue));
    f.Text1.SetSelStart(f.Text1.Length());
    RecordOnTape(f, "MR = " + GeneralText(f.MemoryValue), f.Label4.Caption,
                 GeneralText(f.MemoryValue));
  }
  f.SetFocus(Ctl::Text1);
}

void NumMCCommand_Click(Form1& f) {
  f.Label2.Caption.clear();
  f.MemoryValue = 0;
  RecordOnTape(f, "MC", f.Label4.Caption, {});
  f.SetFocus(Ctl::Text1);
}

}  // namespace quorvel::calc
