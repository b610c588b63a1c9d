// Net present value and modified internal rate of return of a list of
// periodic cash flows.

#include <algorithm>
#include <cmath>

#include "finance/engine.h"
#include "finance/finite_result.h"

namespace quorvel::finance {
namespace {

using detail::AllFinite;
using detail::Finite;

bool AllValuesFinite(std::span<const double> values) {
  return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

bool HasBothSigns(std::span<const double> values) {
  const bool negative = std::any_of(values.begin(), values.end(), [](double v) { return v < 0; });
  const bool positive = std::any_of(values.begin(), values.end(), [](double v) { return v > 0; });
  return negative && positive;
}

// The selected values (those `keep` accepts) moved to one period by the rate:
// carried forward to the last period (`to_last`) or discounted to period 0.
// The result is log(|sum|) (minus infinity for 0) and the sign of the sum,
// since over a long list the sum itself may lie far beyond the range of a
// double while a rate built from it does not.
struct LogSum {
  double log_magnitude;
  bool negative;
};

template <typename Keep>
std::optional<LogSum> MovedSum(std::span<const double> values, double rate, bool to_last,
                               Keep keep) {
  const double base = 1.0 + rate;
  const std::size_t last = values.size() - 1;
  // Horner's rule in the direction in which the factors do not grow:
  // forward with |base| <= 1 gives sum v[i] base^(last - i), backward with
  // 1 / base gives sum v[i] base^-i. Whichever of the two is not the sum
  // wanted differs from it by the factor base^last, which joins through logs.
  const bool forward = std::abs(base) <= 1.0;
  double sum = 0.0;
  if (forward) {
    for (double v : values) sum = sum * base + (keep(v) ? v : 0.0);
  } else {
    const double step = 1.0 / base;
    for (auto it = values.rbegin(); it != values.rend(); ++it) {
      sum = sum * step + (keep(*it) ? *it : 0.0);
    }
  }
  if (!std::isfinite(sum)) return std::nullopt;
  LogSum result{std::log(std::abs(sum)), sum < 0.0};
  if (forward != to_last) {
    const double scale_log = static_cast<double>(last) * std::log(std::abs(base));
    result.log_magnitude += to_last ? scale_log : -scale_log;
    if (base < 0.0 && last % 2 == 1) result.negative = !result.negative;
  }
  return result;
}

}  // namespace

std::optional<double> NPV(double rate, std::span<const double> values) {
  if (values.empty() || !std::isfinite(rate) || !AllValuesFinite(values)) return std::nullopt;
  const double base = 1.0 + rate;
  if (base == 0.0) return std::nullopt;
  // Horner's rule from the last value: each pass discounts everything after
  // the current period by one more period, the first value included.
  double sum = 0.0;
  for (auto it = values.rbegin(); it != values.rend(); ++it) sum = (sum + *it) / base;
  return Finite(sum);
}

std::optional<double> MIRR(std::span<const double> values, double finance_rate,
                           double reinvest_rate) {
  if (!AllFinite(finance_rate, reinvest_rate) || !AllValuesFinite(values)) return std::nullopt;
  if (values.size() < 2 || !HasBothSigns(values)) return std::nullopt;
  if (1.0 + finance_rate == 0.0 || 1.0 + reinvest_rate == 0.0) return std::nullopt;
  const auto inflows = MovedSum(values, reinvest_rate, true, [](double v) { return v > 0; });
  const auto outflows = MovedSum(values, finance_rate, false, [](double v) { return v < 0; });
  if (!inflows || !outflows) return std::nullopt;
  const double root = 1.0 / static_cast<double>(values.size() - 1);
  if (inflows->negative == outflows->negative) {
    // P / -N is negative (only below -100 % rates): a real root exists only
    // for the first root, that is for two cash flows.
    if (values.size() != 2) return std::nullopt;
    return Finite(-std::exp(inflows->log_magnitude - outflows->log_magnitude) - 1.0);
  }
  // (P / -N)^(1/(m-1)) - 1 taken through logs: P and N may overflow on their
  // own while their ratio's root is an ordinary rate.
  return Finite(std::expm1((inflows->log_magnitude - outflows->log_magnitude) * root));
}

}  // namespace quorvel::finance
