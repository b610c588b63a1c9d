// The fifteen function buttons: arguments from the fields, one function of
// the engine, the result in the solved field, the display and the status
// bar, or one message box and nothing else changed.

#include "finance/function_buttons.h"

#include <cmath>
#include <string>

#include "core/identity.h"
#include "core/number_text.h"
#include "core/platform.h"
#include "core/tape.h"
#include "finance/arguments.h"
#include "finance/engine.h"

namespace quorvel::finance {
namespace {

constexpr char kVerify[] = "Error! Please verify your input parameters.";
constexpr char kEstimate[] = "Or provide your estimate Rate.";

struct Function {
  Ctl solved;  // the field solved for; None: the result shows in the display only
  const char* caption;
  const char* signature;
  bool asks_estimate = false;        // the message invites an estimate rate
  bool uses_cash_flows = false;      // a failure reopens the cash-flow editor
  bool percent = false;              // a fraction shown as a percentage
  bool zero_shown_is_error = false;  // a result that shows as zero is reported
};

const Function kNPer{Ctl::TextN, "Number of payment periods ",
                     "NPer(Interest, Payment, Present Value[, Future Value[, Payment Due]])"};
const Function kRate{Ctl::TextInterest,
                     "Interest Rate ",
                     "Rate(NPer, Payment, Present Value[, Future Value[, Payment Due[, "
                     "Interest/guess]]])",
                     true,
                     false,
                     true};
const Function kPV{Ctl::TextPV,
                   "Present Value ",
                   "PV(Interest, NPer, Payment[, Future Value[, Payment Due]])",
                   false,
                   false,
                   false,
                   true};
const Function kFV{
    Ctl::TextFV, "Future Value ", "FV(Interest, NPer, Payment[, Present Value[, Payment Due]])",
    false,       false,           false,
    true};
const Function kPMT{Ctl::TextPMT, "Payment ",
                    "PMT(Interest, NPer, Present Value[, Future Value[, Payment Due]])"};
const Function kPPMT{Ctl::None, "Principal Payment ",
                     "PPMT(Interest, Per, NPer, Present Value[, Future Value[, Payment Due]])"};
const Function kIPMT{Ctl::None, "Interest Payment ",
                     "IPMT(Interest, Per, NPer, Present Value[, Future Value[, Payment Due]])"};
const Function kTPPMT{Ctl::None, "Total Principal Payment ",
                      "TPPMT(Interest, Per, NPer, Present Value[, Future Value[, Payment Due]])"};
const Function kTIPMT{Ctl::None, "Total Interest Payment ",
                      "TIPMT(Interest, Per, NPer, Present Value[, Future Value[, Payment Due]])"};
const Function kBAL{Ctl::None, "Outstanding Balance ",
                    "BAL(Interest, Per, NPer, Present Value[, Future Value[, Payment Due]])"};
const Function kNPV{Ctl::None, "Net Present Value ", "NPV(Interest, Cash Flows)", false, true};
const Function kIRR{
    Ctl::None, "Internal Rate Of Return (%) ", "IRR(Cash Flows[,Interest/guess])", true, true,
    true};
const Function kMIRR{Ctl::None,
                     "Modified Internal Rate Of Return (%) ",
                     "MIRR(Cash Flows,Interest, Reinvest Rate)",
                     false,
                     true,
                     true};
const Function kEffect{Ctl::None, "Effective Interest Rate ", "EFFECT(Interest, NPer)"};
const Function kNominal{Ctl::None, "Nominal Interest Rate ", "NOMINAL(Interest, NPer)"};

int PaymentDue(const Form1& f) { return f.CheckPayment.Value; }

// The one error path of every function: one message, then, for the
// cash-flow functions, the editor opens so that the list can be corrected.
void ShowFailure(Form1& f, const Function& function) {
  std::string text = std::string(kVerify) + "\r\n";
  if (function.asks_estimate) text += std::string(kEstimate) + "\r\n";
  text += function.signature;
  f.platform.ShowMessage(text, kAppTitle);
  if (function.uses_cash_flows) f.RaiseClick(Ctl::CommandCF);
}

// Shows a result, or takes the error path when there is none. Nothing is
// written before the last step that can fail.
void Present(Form1& f, const Function& function, std::optional<double> result) {
  if (result && function.percent) {
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
    field->SetText(text);
    f.Text1.SetText(field->Text());
  } else {
    f.Text1.SetText(text);
  }
  f.Label4.Caption = function.caption;
  calc::RecordOnTape(f, function.caption + f.Text1.Text(), function.caption, f.Text1.Text());
  f.SetFocus(field ? function.solved : Ctl::Text1);
  // A present or future value too small to show is no answer: the user sees
  // the zero, then the message.
  if (function.zero_shown_is_error && TextValue(field->Text()) == 0) ShowFailure(f, function);
}

// The estimate the rate solvers start from: what TextInterest holds, or 10
// percent when it is empty.
std::string EstimateText(const Form1& f) {
  return f.TextInterest.Text().empty() ? std::string("10") : f.TextInterest.Text();
}

// The six arguments of the amortization functions.
struct AmortizationArguments {
  double rate, per, nper, pv, fv;
  int due;
};

AmortizationArguments ReadAmortization(Form1& f, ArgumentReader& args) {
  AmortizationArguments a{};
  a.rate = args.Percent(f.TextInterest);
  a.per = args.RateOrPeriod(f.TextPer);
  a.nper = args.RateOrPeriod(f.TextN);
  a.pv = args.Value(f.TextPV);
  a.fv = args.Value(f.TextFV);
  a.due = PaymentDue(f);
  return a;
}

template <class Evaluate>
void RunAmortization(Form1& f, const Function& function, Evaluate evaluate) {
  ArgumentReader args;
  const AmortizationArguments a = ReadAmortization(f, args);
  Present(f, function,
          args.Failed() ? std::nullopt : evaluate(a.rate, a.per, a.nper, a.pv, a.fv, a.due));
}

// EFFECT and NOMINAL: a rate in percent and the compounding periods a year.
template <class Evaluate>
void RunRateConversion(Form1& f, const Function& function, Evaluate evaluate) {
  ArgumentReader args;
  const double periods = args.RateOrPeriod(f.TextN);
  if (!args.Failed() && periods < 1) args.Fail();
  const double rate = args.RateOrPeriod(f.TextInterest);
  if (!args.Failed() && rate / 100 <= 0) args.Fail();
  Present(f, function, args.Failed() ? std::nullopt : evaluate(rate, periods));
}

}  // namespace

void CommandN_Click(Form1& f) {
  ArgumentReader args;
  const double rate = args.Percent(f.TextInterest);
  const double pmt = args.Value(f.TextPMT);
  const double pv = args.Value(f.TextPV);
  const double fv = args.Value(f.TextFV);
  Present(f, kNPer, args.Failed() ? std::nullopt : NPer(rate, pmt, pv, fv, PaymentDue(f)));
}

void CommandInterest_Click(Form1& f) {
  const std::string estimate = EstimateText(f);
  ArgumentReader args;
  const double nper = args.RateOrPeriod(f.TextN);
  const double pmt = args.Value(f.TextPMT);
  const double pv = args.Value(f.TextPV);
  const double fv = args.Value(f.TextFV);
  const double guess = args.RateOrPeriod(estimate) / 100;
  Present(f, kRate, args.Failed() ? std::nullopt : Rate(nper, pmt, pv, fv, PaymentDue(f), guess));
}

void CommandPV_Click(Form1& f) {
  ArgumentReader args;
  const double rate = args.Percent(f.TextInterest);
  const double nper = args.RateOrPeriod(f.TextN);
  const double pmt = args.Value(f.TextPMT);
  const double fv = args.Value(f.TextFV);
  Present(f, kPV, args.Failed() ? std::nullopt : PV(rate, nper, pmt, fv, PaymentDue(f)));
}

void CommandFV_Click(Form1& f) {
  ArgumentReader args;
  const double rate = args.Percent(f.TextInterest);
  const double nper = args.RateOrPeriod(f.TextN);
  const double pmt = args.Value(f.TextPMT);
  const double pv = args.Value(f.TextPV);
  Present(f, kFV, args.Failed() ? std::nullopt : FV(rate, nper, pmt, pv, PaymentDue(f)));
}

void CommandPMT_Click(Form1& f) {
  ArgumentReader args;
  const double rate = args.Percent(f.TextInterest);
  const double nper = args.RateOrPeriod(f.TextN);
  const double pv = args.Value(f.TextPV);
  const double fv = args.Value(f.TextFV);
  Present(f, kPMT, args.Failed() ? std::nullopt : PMT(rate, nper, pv, fv, PaymentDue(f)));
}

void CommandPPMT_Click(Form1& f) { RunAmortization(f, kPPMT, PPMT); }
void CommandIPMT_Click(Form1& f) { RunAmortization(f, kIPMT, IPMT); }
void CommandPrincipal_Click(Form1& f) { RunAmortization(f, kTPPMT, TPPMT); }
void CommandInterestPaid_Click(Form1& f) { RunAmortization(f, kTIPMT, TIPMT); }
void CommandBalance_Click(Form1& f) { RunAmortization(f, kBAL, BAL); }

void CommandNPV_Click(Form1& f) {
  ParseCashFlows(f, f.TextCF.Text());
  if (f.CashFlows[0] == 0) {
    ShowFailure(f, kNPV);
    return;
  }
  ArgumentReader args;
  const double rate = args.Percent(f.TextInterest);
  Present(f, kNPV, args.Failed() ? std::nullopt : NPV(rate, f.CashFlows));
}

void CommandIRR_Click(Form1& f) {
  const std::string estimate = EstimateText(f);
  ParseCashFlows(f, f.TextCF.Text());
  ArgumentReader args;
  const double guess = args.RateOrPeriod(estimate) / 100;
  Present(f, kIRR, args.Failed() ? std::nullopt : IRR(f.CashFlows, guess));
}

void CommandMIRR_Click(Form1& f) {
  ParseCashFlows(f, f.TextCF.Text());
  ArgumentReader args;
  const double finance_rate = args.Percent(f.TextInterest);
  const double reinvest_rate = args.Percent(f.TextPer);
  Present(f, kMIRR, args.Failed() ? std::nullopt : MIRR(f.CashFlows, finance_rate, reinvest_rate));
}

void CommandEffect_Click(Form1& f) { RunRateConversion(f, kEffect, EFFECT); }
void CommandNominal_Click(Form1& f) { RunRateConversion(f, kNominal, NOMINAL); }

void RegisterFunctionButtons(Form1& f) {
  Form1* form = &f;
  const struct {
    Ctl button;
    void (*handler)(Form1&);
  } buttons[] = {
      {Ctl::CommandN, CommandN_Click},
      {Ctl::CommandInterest, CommandInterest_Click},
      {Ctl::CommandPV, CommandPV_Click},
      {Ctl::CommandFV, CommandFV_Click},
      {Ctl::CommandPMT, CommandPMT_Click},
      {Ctl::CommandPPMT, CommandPPMT_Click},
      {Ctl::CommandIPMT, CommandIPMT_Click},
      {Ctl::CommandPrincipal, CommandPrincipal_Click},
      {Ctl::CommandInterestPaid, CommandInterestPaid_Click},
      {Ctl::CommandBalance, CommandBalance_Click},
      {Ctl::CommandNPV, CommandNPV_Click},
      {Ctl::CommandIRR, CommandIRR_Click},
      {Ctl::CommandMIRR, CommandMIRR_Click},
      {Ctl::CommandEffect, CommandEffect_Click},
      {Ctl::CommandNominal, CommandNominal_Click},
  };
  for (const auto& entry : buttons) {
    const auto handler = entry.handler;
    f.On(entry.button).Click = [form, handler] { handler(*form); };
  }
}

}  // namespace quorvel::finance
