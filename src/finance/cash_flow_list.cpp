// Turning the cash-flow list into values, and the list into its tidy form.

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/number_text.h"
#include "core/platform.h"
#include "core/utf8.h"
#include "finance/function_buttons.h"

namespace quorvel::finance {
namespace {

bool IsBlank(std::string_view line) { return line.find_first_not_of(" \t\r\n") == line.npos; }

}  // namespace

bool ParseCashFlows(Form1& f, const std::string& list) {
  // The list's key filter lets only "." in, so a typed list is written in
  // the program's own number form, in every locale; a pasted one was turned
  // into it as it came in. It is read, and written back, in that form only:
  // read in the user's format, "60.5" would be 605 under a decimal comma.
  ProgressMeter progress(f.platform, list.size());
  std::vector<double> values;
  std::string rewritten;
  // Lines end at CR; the LF that follows stays at the start of the next
  // piece, where it counts as a blank.
  for (std::size_t start = 0;;) {
    progress.At(start);
    const std::size_t end = list.find('\r', start);
    const std::string_view piece = std::string_view(list).substr(
        start, end == std::string::npos ? std::string::npos : end - start);
    if (!IsBlank(piece)) {
      const std::optional<double> value = NumericTextValue(piece, kProgramNumberFormat);
      if (!value) {
        // Computing without the line would give a wrong answer without a
        // word: the list stays as it is, with the caret on the line.
        const std::size_t line = start + (piece.starts_with('\n') ? 1 : 0);
        f.CashFlows.assign(1, 0.0);
        f.TextCF.SetSelStart(utf8::Length(std::string_view(list).substr(0, line)));
        return false;
      }
      values.push_back(*value);
      rewritten += FixedText(*value, f.DisplayFormat);
      rewritten += "\r\n";
    }
    if (end == std::string::npos) break;
    start = end + 1;
  }
  if (values.empty()) values.push_back(0);
  f.CashFlows = std::move(values);
  f.TextCF.SetText(std::move(rewritten));
  return true;
}

}  // namespace quorvel::finance
