// The split of each payment into interest and principal, and its running
// totals.

#include <cmath>
#include <cstdint>
#include <limits>

#include "core/number_text.h"
#include "finance/engine.h"
#include "finance/finite_result.h"

namespace quorvel::finance {
namespace {

using detail::AllFinite;
using detail::Finite;
using detail::ValidDue;

// The interest part of period `per` once the payment is known. The balance at
// the start of the period is the future value of the payments made so far;
// with payments at the beginning, the period's own payment has already reduced
// it, and the first payment meets no interest at all.
std::optional<double> InterestPart(double rate, double per, double pmt, double pv, int due) {
  if (per == 1.0) {
    if (due == 1) return 0.0;
    return Finite(-pv * rate);
  }
  if (due == 0) {
    const auto balance = FV(rate, per - 1.0, pmt, pv, 0);
    if (!balance) return std::nullopt;
    return Finite(*balance * rate);
  }
  const auto balance = FV(rate, per - 2.0, pmt, pv, 1);
  if (!balance) return std::nullopt;
  return Finite((*balance - pmt) * rate);
}

bool PeriodInTerm(double per, double nper) { return per >= 1.0 && per <= nper; }

enum class Part { kPrincipal, kInterest };

// The sum of one part over periods 1..k, k being `per` rounded as a 16-bit
// period counter would hold it.
std::optional<double> Total(Part part, double rate, double per, double nper, double pv, double fv,
                            int due) {
  if (!ValidDue(due) || !AllFinite(rate, per, nper, pv, fv)) return std::nullopt;
  const auto rounded = RoundToInt16(per);
  if (!rounded) return std::nullopt;
  const int periods = *rounded;
  // A 16-bit counter steps past 32767 after the last pass and overflows.
  if (periods >= std::numeric_limits<std::int16_t>::max()) return std::nullopt;
  if (periods < 1) return std::nullopt;  // nothing summed: the total is 0
  // Every term of the sum shares one payment; work it out once.
  const auto pmt = PMT(rate, nper, pv, fv, due);
  if (!pmt) return std::nullopt;
  double total = 0.0;
  for (int i = 1; i <= periods; ++i) {
    const double period = i;
    if (!PeriodInTerm(period, nper)) return std::nullopt;
    const auto interest = InterestPart(rate, period, *pmt, pv, due);
    if (!interest) return std::nullopt;
    total += part == Part::kInterest ? *interest : *pmt - *interest;
  }
  if (total == 0.0) return std::nullopt;
  return Finite(total);
}

}  // namespace

std::optional<double> IPMT(double rate, double per, double nper, double pv, double fv, int due) {
  if (!ValidDue(due) || !AllFinite(per, nper) || !PeriodInTerm(per, nper)) return std::nullopt;
  const auto pmt = PMT(rate, nper, pv, fv, due);
  if (!pmt) return std::nullopt;
  return InterestPart(rate, per, *pmt, pv, due);
}

std::optional<double> PPMT(double rate, double per, double nper, double pv, double fv, int due) {
  if (!ValidDue(due) || !AllFinite(per, nper) || !PeriodInTerm(per, nper)) return std::nullopt;
  const auto pmt = PMT(rate, nper, pv, fv, due);
  if (!pmt) return std::nullopt;
  const auto interest = InterestPart(rate, per, *pmt, pv, due);
  if (!interest) return std::nullopt;
  return Finite(*pmt - *interest);
}

std::optional<double> TPPMT(double rate, double per, double nper, double pv, double fv, int due) {
  return Total(Part::kPrincipal, rate, per, nper, pv, fv, due);
}

std::optional<double> TIPMT(double rate, double per, double nper, double pv, double fv, int due) {
  return Total(Part::kInterest, rate, per, nper, pv, fv, due);
}

std::optional<double> BAL(double rate, double per, double nper, double pv, double fv, int due) {
  const auto principal = TPPMT(rate, per, nper, pv, fv, due);
  if (!principal) return std::nullopt;
  return OutstandingBalance(pv, *principal);
}

std::optional<double> OutstandingBalance(double pv, double principal_total) {
  // The principal parts carry the opposite sign to the debt while they pay
  // it off, and its own sign while they add to it (payments that do not
  // cover the interest): either way what is left is pv plus their total.
  return Finite(std::abs(pv + principal_total));
}

}  // namespace quorvel::finance
