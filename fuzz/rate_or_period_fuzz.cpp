// The fields that take a quotient or a product ("6/12", "30*12"), read by
// GetRateOrPeriod and by the argument reader of the function buttons.
//
// Properties:
// - a value, when there is one, is finite: never NaN or infinity;
// - without "/" or "*" the field is its leading number, and has no value
//   exactly when that number is out of range;
// - with an operator, the value is the leading number divided by (or times)
//   the number after the first "/" (or, without "/", the first "*"), and there
//   is none exactly when an operand or the result is out of range or the
//   divisor is 0;
// - the argument reader fails exactly when there is no value, and reads 0
//   then; otherwise it reads the value, and a rate in percent is a hundredth
//   of it.

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "core/number_text.h"
#include "core/text_box.h"
#include "finance/arguments.h"
#include "finance/function_buttons.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using quorvel::fuzz::Digits;
  using quorvel::fuzz::Quoted;
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const std::optional<double> value = quorvel::finance::GetRateOrPeriod(text);
  const std::string where =
      "GetRateOrPeriod(" + Quoted(text) + ") = " + (value ? Digits(*value) : "no value");
  if (value) FUZZ_CHECK(std::isfinite(*value), where);

  const double left = quorvel::TextValue(text);
  std::size_t op = text.find('/');
  const bool divide = op != std::string_view::npos;
  if (!divide) op = text.find('*');
  if (op == std::string_view::npos) {
    FUZZ_CHECK(value.has_value() == std::isfinite(left), where);
    if (value) FUZZ_CHECK(*value == left, where + ", the leading number is " + Digits(left));
  } else {
    const double right = quorvel::TextValue(text.substr(op + 1));
    const double result = divide ? left / right : left * right;
    const bool expected = std::isfinite(left) && std::isfinite(right) && !(divide && right == 0) &&
                          std::isfinite(result);
    FUZZ_CHECK(value.has_value() == expected,
               where + ", operands " + Digits(left) + " and " + Digits(right));
    if (value) FUZZ_CHECK(*value == result, where + ", expected " + Digits(result));
  }

  quorvel::TextBox field;
  field.SetText(std::string(text));
  quorvel::finance::ArgumentReader reader;
  const double read = reader.RateOrPeriod(field);
  FUZZ_CHECK(reader.Failed() == !value.has_value(), where);
  FUZZ_CHECK(read == (value ? *value : 0), where + ", the reader gives " + Digits(read));
  quorvel::finance::ArgumentReader percent_reader;
  const double percent = percent_reader.Percent(field);
  FUZZ_CHECK(percent_reader.Failed() == reader.Failed(), where);
  FUZZ_CHECK(percent == read / 100, where + ", in percent " + Digits(percent));
  return 0;
}
