#pragma once
// Everything that makes one financial function what it is, said once: its
// button and where the button sits, the legend on its face and its tooltip,
// the status caption of its result, the signature its error message names,
// the arguments it reads and passes to the engine, and its help page. The
// buttons' handlers, the window's faces and the help file's checks are all
// derived from this list; a new function is one more entry here, its engine
// function and its help page.

#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "core/controls.h"
#include "finance/engine.h"

namespace quorvel::finance {

// What a function reads, each in its own way.
enum class Argument {
  kInterest,         // TextInterest, a percentage, passed as a fraction
  kInterestPercent,  // TextInterest, passed in percent
  kEstimate,         // TextInterest, or 10 when it is empty; passed as a fraction
  kPeriods,          // TextN
  kPer,              // TextPer, the period number
  kReinvestRate,     // TextPer, a percentage, passed as a fraction
  kPresentValue,     // TextPV
  kFutureValue,      // TextFV
  kPayment,          // TextPMT
  kPaymentDue,       // CheckPayment: 0 at the end of each period, 1 at the beginning
  kCashFlows,        // the cash-flow list, parsed
};
inline constexpr std::size_t kArgumentKinds = static_cast<std::size_t>(Argument::kCashFlows) + 1;

// The arguments as read, one slot for each kind.
struct ArgumentValues {
  std::array<double, kArgumentKinds> numbers{};
  int due = 0;
  std::span<const double> cash_flows;

  void Set(Argument argument, double value) { numbers[static_cast<std::size_t>(argument)] = value; }

  template <Argument kind>
  auto Get() const {
    if constexpr (kind == Argument::kPaymentDue) {
      return due;
    } else if constexpr (kind == Argument::kCashFlows) {
      return cash_flows;
    } else {
      return numbers[static_cast<std::size_t>(kind)];
    }
  }
};

// A call of an engine function: the arguments in the order passed, and the
// call itself, which passes exactly those.
struct Call {
  static constexpr std::size_t kMostArguments = 6;
  std::array<Argument, kMostArguments> passed{};
  std::size_t count = 0;
  std::optional<double> (*evaluate)(const ArgumentValues&) = nullptr;

  constexpr std::span<const Argument> Arguments() const { return {passed.data(), count}; }
  constexpr bool Reads(Argument argument) const {
    for (Argument each : Arguments()) {
      if (each == argument) return true;
    }
    return false;
  }
};

// The call of `function` with the arguments `passed`, in that order.
template <auto function, Argument... passed>
constexpr Call Passing() {
  static_assert(sizeof...(passed) <= Call::kMostArguments);
  return {{passed...}, sizeof...(passed), [](const ArgumentValues& values) {
            return function(values.template Get<passed>()...);
          }};
}

// The call of an amortization function: all five take the period Per and
// the annuity, in the same order.
template <auto function>
constexpr Call PassingPerPeriod() {
  using enum Argument;
  return Passing<function, kInterest, kPer, kPeriods, kPresentValue, kFutureValue, kPaymentDue>();
}

// How a result is shown: as the engine gives it, or a fraction as a
// percentage.
enum class Shown { kAsComputed, kAsPercentage };

// A check of the button's own on top of the engine's.
enum class Refusal {
  kNone,
  kZeroShown,          // a result that shows as zero is reported, after it is shown
  kZeroFirstCashFlow,  // a list whose first value is 0 is refused before anything is read
};

// A button's top left corner in the window, in twips.
struct Place {
  int left;
  int top;
};

struct FunctionDescriptor {
  Ctl button;
  Place place;
  const char* legend;     // drawn on the button's face
  const char* tooltip;    // also the button's accessible name
  const char* caption;    // the status bar's, with its closing blank
  const char* signature;  // the last line of the error message
  Call call;
  Ctl solved = Ctl::None;  // the field the result goes to first; None: the display only
  Shown shown = Shown::kAsComputed;
  Refusal refusal = Refusal::kNone;
  const char* help_page = "";  // in the help file's "html Docs" folder

  // The function's name, as its signature begins.
  constexpr std::string_view Name() const {
    const std::string_view text = signature;
    return text.substr(0, text.find('('));
  }
  // Rate and IRR search from an estimate; their message asks for a better one.
  constexpr bool AsksEstimate() const { return call.Reads(Argument::kEstimate); }
  constexpr bool UsesCashFlows() const { return call.Reads(Argument::kCashFlows); }
};

// The functions in the order the Tab key visits their buttons.
inline constexpr std::array kFunctions = [] {
  using enum Argument;
  return std::array{
      FunctionDescriptor{
          .button = Ctl::CommandEffect,
          .place = {.left = 1440, .top = 2520},
          .legend = "EFF",
          .tooltip = "Calculate effective annual interest rate",
          .caption = "Effective Interest Rate ",
          .signature = "EFFECT(Interest, NPer)",
          .call = Passing<EFFECT, kInterestPercent, kPeriods>(),
          .help_page = "Effective Rate Function.htm",
      },
      FunctionDescriptor{
          .button = Ctl::CommandNominal,
          .place = {.left = 1440, .top = 3000},
          .legend = "NOM",
          .tooltip = "Calculate nominal annual interest rate",
          .caption = "Nominal Interest Rate ",
          .signature = "NOMINAL(Interest, NPer)",
          .call = Passing<NOMINAL, kInterestPercent, kPeriods>(),
          .help_page = "Nominal Rate Function.htm",
      },
      FunctionDescriptor{
          .button = Ctl::CommandN,
          .place = {.left = 2160, .top = 2520},
          .legend = "NPer",
          .tooltip = "Calc payment periods",
          .caption = "Number of payment periods ",
          .signature = "NPer(Interest, Payment, Present Value[, Future Value[, Payment Due]])",
          .call = Passing<NPer, kInterest, kPayment, kPresentValue, kFutureValue, kPaymentDue>(),
          .solved = Ctl::TextN,
          .help_page = "NPer Function.htm",
      },
      FunctionDescriptor{
          .button = Ctl::CommandInterest,
          .place = {.left = 2880, .top = 2520},
          .legend = "i(%)",
          .tooltip = "Calc interest rate",
          .caption = "Interest Rate ",
          .signature =
              "Rate(NPer, Payment, Present Value[, Future Value[, Payment Due[, Interest/guess]]])",
          .call = Passing<Rate, kPeriods, kPayment, kPresentValue, kFutureValue, kPaymentDue,
                          kEstimate>(),
          .solved = Ctl::TextInterest,
          .shown = Shown::kAsPercentage,
          .help_page = "Interest Rate Function.htm",
      },
      FunctionDescriptor{
          .button = Ctl::CommandPV,
          .place = {.left = 3600, .top = 2520},
          .legend = "PV",
          .tooltip = "Calc present value",
          .caption = "Present Value ",
          .signature = "PV(Interest, NPer, Payment[, Future Value[, Payment Due]])",
          .call = Passing<PV, kInterest, kPeriods, kPayment, kFutureValue, kPaymentDue>(),
          .solved = Ctl::TextPV,
          .refusal = Refusal::kZeroShown,
          .help_page = "PV Function.htm",
      },
      FunctionDescriptor{
          .button = Ctl::CommandFV,
          .place = {.left = 4320, .top = 2520},
          .legend = "FV",
          .tooltip = "Calc future value",
          .caption = "Future Value ",
          .signature = "FV(Interest, NPer, Payment[, Present Value[, Payment Due]])",
          .call = Passing<FV, kInterest, kPeriods, kPayment, kPresentValue, kPaymentDue>(),
          .solved = Ctl::TextFV,
          .refusal = Refusal::kZeroShown,
          .help_page = "FV Function.htm",
      },
      FunctionDescriptor{
          .button = Ctl::CommandPMT,
          .place = {.left = 5040, .top = 2520},
          .legend = "PMT",
          .tooltip = "Calc payment made per period",
          .caption = "Payment ",
          .signature = "PMT(Interest, NPer, Present Value[, Future Value[, Payment Due]])",
          .call = Passing<PMT, kInterest, kPeriods, kPresentValue, kFutureValue, kPaymentDue>(),
          .solved = Ctl::TextPMT,
          .help_page = "PMT Function.htm",
      },
      FunctionDescriptor{
          .button = Ctl::CommandPPMT,
          .place = {.left = 2160, .top = 3000},
          .legend = "PPMT",
          .tooltip = "Calc principal payment for Per period of an annuity",
          .caption = "Principal Payment ",
          .signature = "PPMT(Interest, Per, NPer, Present Value[, Future Value[, Payment Due]])",
          .call = PassingPerPeriod<PPMT>(),
          .help_page = "PPMT Function.htm",
      },
      FunctionDescriptor{
          .button = Ctl::CommandIPMT,
          .place = {.left = 2880, .top = 3000},
          .legend = "IPMT",
          .tooltip = "Calc interest payment for Per period of an annuity",
          .caption = "Interest Payment ",
          .signature = "IPMT(Interest, Per, NPer, Present Value[, Future Value[, Payment Due]])",
          .call = PassingPerPeriod<IPMT>(),
          .help_page = "IPMT Function.htm",
      },
      FunctionDescriptor{
          .button = Ctl::CommandPrincipal,
          .place = {.left = 3600, .top = 3000},
          .legend = "\u03A3PPMT",
          .tooltip = "Calc total principal payment from first payment to Per",
          .caption = "Total Principal Payment ",
          .signature = "TPPMT(Interest, Per, NPer, Present Value[, Future Value[, Payment Due]])",
          .call = PassingPerPeriod<TPPMT>(),
          .help_page = "Total Principal Function.htm",
      },
      FunctionDescriptor{
          .button = Ctl::CommandInterestPaid,
          .place = {.left = 4320, .top = 3000},
          .legend = "\u03A3IPMT",
          .tooltip = "Calc total interest payment from first payment to Per",
          .caption = "Total Interest Payment ",
          .signature = "TIPMT(Interest, Per, NPer, Present Value[, Future Value[, Payment Due]])",
          .call = PassingPerPeriod<TIPMT>(),
          .help_page = "Total Interest Function.htm",
      },
      FunctionDescriptor{
          .button = Ctl::CommandBalance,
          .place = {.left = 5040, .top = 3000},
          .legend = "BAL",
          .tooltip = "Calc outstanding balance at Per period",
          .caption = "Outstanding Balance ",
          .signature = "BAL(Interest, Per, NPer, Present Value[, Future Value[, Payment Due]])",
          .call = PassingPerPeriod<BAL>(),
          .help_page = "Balance Function.htm",
      },
      FunctionDescriptor{
          .button = Ctl::CommandIRR,
          .place = {.left = 2880, .top = 3480},
          .legend = "IRR",
          .tooltip = "Calc internal rate of return for a series of periodic cash flows",
          .caption = "Internal Rate Of Return (%) ",
          .signature = "IRR(Cash Flows[,Interest/guess])",
          .call = Passing<IRR, kCashFlows, kEstimate>(),
          .shown = Shown::kAsPercentage,
          .help_page = "IRR Function.htm",
      },
      FunctionDescriptor{
          .button = Ctl::CommandMIRR,
          .place = {.left = 3600, .top = 3480},
          .legend = "MIRR",
          .tooltip = "Calc modified internal rate of return for a series of periodic cash flows",
          .caption = "Modified Internal Rate Of Return (%) ",
          .signature = "MIRR(Cash Flows,Interest, Reinvest Rate)",
          .call = Passing<MIRR, kCashFlows, kInterest, kReinvestRate>(),
          .shown = Shown::kAsPercentage,
          .help_page = "MIRR Function.htm",
      },
      FunctionDescriptor{
          .button = Ctl::CommandNPV,
          .place = {.left = 4320, .top = 3480},
          .legend = "NPV",
          .tooltip =
              "Calc net present value of an investment based on a series of periodic cash flows",
          .caption = "Net Present Value ",
          .signature = "NPV(Interest, Cash Flows)",
          .call = Passing<NPV, kInterest, kCashFlows>(),
          .refusal = Refusal::kZeroFirstCashFlow,
          .help_page = "NPV Function.htm",
      },
  };
}();

// The function of a button, or of a name as its signature begins; null when
// there is none.
constexpr const FunctionDescriptor* FunctionOf(Ctl button) {
  for (const FunctionDescriptor& function : kFunctions) {
    if (function.button == button) return &function;
  }
  return nullptr;
}
constexpr const FunctionDescriptor* FunctionNamed(std::string_view name) {
  for (const FunctionDescriptor& function : kFunctions) {
    if (function.Name() == name) return &function;
  }
  return nullptr;
}

}  // namespace quorvel::finance
