// Writing values as the general text (GeneralText) and as fixed-decimals
// texts (FixedText with the patterns of 0 to 15 decimals), for any finite
// double: bit patterns from the input, or values read from decimal text so
// that halfway cases such as 2.675 come up often.
//
// Input: one control byte (bits 0-3: decimals; bit 4: the value is the next
// eight bytes, bit for bit, else it is read from the rest as text; bits 5-7
// with bit 0: the significant digits of a second general text).
//
// Properties:
// - GeneralText: at most 22 characters; only digits, "-", ".", "E", "+"; at
//   most 15 significant digits, which are the first 15 digits of the value
//   correctly rounded (as printf gives them); "-" exactly for negative values;
//   no trailing zeros after a point; the scientific form exactly when the
//   first digit lies at 10^15 or above or below 10^-4; reading it back gives
//   the same text (GeneralText(TextValue(GeneralText(x))) == GeneralText(x)),
//   but for the largest doubles, whose 15 digits round up past the range.
// - GeneralText with 1 to 17 digits: at most that many; up to 15 digits it
//   reads back to the same text (normal doubles), and 17 digits read back as
//   the very same double.
// - FixedText: exactly N decimals, no exponent, no "-0"; its length follows
//   from the value's magnitude; and it is the 15-digit value rounded to N
//   decimals with halves away from zero, checked exactly in decimal: it
//   lies within half a unit of its last place of that value, a tie going to
//   the larger magnitude. Read back as a double it is within the same half
//   unit, give or take the double's own rounding.

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/number_text.h"
#include "fuzz_check.h"

namespace {

using quorvel::fuzz::Digits;
using quorvel::fuzz::Quoted;

// The general text of the largest doubles, 1.7976931348623157E+308 and its
// neighbours down to 1.797693134862315E+308: the 15 digits round up past the
// largest double, so this text reads back as infinity.
constexpr char kLargestText[] = "1.79769313486232E+308";

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// --- Exact decimal arithmetic on non-negative integers written as digit
// strings without leading zeros ("0" for zero).

std::string Trimmed(std::string digits) {
  const std::size_t first = digits.find_first_not_of('0');
  return first == std::string::npos ? "0" : digits.substr(first);
}

int Compare(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

// a - b for a >= b.
std::string Subtract(const std::string& a, const std::string& b) {
  std::string out = a;
  int borrow = 0;
  for (std::size_t i = 0; i < out.size(); ++i) {
    const std::size_t ia = out.size() - 1 - i;
    int d = out[ia] - '0' - borrow - (i < b.size() ? b[b.size() - 1 - i] - '0' : 0);
    borrow = d < 0;
    out[ia] = static_cast<char>('0' + (d < 0 ? d + 10 : d));
  }
  return Trimmed(out);
}

std::string Twice(const std::string& a) {
  std::string out(a.size() + 1, '0');
  int carry = 0;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const int d = 2 * (a[a.size() - 1 - i] - '0') + carry;
    carry = d / 10;
    out[out.size() - 1 - i] = static_cast<char>('0' + d % 10);
  }
  out[0] = static_cast<char>('0' + carry);
  return Trimmed(out);
}

// An exact decimal: digits * 10^-scale.
struct Decimal {
  std::string digits;
  int scale;
};

// The integer `d` * 10^(scale - d.scale), for scale >= d.scale.
std::string AtScale(const Decimal& d, int scale) {
  return Trimmed(d.digits + std::string(static_cast<std::size_t>(scale - d.scale), '0'));
}

// The first 15 significant digits of |value| (finite, non-zero), correctly
// rounded by the C library, as an exact decimal; and the decimal exponent
// of the first digit.
struct Rounded15 {
  Decimal decimal;
  int exponent;
  std::string digits;  // the 15 digits
};

Rounded15 RoundTo15(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.14e", std::fabs(value));
  const std::string text = buffer;  // d.dddddddddddddde[+-]x
  const std::size_t e = text.find('e');
  Rounded15 r;
  r.digits = text.substr(0, 1) + text.substr(2, e - 2);
  r.exponent = std::atoi(text.c_str() + e + 1);
  r.decimal = {Trimmed(r.digits), 14 - r.exponent};
  if (r.decimal.scale < 0) {
    r.decimal.digits += std::string(static_cast<std::size_t>(-r.decimal.scale), '0');
    r.decimal.scale = 0;
  }
  return r;
}

std::string WithoutTrailingZeros(std::string digits) {
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();
  return digits;
}

void CheckGeneralText(double value) {
  const std::string text = quorvel::GeneralText(value);
  const std::string where = "GeneralText(" + Digits(value) + ") = " + Quoted(text);
  FUZZ_CHECK(!text.empty() && text.size() <= 22, where);
  FUZZ_CHECK(text.find_first_not_of("0123456789-.E+") == std::string::npos, where);
  FUZZ_CHECK((text[0] == '-') == (value < 0), where);

  // The mantissa's digits and the exponent, as written.
  const std::size_t e = text.find('E');
  const std::string mantissa = text.substr(
      text[0] == '-' ? 1 : 0, e == std::string::npos ? std::string::npos : e - (text[0] == '-'));
  std::string digits;
  for (char c : mantissa) {
    if (IsDigit(c)) digits += c;
  }
  const std::size_t point = mantissa.find('.');
  if (point != std::string::npos) {
    FUZZ_CHECK(mantissa.back() != '0' && mantissa.back() != '.', where + ": trailing zeros");
  }
  const std::string significant =
      digits.substr(std::min(digits.find_first_not_of('0'), digits.size()));
  FUZZ_CHECK(significant.size() <= 15, where + ": more than 15 significant digits");

  if (value == 0) {
    FUZZ_CHECK(text == "0", where);
  } else {
    const Rounded15 r = RoundTo15(value);
    FUZZ_CHECK(WithoutTrailingZeros(significant) == WithoutTrailingZeros(r.digits),
               where + ": the 15 digits are " + r.digits);
    // The position of the first digit, as written.
    int exponent;
    if (e != std::string::npos) {
      exponent = std::atoi(text.c_str() + e + 1);
      FUZZ_CHECK(
          mantissa.size() >= 1 && mantissa[0] != '0' && (point == std::string::npos || point == 1),
          where + ": not one digit before the point");
      FUZZ_CHECK(r.exponent >= 15 || r.exponent < -4, where + ": needless scientific form");
    } else {
      const std::size_t integer_digits = point == std::string::npos ? mantissa.size() : point;
      exponent = mantissa[0] == '0' ? -static_cast<int>(digits.find_first_not_of('0'))
                                    : static_cast<int>(integer_digits) - 1;
      FUZZ_CHECK(r.exponent < 15 && r.exponent >= -4, where + ": scientific form expected");
    }
    FUZZ_CHECK(exponent == r.exponent, where + ": first digit at 10^" + std::to_string(r.exponent) +
                                           ", written at 10^" + std::to_string(exponent));
  }

  const double again = quorvel::TextValue(text);
  if (std::isinf(again)) {
    // The one text that cannot be read back: the largest doubles round up to
    // 15 digits beyond the largest double.
    FUZZ_CHECK(text == (value < 0 ? "-" : "") + std::string(kLargestText),
               where + " reads back as " + Digits(again));
    return;
  }
  FUZZ_CHECK(quorvel::GeneralText(again) == text, where + " reads back as " + Digits(again) +
                                                      ", written " +
                                                      Quoted(quorvel::GeneralText(again)));
}

void CheckGeneralTextWithDigits(double value, int significant_digits) {
  const std::string text = quorvel::GeneralText(value, significant_digits);
  const std::string where = "GeneralText(" + Digits(value) + ", " +
                            std::to_string(significant_digits) + ") = " + Quoted(text);
  FUZZ_CHECK(text.find_first_not_of("0123456789-.E+") == std::string::npos, where);
  std::string digits;
  for (char c : text.substr(0, text.find('E'))) {
    if (IsDigit(c)) digits += c;
  }
  const std::size_t first = std::min(digits.find_first_not_of('0'), digits.size());
  FUZZ_CHECK(static_cast<int>(digits.size() - first) <= significant_digits, where);
  const double again = quorvel::TextValue(text);
  if (std::isinf(again)) {
    // Rounded up beyond the largest double: only values that close to it.
    FUZZ_CHECK(significant_digits < 17 &&
                   std::fabs(value) >= DBL_MAX * (1 - std::pow(10.0, 1 - significant_digits)),
               where + " reads back as " + Digits(again));
    return;
  }
  if (significant_digits == 17) {
    FUZZ_CHECK(again == value, where + " reads back as " + Digits(again));
  }
  // Up to 15 digits the text of a normal double reads back to a double with
  // the same digits; 16 digits can fall between doubles ("1E+23" reads as
  // 9.999999999999999E+22), and subnormal doubles hold fewer digits.
  if (significant_digits <= 15 && std::fabs(value) >= DBL_MIN) {
    FUZZ_CHECK(quorvel::GeneralText(again, significant_digits) == text,
               where + " reads back as " + Digits(again));
  }
}

void CheckFixedText(double value, int decimals) {
  const std::string pattern = quorvel::PatternFor(decimals);
  FUZZ_CHECK(quorvel::DecimalsOf(pattern) == decimals, Quoted(pattern));
  const std::string text = quorvel::FixedText(value, pattern);
  const std::string where =
      "FixedText(" + Digits(value) + ", " + Quoted(pattern) + ") = " + Quoted(text);

  // Shape: optional "-", digits, and with decimals a point and exactly that
  // many digits.
  const bool negative = !text.empty() && text[0] == '-';
  const std::string magnitude = text.substr(negative ? 1 : 0);
  const std::size_t point = magnitude.find('.');
  FUZZ_CHECK(magnitude.find_first_not_of("0123456789.") == std::string::npos, where);
  if (decimals == 0) {
    FUZZ_CHECK(point == std::string::npos && !magnitude.empty(), where);
  } else {
    FUZZ_CHECK(point != std::string::npos && point > 0 &&
                   magnitude.size() - point - 1 == static_cast<std::size_t>(decimals) &&
                   magnitude.find('.', point + 1) == std::string::npos,
               where + ": not exactly " + std::to_string(decimals) + " decimals");
  }
  std::string digits = magnitude;
  if (point != std::string::npos) digits.erase(point, 1);
  const std::string units = Trimmed(digits);
  FUZZ_CHECK(!negative || units != "0", where + ": a negative zero");
  FUZZ_CHECK(!negative || value < 0, where + ": sign of a value that is not negative");
  const std::size_t integer_digits = point == std::string::npos ? magnitude.size() : point;
  FUZZ_CHECK(integer_digits == 1 || magnitude[0] != '0', where + ": leading zeros");

  if (value == 0) {
    FUZZ_CHECK(units == "0", where);
    return;
  }
  const Rounded15 r = RoundTo15(value);
  // The integer part has one digit per decade up to the first significant
  // digit, plus one when rounding carries into a new decade (9.99 to 10.0).
  const std::size_t max_integer_digits =
      r.exponent < 0 ? 1 : static_cast<std::size_t>(r.exponent) + 2;
  FUZZ_CHECK(integer_digits <= max_integer_digits, where + ": too long");

  // Exact: |text - value15| <= half a unit of the last place; on a tie the
  // text has the larger magnitude; and the sign follows the value's.
  const int scale = std::max(decimals, r.decimal.scale);
  const std::string written = AtScale({units, decimals}, scale);
  const std::string exact = AtScale(r.decimal, scale);
  const bool written_larger = Compare(written, exact) >= 0;
  const std::string distance = written_larger ? Subtract(written, exact) : Subtract(exact, written);
  const std::string unit = "1" + std::string(static_cast<std::size_t>(scale - decimals), '0');
  const int against_half = Compare(Twice(distance), unit);
  FUZZ_CHECK(against_half < 0 || (against_half == 0 && written_larger),
             where + ": not the rounding of the 15-digit value " + r.digits + "E" +
                 std::to_string(r.exponent));
  FUZZ_CHECK(negative == (value < 0 && units != "0"), where + ": sign");

  // The same read back as a double, for the program's own reader; beyond the
  // largest double (see kLargestText) the exact check above has to do.
  const double fifteen = quorvel::TextValue(quorvel::GeneralText(value));
  const double read = quorvel::TextValue(text);
  FUZZ_CHECK(std::isinf(read) == std::isinf(fifteen), where + " reads back as " + Digits(read));
  if (std::isinf(read)) return;
  const double half_unit = 0.5 * std::pow(10.0, -decimals);
  const double slack =
      4 * std::fabs(std::nextafter(std::fmax(std::fabs(fifteen), std::fabs(read)), INFINITY) -
                    std::fmax(std::fabs(fifteen), std::fabs(read)));
  FUZZ_CHECK(
      std::fabs(read - fifteen) <= half_unit * (1 + 1e-12) + slack,
      where + " reads back as " + Digits(read) + ", the 15-digit value is " + Digits(fifteen));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  quorvel::fuzz::Input input(data, size);
  const std::uint8_t control = input.Byte();
  const int decimals = control & 0x0F;
  const double value = (control & 0x10) ? input.Bits() : quorvel::TextValue(input.Rest());
  if (!std::isfinite(value)) return 0;  // the conversions take finite values only

  CheckGeneralText(value);
  CheckGeneralTextWithDigits(value, 1 + ((control >> 5) | (control & 1) << 3) % 17);
  CheckGeneralTextWithDigits(value, 17);
  CheckFixedText(value, decimals);
  return 0;
}
