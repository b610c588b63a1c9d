// The six financial input fields, the payment-timing box and Clear.

#include <string>

#include "core/calculator.h"
#include "panel/panel.h"

namespace quorvel::panel {
namespace {

bool Contains(const std::string& text, char c) { return text.find(c) != std::string::npos; }

bool IsDigitOrBackspace(int k) { return (k >= '0' && k <= '9') || k == 8; }

// One "." per field, whatever the selection would replace.
bool RefusesPoint(const std::string& text) { return Contains(text, '.'); }

// One "/" or "*" per field, in the two-number form such as 30*12 or 6/12.
bool RefusesOperator(const std::string& text) { return text.find_first_of("/*") != text.npos; }

// "-" turns the sign of the whole field, wherever the caret is.
void ToggleSign(Form1& f, int& key_ascii) {
  key_ascii = 0;
  calc::NumSignCommand_Click(f);
}

}  // namespace

void FilterGroupA(Form1& f, Ctl field, int& key_ascii) {
  const std::string& text = f.TextBoxOf(field)->Text();
  const int k = key_ascii;
  if (k == '.') {
    if (RefusesPoint(text)) key_ascii = 0;
  } else if (IsDigitOrBackspace(k)) {
  } else if (k == '/' || k == '*') {
    if (RefusesOperator(text)) key_ascii = 0;
  } else {
    key_ascii = 0;
  }
}

void FilterGroupB(Form1& f, Ctl field, int& key_ascii) {
  const std::string& text = f.TextBoxOf(field)->Text();
  const int k = key_ascii;
  if (k == '.') {
    if (RefusesPoint(text)) key_ascii = 0;
  } else if (IsDigitOrBackspace(k)) {
  } else if (k == '-') {
    ToggleSign(f, key_ascii);
  } else if (k == '/' || k == '*') {
    if (RefusesOperator(text)) key_ascii = 0;
  } else {
    key_ascii = 0;
  }
}

void FilterGroupC(Form1& f, Ctl field, int& key_ascii) {
  const std::string& text = f.TextBoxOf(field)->Text();
  const int k = key_ascii;
  if (k == '.') {
    if (RefusesPoint(text)) key_ascii = 0;
  } else if (k == '-') {
    ToggleSign(f, key_ascii);
  } else if (!IsDigitOrBackspace(k)) {
    key_ascii = 0;
  }
}

void CheckPayment_Click(Form1& f) {
  f.CheckPayment.Caption =
      f.CheckPayment.Value != 0 ? "Payment At Begin Period" : "Payment At End Period";
  f.SetFocus(Ctl::Text1);
}

int PaymentDue(const Form1& f) { return f.CheckPayment.Value; }

void CommandClear_Click(Form1& f) {
  for (TextBox* box :
       {&f.TextN, &f.TextInterest, &f.TextPV, &f.TextFV, &f.TextPMT, &f.TextPer, &f.TextCF}) {
    box->SetText("");
  }
  f.LabelLineNum.Caption.clear();
  f.SetFocus(Ctl::Text1);
}

}  // namespace quorvel::panel
