#pragma once
// The amortization schedule: every period of an annuity split into interest
// and principal, with running totals and the balance, worked out by the
// same engine functions as the IPMT, PPMT, TIPMT, TPPMT and BAL buttons, so
// that each row shows what those buttons show for its period.

#include <optional>
#include <string>
#include <vector>

#include "core/form1.h"

namespace quorvel::finance {

// The longest schedule: the period counter of the totals is 16-bit.
inline constexpr int kMaxSchedulePeriods = 32767;

struct ScheduleRow {
  int period = 0;
  double payment = 0;
  double interest = 0;
  double principal = 0;
  double cumulative_interest = 0;
  double cumulative_principal = 0;
  double balance = 0;
};

struct Schedule {
  // The annuity: rate per period as a fraction, payments at the end (0) or
  // the beginning (1) of each period.
  double rate = 0;
  int periods = 0;
  double pv = 0;
  double fv = 0;
  int due = 0;
  double payment = 0;
  std::vector<ScheduleRow> rows;
  double total_payment = 0;
  double total_interest = 0;
  double total_principal = 0;
  // The fixed-decimals pattern its figures are shown in.
  std::string pattern = "0.00";
};

// The schedule of the annuity, or none when the engine has no figures for it
// (a period count outside 1 to kMaxSchedulePeriods, a rate of -100 % or
// below, an overflow).
std::optional<Schedule> BuildSchedule(double rate, int periods, double pv, double fv, int due);

// The schedule of the panel as it stands: NPer, Interest (percent, with the
// fields' "a*b" and "a/b" forms), Present Value, Future Value, Payment and
// the payment timing; figures in the Decimal Place field's decimals. An
// empty Payment is worked out as the PMT button does; a filled one must be
// that payment as far as it was typed. When the fields make no schedule,
// one message box names the field and there is no schedule.
std::optional<Schedule> ScheduleFromPanel(Form1& f);

}  // namespace quorvel::finance
