// The cash-flow list: ParseCashFlows on a started main window model with a
// recording platform, for any list text, number format and display format.
//
// Input: one byte choosing the user's number format, one byte choosing the
// display format's decimals (bits 0-3) and whether the list comes through
// the multi-line box, as from the editor (bit 4), or as raw text; then the
// list.
//
// Properties:
// - the user's number format makes no difference: the list is read with
//   "." as the decimal point;
// - a list with a line that is neither blank nor one number is refused: the
//   parse says so, the list keeps its text and the caret stands at the start
//   of the first such line; the properties below are for the other lists;
// - every stored value is finite, and there is at least one (0 for a list
//   without numbers);
// - the rewritten list holds exactly one line per stored value, each line
//   the value in the display format and ended by CR LF, and nothing else:
//   no stray CR or LF, no "inf" or "nan";
// - there are as many values as the list has numeric lines, blank lines
//   aside;
// - parsing the rewritten list again gives the same text and the same
//   number of values, each within half a unit of the display format's last
//   place of the first reading; and a third parse changes nothing. (Not for
//   a list holding one of the largest doubles, which shows as a number
//   beyond the range.)

#include <cmath>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/form1.h"
#include "core/number_text.h"
#include "core/utf8.h"
#include "fake_platform.h"
#include "finance/function_buttons.h"
#include "fuzz_check.h"
#include "shell/main_window.h"
#include "shell/module1.h"

namespace {

using quorvel::NumberFormat;
using quorvel::fuzz::Digits;
using quorvel::fuzz::Quoted;

const NumberFormat kFormats[] = {
    {".", ","}, {",", "."}, {",", " "}, {",", "\u00A0"}, {".", "'"}, {".", ""},
};

// The main window as the user finds it after start-up; one for the whole
// run, as in the program, where the list is parsed click after click.
struct Window {
  Window() {
    quorvel::shell::RegisterHandlers(f, module);
    quorvel::shell::Form_Load(f, module);
    quorvel::shell::Form_Shown(f);
  }
  quorvel::testing::FakePlatform platform;
  quorvel::Form1 f{platform};
  quorvel::shell::Module1 module;  // no settings file
};

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

// Checks the list and values that a parse left, and returns the lines.
std::vector<std::string> CheckParsed(const quorvel::Form1& f, const std::string& where) {
  const std::vector<double>& values = f.CashFlows;
  const std::string& list = f.TextCF.Text();
  FUZZ_CHECK(!values.empty(), where + ": no values at all");
  for (double value : values) FUZZ_CHECK(std::isfinite(value), where + ": " + Digits(value));
  const std::string lower = Lower(list);
  FUZZ_CHECK(lower.find("inf") == std::string::npos && lower.find("nan") == std::string::npos,
             where + " gives the list " + Quoted(list));

  std::vector<std::string> lines;
  for (std::size_t start = 0; start < list.size();) {
    const std::size_t end = list.find("\r\n", start);
    FUZZ_CHECK(end != std::string::npos, where + ": a last line without CR LF in " + Quoted(list));
    lines.push_back(list.substr(start, end - start));
    FUZZ_CHECK(lines.back().find_first_of("\r\n") == std::string::npos,
               where + ": a stray line break in " + Quoted(list));
    start = end + 2;
  }
  if (lines.empty()) {
    FUZZ_CHECK(values.size() == 1 && values[0] == 0,
               where + ": an empty list, but " + std::to_string(values.size()) + " values");
  } else {
    FUZZ_CHECK(lines.size() == values.size(),
               where + ": " + std::to_string(values.size()) + " values, the list " + Quoted(list));
    // Each line is the value's fixed-decimals text.
    for (std::size_t i = 0; i < lines.size(); ++i) {
      const std::string shown = quorvel::FixedText(values[i], f.DisplayFormat);
      FUZZ_CHECK(lines[i] == shown, where + ": line " + std::to_string(i) + " is " +
                                        Quoted(lines[i]) + ", the value " + Digits(values[i]) +
                                        " shows as " + Quoted(shown));
    }
  }
  return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Window window;
  quorvel::Form1& f = window.f;
  quorvel::fuzz::Input input(data, size);
  const NumberFormat& format = kFormats[input.Byte() % std::size(kFormats)];
  const std::uint8_t control = input.Byte();
  const int decimals = control & 0x0F;
  const bool through_box = (control & 0x10) != 0;
  const std::string typed(input.Rest());

  window.platform.number_format = format;
  f.DisplayFormat = quorvel::PatternFor(decimals);
  const std::string where_format = " (format " + Quoted(format.decimal_separator) + "/" +
                                   Quoted(format.group_separator) + ", display " +
                                   Quoted(f.DisplayFormat) + ")";

  std::string list = typed;
  f.TextCF.SetText(typed);
  if (through_box) list = f.TextCF.Text();
  const std::string before = f.TextCF.Text();
  const bool read = quorvel::finance::ParseCashFlows(f, list);
  const std::string where = "the list " + Quoted(list) + where_format;

  // One value per numeric line: lines end at CR, and the LF after it counts
  // as a blank of the next line. The first line that is neither blank nor a
  // number refuses the list.
  std::size_t numeric = 0;
  std::optional<std::size_t> refused;
  for (std::size_t start = 0;;) {
    const std::size_t end = list.find('\r', start);
    const std::string_view piece = std::string_view(list).substr(start, end - start);
    if (quorvel::IsNumericText(piece, quorvel::kProgramNumberFormat)) {
      ++numeric;
    } else if (piece.find_first_not_of(" \t\n") != std::string_view::npos) {
      refused = start + (piece.starts_with('\n') ? 1 : 0);
      break;
    }
    if (end == std::string::npos) break;
    start = end + 1;
  }
  FUZZ_CHECK(read == !refused, where + (read ? " is read" : " is refused"));
  if (refused) {
    FUZZ_CHECK(f.TextCF.Text() == before, where + ": a refused list changed");
    FUZZ_CHECK(f.CashFlows.size() == 1 && f.CashFlows[0] == 0, where + ": values kept");
    if (through_box) {
      const int caret = quorvel::utf8::Length(std::string_view(list).substr(0, *refused));
      FUZZ_CHECK(f.TextCF.SelStart() == caret,
                 where + ": the caret at " + std::to_string(f.TextCF.SelStart()));
    }
    return 0;
  }
  const std::vector<std::string> lines = CheckParsed(f, where);
  FUZZ_CHECK(lines.size() == numeric, where + ": " + std::to_string(numeric) + " numeric lines, " +
                                          std::to_string(lines.size()) + " values");

  // The next click reads the rewritten list: it must stay as it is. Only a
  // value among the very largest doubles cannot: its 15 digits round up past
  // the largest double, so its line reads as out of range and goes.
  const std::vector<double> first = f.CashFlows;
  for (double value : first) {
    if (std::isinf(quorvel::TextValue(quorvel::GeneralText(value)))) return 0;
  }
  const std::string rewritten = f.TextCF.Text();
  quorvel::finance::ParseCashFlows(f, f.TextCF.Text());
  const std::string again = "the rewritten list " + Quoted(rewritten) + where_format;
  CheckParsed(f, again);
  FUZZ_CHECK(f.TextCF.Text() == rewritten, again + " is rewritten " + Quoted(f.TextCF.Text()));
  FUZZ_CHECK(f.CashFlows.size() == first.size(),
             again + " gives " + std::to_string(f.CashFlows.size()) + " values, not " +
                 std::to_string(first.size()));
  const double half_unit = 0.5 * std::pow(10.0, -decimals);
  for (std::size_t i = 0; i < first.size(); ++i) {
    const double bound = half_unit * (1 + 1e-9) + 1e-14 * std::fabs(first[i]);
    FUZZ_CHECK(std::fabs(f.CashFlows[i] - first[i]) <= bound,
               again + ": value " + std::to_string(i) + " was " + Digits(first[i]) + ", now " +
                   Digits(f.CashFlows[i]));
  }
  const std::vector<double> second = f.CashFlows;
  quorvel::finance::ParseCashFlows(f, f.TextCF.Text());
  FUZZ_CHECK(f.CashFlows == second && f.TextCF.Text() == rewritten,
             again + ": a third parse changed it");
  return 0;
}
