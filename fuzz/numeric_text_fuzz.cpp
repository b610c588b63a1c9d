// The numeric test (IsNumericText), the value it sees (NumericTextValue) and
// the plain rewrite (PlainNumericText), under several users' number formats.
//
// Input: one byte choosing the number format, then the text.
//
// Properties:
// - the three agree: the test passes exactly when there is a value and
//   exactly when there is a plain text;
// - the value is finite, and it is the plain text read by TextValue;
// - the plain text is a number as the calculator writes them: optional "-",
//   digits with at most one ".", optional exponent; nothing else. It is
//   numeric in the "." format and its own plain text there;
// - blanks, tabs, CRs and LFs around the text change neither the test nor the
//   value (the cash-flow list leaves a line feed at the start of each line);
// - a "-" before a numeric text without a sign negates its value.

#include <cmath>
#include <cstdint>
#include <iterator>
#include <optional>
#include <string>
#include <string_view>

#include "core/number_text.h"
#include "fuzz_check.h"

namespace {

using quorvel::NumberFormat;
using quorvel::fuzz::Digits;
using quorvel::fuzz::Quoted;

// Decimal and group separators as desktops report them, and a few odd ones.
const NumberFormat kFormats[] = {
    {".", ","},
    {",", "."},
    {",", " "},
    {",", "\u00A0"},  // no-break space
    {",", "\u202F"},  // narrow no-break space
    {".", "'"},
    {".", ""},             // no grouping
    {".", "."},            // the same character twice
    {"\u066B", "\u066C"},  // Arabic, two bytes each
    {"", ","},             // no decimal separator at all
};

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Whether `text` is "-"? digits ("." digits*)? ("E" [+-]? digits)? with at
// least one digit before the exponent.
bool IsPlainNumber(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && text[i] == '-') ++i;
  int digits = 0;
  bool point = false;
  for (; i < text.size(); ++i) {
    if (IsDigit(text[i])) {
      ++digits;
    } else if (text[i] == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  if (digits == 0) return false;
  if (i == text.size()) return true;
  if (text[i] != 'E' && text[i] != 'e' && text[i] != 'D' && text[i] != 'd') return false;
  ++i;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
  if (i == text.size()) return false;
  for (; i < text.size(); ++i) {
    if (!IsDigit(text[i])) return false;
  }
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quorvel::fuzz::Input input(data, size);
  const NumberFormat& format = kFormats[input.Byte() % std::size(kFormats)];
  const std::string_view text = input.Rest();
  const std::string where = Quoted(text) + " in the format " + Quoted(format.decimal_separator) +
                            "/" + Quoted(format.group_separator);

  const bool numeric = quorvel::IsNumericText(text, format);
  const std::optional<double> value = quorvel::NumericTextValue(text, format);
  const std::optional<std::string> plain = quorvel::PlainNumericText(text, format);
  FUZZ_CHECK(numeric == value.has_value(), where);
  FUZZ_CHECK(numeric == plain.has_value(), where);

  const std::string wrapped = " \n\t" + std::string(text) + "\r\n ";
  const std::optional<double> wrapped_value = quorvel::NumericTextValue(wrapped, format);
  FUZZ_CHECK(wrapped_value.has_value() == numeric, where + ": blanks around it change the test");
  if (!numeric) return 0;
  FUZZ_CHECK(*wrapped_value == *value, where + ": blanks around it change the value");

  FUZZ_CHECK(std::isfinite(*value), where + " has the value " + Digits(*value));
  FUZZ_CHECK(IsPlainNumber(*plain), where + " is written " + Quoted(*plain));
  const double plain_value = quorvel::TextValue(*plain);
  FUZZ_CHECK(plain_value == *value, where + " is written " + Quoted(*plain) + ", which reads " +
                                        Digits(plain_value) + ", not " + Digits(*value));

  const NumberFormat dot{".", ","};
  const std::optional<std::string> replain = quorvel::PlainNumericText(*plain, dot);
  FUZZ_CHECK(replain && *replain == *plain,
             where + " is written " + Quoted(*plain) + ", which is not plain itself");

  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (text[first] != '-' && text[first] != '+') {
    const std::string negated = "-" + std::string(text.substr(first));
    const std::optional<double> negated_value = quorvel::NumericTextValue(negated, format);
    FUZZ_CHECK(negated_value && *negated_value == -*value,
               where + ": " + Quoted(negated) + " is not its negative");
  }
  return 0;
}
