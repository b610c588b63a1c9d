#pragma once
// The financial engine behind the fifteen function buttons: pure functions of
// their arguments, no state, no toolkit.
//
// Every function gives its finite result, or no value when there is none: an
// argument outside the function's domain, a division by zero, an overflow, a
// non-finite argument or intermediate, an iteration that finds no root. None
// returns infinity or NaN and none throws.
//
// Rates are fractions (0.01 is 1 %), except for EFFECT and NOMINAL, which take
// and give percentages. `due` is 0 when payments fall at the end of each
// period and 1 at the beginning; any other value is outside the domain.
// Amounts follow the cash-flow convention: money received is positive, money
// paid out negative.

#include <optional>
#include <span>

namespace quorvel::finance {

// The time-value-of-money solvers. Each one solves the annuity equation
//   pv (1+r)^n + pmt (1 + r due) ((1+r)^n - 1) / r + fv = 0   (r != 0)
//   pv + pmt n + fv = 0                                       (r == 0)
// for one quantity. With 1 + r not positive a fractional n has no real power,
// so PV, FV and PMT fail there; NPer needs 1 + r > 0.
std::optional<double> NPer(double rate, double pmt, double pv, double fv, int due);
// The rate per period, found by iteration from `guess`; never a value that
// does not satisfy the equation. Looks at rates above -1 (about -1 + 1e-13)
// up to 1e10 per period and prefers the root nearest the guess, measured in
// log(1 + r), when there are several. A guess of -1 or below (or not finite)
// starts the search from 0.
std::optional<double> Rate(double nper, double pmt, double pv, double fv, int due, double guess);
std::optional<double> PV(double rate, double nper, double pmt, double fv, int due);
std::optional<double> FV(double rate, double nper, double pmt, double pv, int due);
std::optional<double> PMT(double rate, double nper, double pv, double fv, int due);

// The interest and principal parts of the payment in period `per` (1 to nper,
// a fractional per allowed). With due 1 the first payment carries no interest.
std::optional<double> IPMT(double rate, double per, double nper, double pv, double fv, int due);
std::optional<double> PPMT(double rate, double per, double nper, double pv, double fv, int due);

// The totals up to and including period k = per rounded half-to-even to a
// 16-bit integer (out of 16-bit range: failure). Sum of PPMT / IPMT for
// i = 1..k; any failing term fails the total; k of 32767 or more fails (the
// 16-bit loop counter overflows after its last pass); a total of exactly 0
// (including k < 1, an empty loop) fails.
std::optional<double> TPPMT(double rate, double per, double nper, double pv, double fv, int due);
std::optional<double> TIPMT(double rate, double per, double nper, double pv, double fv, int due);
// |pv + TPPMT(...)|, the size of what is still owed (or saved), also when
// the payments do not cover the interest and the debt grows; fails whenever
// TPPMT fails (so also when the principal total is 0).
std::optional<double> BAL(double rate, double per, double nper, double pv, double fv, int due);
// The balance BAL shows once the principal parts paid so far add up to
// `principal_total`; the amortization schedule uses it for every row.
std::optional<double> OutstandingBalance(double pv, double principal_total);

// Sum of values[i] / (1+rate)^(i+1): the first value is discounted by one
// whole period. Fails for an empty list and when 1 + rate is 0.
std::optional<double> NPV(double rate, std::span<const double> values);
// The rate x with sum of values[i] / (1+x)^i = 0, found by iteration from
// `guess` as Rate's is. A root where the sum only touches 0 (a double or
// triple root, such as 1, -2, 1 at 0 %) is given to full precision too, not
// just to the rounding band the flat sum leaves. Fails unless the values hold
// a negative and a positive value, or when no such rate exists.
std::optional<double> IRR(std::span<const double> values, double guess);
// (P / -N)^(1/(m-1)) - 1 with P the positive values carried forward to the
// last period at the reinvest rate and N the negative values discounted to
// period 0 at the finance rate. Fails without a positive and a negative value
// and when 1 + either rate is 0.
std::optional<double> MIRR(std::span<const double> values, double finance_rate,
                           double reinvest_rate);

// Nominal and effective annual rates in percent, `periods` compounding periods
// a year (fractional allowed), accurate to the last digit however many the
// periods. Both fail when periods < 1 or rate_percent / 100 <= 0.
std::optional<double> EFFECT(double rate_percent, double periods);
std::optional<double> NOMINAL(double rate_percent, double periods);

}  // namespace quorvel::finance
