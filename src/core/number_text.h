#pragma once
// The number conversions every part of the calculator shares: reading the
// number a text begins with, and writing a value as the general 15-digit text
// or as a fixed-decimals text. All of them use "." as the decimal point,
// whatever the user's locale; only IsNumericText follows the user's format.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

// The number at the start of `text`. Blanks, tabs and line feeds anywhere are
// ignored; then an optional sign, digits with at most one ".", and an optional
// exponent ("E" or "D", either case, optional sign, digits). Reading stops at
// the first character that cannot continue the number; no number gives 0.
// "&H" and "&O" introduce a hexadecimal or octal integer. A number beyond the
// range of a double gives +/-infinity: callers that compute with the value
// test it with std::isfinite.
double TextValue(std::string_view text);

// The value with at most 15 significant digits, trailing zeros dropped, in the
// scientific form ("1.5E+20", "1E-05") when the decimal exponent is 15 or more
// or below -4. Negative zero is "0". A value that is not finite gives the
// empty text: callers test results before they show them.
std::string GeneralText(double value);
// The same with at most `significant_digits` digits (1 to 17); the scientific
// form starts at that many integer digits.
std::string GeneralText(double value, int significant_digits);

// The number of decimals of a fixed-decimals pattern: "0" has none, "0.00" two.
int DecimalsOf(std::string_view pattern);

// The pattern with `decimals` zeros after the point ("0" for none or fewer).
std::string PatternFor(int decimals);

// The value in the fixed-decimals `pattern`: first taken to 15 significant
// digits, then rounded to the pattern's decimals with halves away from zero.
// A negative value that rounds to zero is written without its sign; a value
// that is not finite gives the empty text.
std::string FixedText(double value, std::string_view pattern);

// Round to the nearest 16-bit integer, halves to the even neighbour; no value
// when the result lies outside -32768..32767 or `value` is not finite.
std::optional<std::int16_t> RoundToInt16(double value);

// The user's number format, as the platform reports it.
struct NumberFormat {
  std::string decimal_separator = ".";
  std::string group_separator = ",";
};

// The form in which the program writes numbers itself: "." for the decimal
// point and no group separators. The cash-flow list is read in it, and so is
// a text the program put on the clipboard.
inline const NumberFormat kProgramNumberFormat{".", ""};

// Whether the whole text, blanks, tabs, carriage returns and line feeds around
// it aside, is one number in the user's format: optional sign, digits with at
// most one decimal separator and optional group separators in the integer
// part, optional exponent. Where the format groups digits with a space, the
// plain, the no-break and the narrow no-break space all count as one. The empty text and numbers
// beyond the range of a double are not numeric.
bool IsNumericText(std::string_view text, const NumberFormat& format);

// A text that IsNumericText accepts, rewritten as the calculator writes
// numbers: sign, digits, "." as decimal point, exponent; no blanks and no
// group separators. No value for any other text.
std::optional<std::string> PlainNumericText(std::string_view text, const NumberFormat& format);

// The value of a text that IsNumericText accepts, read in the user's format
// (group separators skipped); no value for any other text.
std::optional<double> NumericTextValue(std::string_view text, const NumberFormat& format);

}  // namespace quorvel
