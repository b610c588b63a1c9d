#pragma once
// The fifteen function buttons: each reads its arguments from the input
// fields (and the cash-flow list), evaluates one function of the engine,
// and shows the result, or shows one message and changes nothing else.

#include <optional>
#include <string>
#include <string_view>

#include "core/form1.h"

namespace quorvel::finance {

// Registers the function buttons' handlers with the window.
void RegisterFunctionButtons(Form1& f);

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

void CommandN_Click(Form1& f);
void CommandInterest_Click(Form1& f);
void CommandPV_Click(Form1& f);
void CommandFV_Click(Form1& f);
void CommandPMT_Click(Form1& f);
void CommandPPMT_Click(Form1& f);
void CommandIPMT_Click(Form1& f);
void CommandPrincipal_Click(Form1& f);
void CommandInterestPaid_Click(Form1& f);
void CommandBalance_Click(Form1& f);
void CommandNPV_Click(Form1& f);
void CommandIRR_Click(Form1& f);
void CommandMIRR_Click(Form1& f);
void CommandEffect_Click(Form1& f);
void CommandNominal_Click(Form1& f);

}  // namespace quorvel::finance
