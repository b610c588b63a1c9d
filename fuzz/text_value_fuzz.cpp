// Reading the number a text begins with (TextValue), from any bytes at all.
//
// Properties:
// - the value is finite or +/-infinity, never NaN;
// - blanks, tabs and line feeds anywhere do not change it;
// - a "-" put in front of a text that starts with a digit or point negates it;
// - a text that is one plain decimal number and nothing else reads exactly as
//   the C library's correctly rounded strtod reads it (overflow included);
// - a finite value written as the general 15-digit text reads back to the
//   same 15 digits, within half a unit of the 15th digit; only the largest
//   doubles, whose 15 digits round up past the largest double, read back as
//   infinity.

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "core/number_text.h"
#include "fuzz_check.h"

namespace {

using quorvel::fuzz::Digits;
using quorvel::fuzz::Quoted;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string WithoutBlanks(std::string_view text) {
  std::string out;
  for (char c : text) {
    if (!IsBlank(c)) out += c;
  }
  return out;
}

// The text as strtod reads it when it is one complete plain number: sign,
// digits with at most one point (at least one digit), and an exponent
// ("E" or "D") with digits. Empty for anything else.
std::string PlainNumberForStrtod(const std::string& text) {
  std::size_t i = 0;
  std::string out;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) out += text[i++];
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
    out += text[i];
  }
  if (digits == 0) return {};
  if (i < text.size()) {
    const char e = text[i];
    if (e != 'e' && e != 'E' && e != 'd' && e != 'D') return {};
    out += 'e';
    ++i;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) out += text[i++];
    if (i == text.size()) return {};
    for (; i < text.size(); ++i) {
      if (!IsDigit(text[i])) return {};
      out += text[i];
    }
  }
  return out;
}

bool SameDouble(double a, double b) {
  return __builtin_bit_cast(std::uint64_t, a) == __builtin_bit_cast(std::uint64_t, b);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const double value = quorvel::TextValue(text);
  FUZZ_CHECK(!std::isnan(value), "TextValue(" + Quoted(text) + ") is NaN");

  const std::string compact = WithoutBlanks(text);
  const double compact_value = quorvel::TextValue(compact);
  FUZZ_CHECK(SameDouble(compact_value, value), "blanks changed the value of " + Quoted(text) +
                                                   ": " + Digits(value) + " and " +
                                                   Digits(compact_value));

  if (!compact.empty() && (IsDigit(compact[0]) || compact[0] == '.')) {
    const double negated = quorvel::TextValue("-" + std::string(text));
    FUZZ_CHECK(negated == -value, "\"-\" before " + Quoted(text) + " gives " + Digits(negated) +
                                      ", not " + Digits(-value));
  }

  const std::string plain = PlainNumberForStrtod(compact);
  if (!plain.empty()) {
    const double expected = std::strtod(plain.c_str(), nullptr);
    FUZZ_CHECK(value == expected, Quoted(text) + " reads as " + Digits(value) +
                                      ", the nearest double is " + Digits(expected));
  }

  if (std::isfinite(value)) {
    const std::string general = quorvel::GeneralText(value);
    const double again = quorvel::TextValue(general);
    if (std::isinf(again)) {
      // The largest doubles round up to 15 digits beyond the largest double:
      // their general text is the one that cannot be read back.
      FUZZ_CHECK(general == (value < 0 ? "-" : "") + std::string("1.79769313486232E+308"),
                 Digits(value) + " written " + Quoted(general) + " reads back as " + Digits(again));
      return 0;
    }
    FUZZ_CHECK(quorvel::GeneralText(again) == general,
               Digits(value) + " written " + Quoted(general) + " reads back as " + Digits(again) +
                   ", written " + Quoted(quorvel::GeneralText(again)));
    // Rounding to 15 digits moves a value by at most half a unit of the 15th
    // digit: 5E-15 of it, plus the rounding of the read-back to a double.
    const double bound = 5.2e-15 * std::fabs(value) + 5e-324;
    FUZZ_CHECK(std::fabs(again - value) <= bound,
               Digits(value) + " written " + Quoted(general) + " reads back as " + Digits(again));
  }
  return 0;
}
