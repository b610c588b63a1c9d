#include "finance/arguments.h"

#include <cmath>

#include "core/number_text.h"
#include "finance/function_buttons.h"

namespace quorvel::finance {

std::optional<double> GetRateOrPeriod(std::string_view text) {
  // "/" is looked for first, so a text holding both is a division. The left
  // operand is the number the text starts with; the right one, whatever
  // number follows the first operator.
  std::size_t op = text.find('/');
  const bool divide = op != std::string_view::npos;
  if (!divide) op = text.find('*');
  double result;
  if (op == std::string_view::npos) {
    result = TextValue(text);
  } else {
    const double left = TextValue(text);
    const double right = TextValue(text.substr(op + 1));
    if (!std::isfinite(left) || !std::isfinite(right)) return std::nullopt;
    if (divide && right == 0) return std::nullopt;
    result = divide ? left / right : left * right;
  }
  if (!std::isfinite(result)) return std::nullopt;
  return result;
}

double ArgumentReader::Value(const TextBox& field) {
  const double value = TextValue(field.Text());
  if (std::isfinite(value)) return value;
  failed_ = true;
  return 0;
}

double ArgumentReader::RateOrPeriod(std::string_view text) {
  if (std::optional<double> value = GetRateOrPeriod(text)) return *value;
  failed_ = true;
  return 0;
}

}  // namespace quorvel::finance
