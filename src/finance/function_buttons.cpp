// The fifteen function buttons: arguments from the fields, one function of
// the engine, the result in the solved field, the display and the status
// bar, or one message box and nothing else changed. What each button reads,
// calls and shows comes from its entry in the table of functions.

#include "finance/function_buttons.h"

#include <cmath>
#include <string>

#include "core/calculator.h"
#include "core/identity.h"
#include "core/number_text.h"
#include "core/platform.h"
#include "core/tape.h"
#include "finance/arguments.h"

namespace quorvel::finance {
namespace {

constexpr char kVerify[] = "Error! Please verify your input parameters.";
constexpr char kEstimate[] = "Or provide your estimate Rate.";

// The one error path of every function: one message, then, for the
// cash-flow functions, the editor opens so that the list can be corrected.
void ShowFailure(Form1& f, const FunctionDescriptor& function) {
  std::string text = std::string(kVerify) + "\r\n";
  if (function.AsksEstimate()) text += std::string(kEstimate) + "\r\n";
  text += function.signature;
  f.platform.ShowMessage(text, kAppTitle);
  if (function.UsesCashFlows()) f.RaiseClick(Ctl::CommandCF);
}

// Shows a result, or takes the error path when there is none. Nothing is
// written before the last step that can fail.
void Present(Form1& f, const FunctionDescriptor& function, std::optional<double> result) {
  if (result && function.shown == Shown::kAsPercentage) {
    *result *= 100;
    if (!std::isfinite(*result)) result.reset();
  }
  if (!result) {
    ShowFailure(f, function);
    return;
  }
  const std::string text = FixedText(*result, f.DisplayFormat);
  TextBox* field = f.TextBoxOf(function.solved);
  if (field) {
    // Shown from its start, as a text box shows a value its program writes:
    // a result longer than the field keeps its sign and whole part in sight.
    field->SetText(text);
    field->SetSelStart(0);
    f.Text1.SetText(field->Text());
  } else {
    f.Text1.SetText(text);
  }
  calc::ShowStatus(f, function.caption);
  calc::RecordOnTape(f, function.caption + f.Text1.Text(), function.caption, f.Text1.Text());
  f.SetFocus(field ? function.solved : Ctl::Text1);
  // A present or future value too small to show is no answer: the user sees
  // the zero, then the message.
  if (function.refusal == Refusal::kZeroShown && TextValue(field->Text()) == 0) {
    ShowFailure(f, function);
  }
}

// The estimate the rate solvers start from: what TextInterest holds, or 10
// percent when it is empty.
std::string EstimateText(const Form1& f) {
  return f.TextInterest.Text().empty() ? std::string("10") : f.TextInterest.Text();
}

// The field an argument is typed into: TextInterest for the interest
// rate, plain or as an estimate. The payment timing and the cash-flow list
// are no field's number and are never looked up here.
TextBox& FieldOf(Form1& f, Argument argument) {
  using enum Argument;
  switch (argument) {
    case kPeriods:
      return f.TextN;
    case kPer:
    case kReinvestRate:
      return f.TextPer;
    case kPresentValue:
      return f.TextPV;
    case kFutureValue:
      return f.TextFV;
    case kPayment:
      return f.TextPMT;
    default:
      return f.TextInterest;
  }
}

// One number argument, read by its field's rule: amounts as plain numbers,
// rates from percent, the rest as a quotient or product.
double Read(Form1& f, Argument argument, ArgumentReader& args) {
  using enum Argument;
  switch (argument) {
    case kPresentValue:
    case kFutureValue:
    case kPayment:
      return args.Value(FieldOf(f, argument));
    case kInterest:
    case kReinvestRate:
      return args.Percent(FieldOf(f, argument));
    case kEstimate:
      return args.RateOrPeriod(EstimateText(f)) / 100;
    default:
      return args.RateOrPeriod(FieldOf(f, argument));
  }
}

}  // namespace

void FunctionButton_Click(Form1& f, const FunctionDescriptor& function) {
  ArgumentValues values;
  if (function.UsesCashFlows()) {
    // The list is read before anything else; a line that cannot be read
    // fails the click rather than being left out of the sum.
    const bool read = ParseCashFlows(f, f.TextCF.Text());
    if (!read || (function.refusal == Refusal::kZeroFirstCashFlow && f.CashFlows[0] == 0)) {
      ShowFailure(f, function);
      return;
    }
    values.cash_flows = f.CashFlows;
  }
  values.due = f.CheckPayment.Value;
  ArgumentReader args;
  for (const Argument argument : function.call.Arguments()) {
    if (argument != Argument::kPaymentDue && argument != Argument::kCashFlows) {
      values.Set(argument, Read(f, argument, args));
    }
  }
  Present(f, function, args.Failed() ? std::nullopt : function.call.evaluate(values));
}

void RegisterFunctionButtons(Form1& f) {
  Form1* form = &f;
  for (const FunctionDescriptor& function : kFunctions) {
    f.On(function.button).Click = [form, &function] { FunctionButton_Click(*form, function); };
  }
}

}  // namespace quorvel::finance
