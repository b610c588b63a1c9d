#include "finance/schedule.h"

#include <cmath>
#include <string_view>

#include "core/calculator.h"
#include "core/identity.h"
#include "core/number_text.h"
#include "core/platform.h"
#include "finance/engine.h"
#include "finance/function_buttons.h"

namespace quorvel::finance {
namespace {

constexpr char kCannot[] = "The amortization schedule cannot be made from these fields.\r\n";

void Refuse(Form1& f, std::string_view reason) {
  f.platform.ShowMessage(kCannot + std::string(reason), kAppTitle);
}

// The number of decimals a typed amount shows, "-88.8" one.
int TypedDecimals(std::string_view text) {
  const std::size_t point = text.find('.');
  if (point == std::string_view::npos) return 0;
  int decimals = 0;
  for (std::size_t i = point + 1; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    ++decimals;
  }
  return decimals;
}

// A payment the user typed stands for the exact one when it is that payment
// rounded to the decimals typed, or to the display's decimals.
bool SamePayment(std::string_view typed, double exact, std::string_view pattern) {
  const double value = TextValue(typed);
  if (FixedText(value, pattern) == FixedText(exact, pattern)) return true;
  const double half_unit = 0.5 * std::pow(10.0, -TypedDecimals(typed));
  return std::abs(value - exact) <= half_unit * (1 + 1e-12);
}

}  // namespace

std::optional<Schedule> BuildSchedule(double rate, int periods, double pv, double fv, int due) {
  if (periods < 1 || periods > kMaxSchedulePeriods) return std::nullopt;
  const double nper = periods;
  const auto payment = PMT(rate, nper, pv, fv, due);
  if (!payment) return std::nullopt;
  Schedule s;
  s.rate = rate;
  s.periods = periods;
  s.pv = pv;
  s.fv = fv;
  s.due = due;
  s.payment = *payment;
  s.rows.reserve(static_cast<std::size_t>(periods));
  // The running totals add the parts in the order the total buttons add
  // them, so that each row's totals are theirs to the last bit.
  double interest_total = 0;
  double principal_total = 0;
  double payment_total = 0;
  for (int i = 1; i <= periods; ++i) {
    const double period = i;
    const auto interest = IPMT(rate, period, nper, pv, fv, due);
    const auto principal = PPMT(rate, period, nper, pv, fv, due);
    if (!interest || !principal) return std::nullopt;
    interest_total += *interest;
    principal_total += *principal;
    payment_total += *payment;
    const auto balance = OutstandingBalance(pv, principal_total);
    if (!balance || !std::isfinite(interest_total) || !std::isfinite(payment_total)) {
      return std::nullopt;
    }
    s.rows.push_back(
        {i, *payment, *interest, *principal, interest_total, principal_total, *balance});
  }
  s.total_payment = payment_total;
  s.total_interest = interest_total;
  s.total_principal = principal_total;
  return s;
}

std::optional<Schedule> ScheduleFromPanel(Form1& f) {
  const auto nper = GetRateOrPeriod(f.TextN.Text());
  if (!nper || *nper < 1 || *nper > kMaxSchedulePeriods || std::floor(*nper) != *nper) {
    Refuse(f, "NPer must be a whole number of periods from 1 to 32767.");
    return std::nullopt;
  }
  const auto percent = GetRateOrPeriod(f.TextInterest.Text());
  if (!percent || *percent / 100 <= -1) {
    Refuse(f, "Interest must be a rate per period, in percent, above -100.");
    return std::nullopt;
  }
  const double pv = TextValue(f.TextPV.Text());
  if (!std::isfinite(pv)) {
    Refuse(f, "Present Value is too large.");
    return std::nullopt;
  }
  const double fv = TextValue(f.TextFV.Text());
  if (!std::isfinite(fv)) {
    Refuse(f, "Future Value is too large.");
    return std::nullopt;
  }
  if (pv == 0 && fv == 0) {
    Refuse(f, "Present Value or Future Value must hold an amount.");
    return std::nullopt;
  }
  const std::string pattern = PatternFor(calc::DecimalPlaces(f.TextDecimal.Text()));
  auto schedule =
      BuildSchedule(*percent / 100, static_cast<int>(*nper), pv, fv, f.CheckPayment.Value);
  if (!schedule) {
    Refuse(f, "Interest gives figures beyond the calculator's range.");
    return std::nullopt;
  }
  const std::string& typed = f.TextPMT.Text();
  if (typed.find_first_not_of(" \t") != std::string::npos &&
      !SamePayment(typed, schedule->payment, pattern)) {
    Refuse(f, "Payment must be empty, or the payment the other fields give (as PMT shows it: " +
                  FixedText(schedule->payment, pattern) + ").");
    return std::nullopt;
  }
  schedule->pattern = pattern;
  return schedule;
}

}  // namespace quorvel::finance
