#include "core/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <limits>
#include <system_error>

namespace quorvel {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsExponentLetter(char c) { return c == 'E' || c == 'e' || c == 'D' || c == 'd'; }

// Reads a plain decimal number written as digits, at most one "." and an
// optional "e" exponent, already stripped of its sign. A magnitude beyond the
// double range becomes infinity, one below the smallest subnormal zero.
double ConvertDecimal(const std::string& number) {
  double value = 0;
  auto [end, ec] = std::from_chars(number.data(), number.data() + number.size(), value,
                                   std::chars_format::general);
  if (ec != std::errc::result_out_of_range) return value;

  // from_chars reports overflow and underflow alike; tell them apart by the
  // decimal exponent of the first significant digit.
  long long magnitude = 0;
  bool seen_point = false, seen_significant = false;
  long long leading_fraction_zeros = 0, integer_digits = 0;
  std::size_t i = 0;
  for (; i < number.size() && number[i] != 'e' && number[i] != 'E'; ++i) {
    char c = number[i];
    if (c == '.') {
      seen_point = true;
    } else if (!seen_significant && c == '0') {
      if (seen_point) ++leading_fraction_zeros;
    } else {
      seen_significant = true;
      if (!seen_point) ++integer_digits;
    }
  }
  if (!seen_significant) return 0;
  magnitude = integer_digits > 0 ? integer_digits - 1 : -leading_fraction_zeros - 1;
  long long exponent = 0;
  if (i < number.size()) {
    bool negative = false;
    std::size_t j = i + 1;
    if (j < number.size() && (number[j] == '+' || number[j] == '-')) negative = number[j++] == '-';
    for (; j < number.size(); ++j) {
      exponent = std::min<long long>(exponent * 10 + (number[j] - '0'), 1'000'000'000'000LL);
    }
    if (negative) exponent = -exponent;
  }
  if (magnitude + exponent <= 0) return 0.0;
  // The largest doubles, written with 15 digits, round up just past the
  // range ("1.79769313486232E+308"): such a text of the program's own reads
  // back as the largest double rather than as an overflow.
  if (magnitude + exponent == 308) {
    char power[24];
    char* power_end = std::to_chars(power, power + sizeof power, exponent - 1).ptr;
    const std::string scaled =
        number.substr(0, i) + "e" + std::string(power, static_cast<std::size_t>(power_end - power));
    double tenth = 0;
    std::from_chars(scaled.data(), scaled.data() + scaled.size(), tenth);
    constexpr double kLargest = std::numeric_limits<double>::max();
    if (tenth <= kLargest / 10 * (1 + 5e-15)) return kLargest;
  }
  return std::numeric_limits<double>::infinity();
}

double RadixValue(std::string_view digits, int radix) {
  double value = 0;
  for (char c : digits) {
    int d;
    if (IsDigit(c)) {
      d = c - '0';
    } else if (c >= 'A' && c <= 'F') {
      d = c - 'A' + 10;
    } else if (c >= 'a' && c <= 'f') {
      d = c - 'a' + 10;
    } else {
      break;
    }
    if (d >= radix) break;
    value = value * radix + d;
  }
  return value;
}

// The first `count` significant digits of a finite, non-zero magnitude,
// correctly rounded, and the decimal exponent of the first of them.
struct SignificantDigitsOf {
  std::string digits;  // exactly `count` characters
  int exponent;
};

SignificantDigitsOf SignificantDigits(double magnitude, int count = 15) {
  char buffer[64];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude,
                              std::chars_format::scientific, count - 1);
  std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  // text is "d.ddddddddddddddde[+-]xx"
  SignificantDigitsOf out;
  out.digits.reserve(15);
  std::size_t e = text.find('e');
  for (std::size_t i = 0; i < e; ++i) {
    if (text[i] != '.') out.digits += text[i];
  }
  int exponent = 0;
  std::from_chars(text.data() + e + (text[e + 1] == '+' ? 2 : 1), text.data() + text.size(),
                  exponent);
  out.exponent = exponent;
  return out;
}

std::string_view TrimSpaces(std::string_view text, std::string_view blanks) {
  std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  std::size_t last = text.find_last_not_of(blanks);
  return text.substr(first, last - first + 1);
}

bool StartsWith(std::string_view text, std::size_t at, std::string_view what) {
  return !what.empty() && text.substr(at, what.size()) == what;
}

// The length of the group separator at `at`, 0 when there is none. Where
// the format groups with a space, any of the spaces people write will do:
// the plain one, the no-break one, and the narrow no-break one that French
// prescribes.
std::size_t GroupSeparatorAt(std::string_view text, std::size_t at, std::string_view group) {
  if (StartsWith(text, at, group)) return group.size();
  constexpr std::string_view kSpaces[] = {" ", "\u00A0", "\u202F"};
  if (std::find(std::begin(kSpaces), std::end(kSpaces), group) == std::end(kSpaces)) return 0;
  for (std::string_view space : kSpaces) {
    if (StartsWith(text, at, space)) return space.size();
  }
  return 0;
}

}  // namespace

double TextValue(std::string_view text) {
  std::string s;
  s.reserve(text.size());
  for (char c : text) {
    if (c != ' ' && c != '\t' && c != '\n') s += c;
  }
  if (s.size() >= 2 && s[0] == '&') {
    if (s[1] == 'H' || s[1] == 'h') return RadixValue(std::string_view(s).substr(2), 16);
    if (s[1] == 'O' || s[1] == 'o') return RadixValue(std::string_view(s).substr(2), 8);
  }

  std::size_t i = 0, n = s.size();
  bool negative = false;
  if (i < n && (s[i] == '+' || s[i] == '-')) negative = s[i++] == '-';
  std::string number;
  number.reserve(n);
  bool seen_point = false;
  int digits = 0;
  for (; i < n; ++i) {
    if (IsDigit(s[i])) {
      number += s[i];
      ++digits;
    } else if (s[i] == '.' && !seen_point) {
      seen_point = true;
      number += '.';
    } else {
      break;
    }
  }
  if (digits == 0) return 0;
  if (i < n && IsExponentLetter(s[i])) {
    std::size_t j = i + 1;
    char sign = '+';
    if (j < n && (s[j] == '+' || s[j] == '-')) sign = s[j++];
    if (j < n && IsDigit(s[j])) {
      number += 'e';
      number += sign;
      while (j < n && IsDigit(s[j])) number += s[j++];
    }
  }
  double value = ConvertDecimal(number);
  return negative ? -value : value;
}

std::string GeneralText(double value) { return GeneralText(value, 15); }

std::string GeneralText(double value, int significant_digits) {
  if (!std::isfinite(value)) return {};
  if (value == 0) return "0";
  SignificantDigitsOf d = SignificantDigits(std::fabs(value), significant_digits);
  std::string digits = d.digits;
  while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

  std::string out = value < 0 ? "-" : "";
  int e = d.exponent;
  if (e >= significant_digits || e < -4) {
    out += digits[0];
    if (digits.size() > 1) {
      out += '.';
      out.append(digits, 1);
    }
    out += 'E';
    out += e < 0 ? '-' : '+';
    int magnitude = e < 0 ? -e : e;
    if (magnitude < 10) out += '0';
    char buffer[8];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, magnitude).ptr;
    out.append(buffer, end);
  } else if (e >= 0) {
    std::size_t integer_digits = static_cast<std::size_t>(e) + 1;
    if (digits.size() <= integer_digits) {
      out += digits;
      out.append(integer_digits - digits.size(), '0');
    } else {
      out.append(digits, 0, integer_digits);
      out += '.';
      out.append(digits, integer_digits);
    }
  } else {
    out += "0.";
    out.append(static_cast<std::size_t>(-e - 1), '0');
    out += digits;
  }
  return out;
}

int DecimalsOf(std::string_view pattern) {
  std::size_t point = pattern.find('.');
  if (point == std::string_view::npos) return 0;
  int zeros = 0;
  for (char c : pattern.substr(point + 1)) {
    if (c == '0') ++zeros;
  }
  return zeros;
}

std::string PatternFor(int decimals) {
  if (decimals <= 0) return "0";
  return "0." + std::string(static_cast<std::size_t>(decimals), '0');
}

std::string FixedText(double value, std::string_view pattern) {
  if (!std::isfinite(value)) return {};
  const int decimals = DecimalsOf(pattern);
  // The rounded value as an integer count of 10^-decimals, in decimal digits.
  std::string units = "0";
  if (value != 0) {
    SignificantDigitsOf d = SignificantDigits(std::fabs(value));
    // value = digits * 10^(exponent - 14); scale by 10^decimals.
    int shift = d.exponent - 14 + decimals;
    if (shift >= 0) {
      units = d.digits + std::string(static_cast<std::size_t>(shift), '0');
    } else if (-shift <= 15) {
      std::size_t keep = static_cast<std::size_t>(15 + shift);
      units = keep > 0 ? d.digits.substr(0, keep) : "0";
      if (d.digits[keep] >= '5') {  // halves away from zero
        int i = static_cast<int>(units.size()) - 1;
        while (i >= 0 && units[static_cast<std::size_t>(i)] == '9') {
          units[static_cast<std::size_t>(i)] = '0';
          --i;
        }
        if (i < 0) {
          units.insert(units.begin(), '1');
        } else {
          ++units[static_cast<std::size_t>(i)];
        }
      }
    }
    std::size_t first = units.find_first_not_of('0');
    units = first == std::string::npos ? "0" : units.substr(first);
  }

  const bool negative = value < 0 && units != "0";
  if (units.size() <= static_cast<std::size_t>(decimals)) {
    units.insert(0, static_cast<std::size_t>(decimals) + 1 - units.size(), '0');
  }
  std::string out = negative ? "-" : "";
  std::size_t integer_digits = units.size() - static_cast<std::size_t>(decimals);
  out.append(units, 0, integer_digits);
  if (decimals > 0) {
    out += '.';
    out.append(units, integer_digits);
  }
  return out;
}

std::optional<std::int16_t> RoundToInt16(double value) {
  if (!std::isfinite(value)) return std::nullopt;
  double rounded = std::nearbyint(value);  // the default mode rounds halves to even
  if (rounded < -32768.0 || rounded > 32767.0) return std::nullopt;
  return static_cast<std::int16_t>(rounded);
}

std::optional<double> NumericTextValue(std::string_view text, const NumberFormat& format) {
  std::optional<std::string> plain = PlainNumericText(text, format);
  if (!plain) return std::nullopt;
  return TextValue(*plain);
}

std::optional<std::string> PlainNumericText(std::string_view text, const NumberFormat& format) {
  std::string_view s = TrimSpaces(text, " \t\r\n");
  if (s.empty()) return std::nullopt;
  const std::string_view decimal = format.decimal_separator;
  std::string_view group = format.group_separator;
  if (group == decimal) group = {};

  std::size_t i = 0;
  bool negative = false;
  if (s[i] == '+' || s[i] == '-') negative = s[i++] == '-';
  std::string number;
  int digits = 0;
  bool seen_point = false;
  while (i < s.size()) {
    if (IsDigit(s[i])) {
      number += s[i++];
      ++digits;
    } else if (!seen_point && StartsWith(s, i, decimal)) {
      seen_point = true;
      number += '.';
      i += decimal.size();
    } else if (const std::size_t separator = GroupSeparatorAt(s, i, group);
               !seen_point && digits > 0 && IsDigit(number.back()) && separator > 0) {
      i += separator;
      if (i >= s.size() || !IsDigit(s[i])) return std::nullopt;
    } else {
      break;
    }
  }
  if (digits == 0) return std::nullopt;
  if (i < s.size() && IsExponentLetter(s[i])) {
    ++i;
    number += 'E';
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) number += s[i++];
    if (i >= s.size() || !IsDigit(s[i])) return std::nullopt;
    while (i < s.size() && IsDigit(s[i])) number += s[i++];
  }
  if (i != s.size()) return std::nullopt;
  if (!std::isfinite(ConvertDecimal(number))) return std::nullopt;
  return negative ? "-" + number : number;
}

bool IsNumericText(std::string_view text, const NumberFormat& format) {
  return NumericTextValue(text, format).has_value();
}

}  // namespace quorvel
