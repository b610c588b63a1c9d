// Turning the cash-flow list into values, and the list into its tidy form.

#include <string>

#include "core/number_text.h"
#include "core/platform.h"
#include "finance/function_buttons.h"

namespace quorvel::finance {
namespace {

// The list is written back in the user's format, since that is the format
// the next click reads it in: with a comma for the decimal point, "1000.00"
// would read back as a hundred thousand.
std::string InUserFormat(std::string text, const NumberFormat& format) {
  if (format.decimal_separator == ".") return text;
  const std::size_t point = text.find('.');
  if (point != std::string::npos) text.replace(point, 1, format.decimal_separator);
  return text;
}

}  // namespace

void ParseCashFlows(Form1& f, const std::string& list) {
  // The list is rewritten below, so work on a copy of its text.
  const std::string text = list;
  const NumberFormat format = f.platform.UserNumberFormat();
  f.CashFlows.assign(1, 0.0);
  std::string rewritten;
  std::size_t count = 0;
  // Lines end at CR; the LF that follows stays at the start of the next
  // piece, where the numeric test takes it for a blank.
  for (std::size_t start = 0;;) {
    const std::size_t end = text.find('\r', start);
    const std::string_view piece = std::string_view(text).substr(
        start, end == std::string::npos ? std::string::npos : end - start);
    // Read in the user's format, so that "1,000" counts as a thousand.
    if (std::optional<double> value = NumericTextValue(piece, format)) {
      if (count == 0) {
        f.CashFlows[0] = *value;
      } else {
        f.CashFlows.push_back(*value);
      }
      rewritten += InUserFormat(FixedText(*value, f.DisplayFormat), format);
      rewritten += "\r\n";
      ++count;
    }
    if (end == std::string::npos) break;
    start = end + 1;
  }
  f.TextCF.SetText(std::move(rewritten));
}

}  // namespace quorvel::finance
