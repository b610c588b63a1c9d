// The calculator's state at load, the decimal-places field and reading the
// display's number.

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "core/calculator.h"
#include "core/number_text.h"
#include "core/tape.h"

namespace quorvel::calc {
namespace {
// More decimals than the 15 significant digits a result carries would only
// show zeros; the count is also kept far from the 16-bit range.
constexpr int kMaxDecimalPlaces = 15;
}  // namespace

void ShowStatus(Form1& f, std::string text) {
  f.Label4.Caption = std::move(text);
  f.StatusIsError = false;
}

void ShowError(Form1& f, std::string_view message) {
  f.Label4.Caption = std::string(message);
  f.StatusIsError = true;
  RecordErrorOnTape(f, f.Label4.Caption);
}

void ResetCalculator(Form1& f) {
  f.Label1.Caption.clear();
  f.Label2.Caption.clear();
  f.Label3.Caption.clear();
  ClearStatus(f);
  f.FirstOperand = 0;
  f.ConstantValue = 0;
  f.MemoryValue = 0;
  f.NewEntry = false;
  f.Text1.SetText("0");
  f.PendingOperator.clear();
  f.KeyPreview = true;
  f.ActiveField = Field::Text1;
  f.DisplayFormat = "0.00";
  f.TextDecimal.SetText("2");
}

int DecimalPlaces(std::string_view text) {
  double value = TextValue(text);
  if (std::isnan(value)) return 0;
  if (auto count = RoundToInt16(value)) return std::clamp<int>(*count, 0, kMaxDecimalPlaces);
  return value > 0 ? kMaxDecimalPlaces : 0;
}

void TextDecimal_LostFocus(Form1& f) {
  f.DisplayFormat = PatternFor(DecimalPlaces(f.TextDecimal.Text()));
}

void TextDecimal_KeyPress(Form1&, int& key_ascii) {
  bool digit = key_ascii >= '0' && key_ascii <= '9';
  if (!digit && key_ascii != 8) key_ascii = 0;
}

std::optional<double> DisplayValue(Form1& f) {
  double value = TextValue(f.Text1.Text());
  if (!std::isfinite(value)) {
    ShowError(f, kOverflow);
    return std::nullopt;
  }
  return value;
}

}  // namespace quorvel::calc
