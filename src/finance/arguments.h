#pragma once
// Reading a function's arguments from the input fields. The first field
// that cannot be read marks the whole reading as failed; the function then
// takes its error path.

#include <string_view>

#include "core/text_box.h"

namespace quorvel::finance {

class ArgumentReader {
 public:
  // A plain number (present value, future value, payment).
  double Value(const TextBox& field);
  // A number that may be a quotient or product (periods, period number).
  double RateOrPeriod(std::string_view text);
  double RateOrPeriod(const TextBox& field) { return RateOrPeriod(field.Text()); }
  // A rate typed in percent, as a fraction.
  double Percent(const TextBox& field) { return RateOrPeriod(field) / 100; }

  bool Failed() const { return failed_; }
  // Marks the reading failed (a condition on the arguments is not met).
  void Fail() { failed_ = true; }

 private:
  bool failed_ = false;
};

}  // namespace quorvel::finance
