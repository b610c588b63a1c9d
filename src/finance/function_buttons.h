#pragma once
// The fifteen function buttons: each reads its arguments from the input
// fields (and the cash-flow list), evaluates one function of the engine,
// and shows the result, or shows one message and changes nothing else.

#include <optional>
#include <string>
#include <string_view>

#include "core/form1.h"
#include "finance/function_table.h"

namespace quorvel::finance {

// Registers a handler for the button of every function in the table.
void RegisterFunctionButtons(Form1& f);

// A click on a function's button: its arguments read, its function
// evaluated, the result shown, or its one message.
void FunctionButton_Click(Form1& f, const FunctionDescriptor& function);

// The value of a field that may hold one quotient or product, such as 12/12
// or 30*12; no value for a division by zero or a number out of range.
std::optional<double> GetRateOrPeriod(std::string_view text);

// Rebuilds CashFlows from the list's text, one value per line, each read in
// the program's own number form ("." as the decimal point), and rewrites the
// list with those values in the display format, each line ended by CR LF;
// blank lines go. A line that holds anything but one number cannot be read:
// the list then keeps its text, its caret goes to the start of that line,
// and the result is false.
bool ParseCashFlows(Form1& f, const std::string& list);

}  // namespace quorvel::finance
