// How long the financial functions take: each on ordinary figures, the rate
// solvers on inputs that defeat Newton's method, and the cash-flow functions
// and running totals at the largest sizes the calculator allows.

#include <benchmark/benchmark.h>

#include <vector>

#include "finance/engine.h"

namespace {

namespace fin = quorvel::finance;

// The longest cash-flow list and the most periods a running total may sum.
constexpr int kMostFlows = 32767;
constexpr double kMostPeriods = 32766;

const std::vector<double> kInvestment = {-1000, 300, 400, 500};

std::vector<double> LongInvestment() {
  std::vector<double> values(kMostFlows, 40);
  values[0] = -1e6;
  return values;
}

// -100, 230, -133 has no real rate of return; trailing zeros keep it so.
std::vector<double> LongListWithoutRoot() {
  std::vector<double> values(kMostFlows, 0.0);
  values[0] = -100;
  values[1] = 230;
  values[2] = -133;
  return values;
}

void BM_NPer(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(fin::NPer(0.01, -88.85, 1000, 0, 0));
}
BENCHMARK(BM_NPer);

void BM_Rate(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(fin::Rate(12, -88.85, 1000, 0, 0, 0.1));
}
BENCHMARK(BM_Rate);

void BM_PV(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(fin::PV(0.08, 10, -500, 0, 0));
}
BENCHMARK(BM_PV);

void BM_FV(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(fin::FV(0.005, 120, -100, 0, 0));
}
BENCHMARK(BM_FV);

void BM_PMT(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(fin::PMT(0.01, 12, 1000, 0, 0));
}
BENCHMARK(BM_PMT);

void BM_IPMT(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(fin::IPMT(0.01, 3, 12, 1000, 0, 0));
}
BENCHMARK(BM_IPMT);

void BM_PPMT(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(fin::PPMT(0.01, 3, 12, 1000, 0, 0));
}
BENCHMARK(BM_PPMT);

void BM_TPPMT(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(fin::TPPMT(0.01, 12, 12, 1000, 0, 0));
}
BENCHMARK(BM_TPPMT);

void BM_TIPMT(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(fin::TIPMT(0.01, 12, 12, 1000, 0, 0));
}
BENCHMARK(BM_TIPMT);

void BM_BAL(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(fin::BAL(0.01, 12, 12, 1000, 0, 0));
}
BENCHMARK(BM_BAL);

void BM_NPV(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(fin::NPV(0.1, kInvestment));
}
BENCHMARK(BM_NPV);

void BM_IRR(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(fin::IRR(kInvestment, 0.1));
}
BENCHMARK(BM_IRR);

void BM_MIRR(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(fin::MIRR(kInvestment, 0.1, 0.12));
}
BENCHMARK(BM_MIRR);

void BM_EFFECT(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(fin::EFFECT(12, 12));
}
BENCHMARK(BM_EFFECT);

void BM_NOMINAL(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(fin::NOMINAL(12, 12));
}
BENCHMARK(BM_NOMINAL);

// Rate on inputs where Newton from the guess is not enough.
void BM_RateHard(benchmark::State& state, double nper, double pmt, double pv, double fv,
                 double guess) {
  for (auto _ : state) benchmark::DoNotOptimize(fin::Rate(nper, pmt, pv, fv, 0, guess));
}
BENCHMARK_CAPTURE(BM_RateHard, long_annuity, 50, 35, -250, 0, 0.1);
BENCHMARK_CAPTURE(BM_RateHard, short_high_rate, 4, 500, -600, 500, 0.1);
// Positive only between two close roots near -0.8 % and -0.3 %, far from the
// guess: found through the turn of the equation between two samples.
BENCHMARK_CAPTURE(BM_RateHard, narrow_dip, 235, 237.92268261178353, -41230.615758376698,
                  -18912.389671499208, 0.1);
// No root: the whole search runs and fails.
BENCHMARK_CAPTURE(BM_RateHard, no_root, 10, 0, 100, 100, 0.1);

void BM_IrrHard(benchmark::State& state, std::vector<double> values, double guess) {
  for (auto _ : state) benchmark::DoNotOptimize(fin::IRR(values, guess));
}
BENCHMARK_CAPTURE(BM_IrrHard, two_roots_from_between, std::vector<double>{-100, 230, -132}, 0.15);
BENCHMARK_CAPTURE(BM_IrrHard, guess_near_minus_100, std::vector<double>{-1000, 300, 400, 500},
                  -0.99);
BENCHMARK_CAPTURE(BM_IrrHard, no_root, std::vector<double>{-100, 230, -133}, 0.1);
// Roots where the present value only touches 0: found, then refined on the
// derivatives.
BENCHMARK_CAPTURE(BM_IrrHard, double_root, std::vector<double>{1, -2, 1}, 0.1);
BENCHMARK_CAPTURE(BM_IrrHard, triple_root, std::vector<double>{-1, 3, -3, 1}, 0.1);

// The largest lists and sums.
void BM_NPV_LongestList(benchmark::State& state) {
  const auto values = LongInvestment();
  for (auto _ : state) benchmark::DoNotOptimize(fin::NPV(0.0001, values));
}
BENCHMARK(BM_NPV_LongestList)->Unit(benchmark::kMicrosecond);

void BM_IRR_LongestList(benchmark::State& state) {
  const auto values = LongInvestment();
  for (auto _ : state) benchmark::DoNotOptimize(fin::IRR(values, 0.1));
}
BENCHMARK(BM_IRR_LongestList)->Unit(benchmark::kMillisecond);

void BM_IRR_LongestListFarGuess(benchmark::State& state) {
  const auto values = LongInvestment();
  for (auto _ : state) benchmark::DoNotOptimize(fin::IRR(values, 5.0));
}
BENCHMARK(BM_IRR_LongestListFarGuess)->Unit(benchmark::kMillisecond);

void BM_IRR_LongestListNoRoot(benchmark::State& state) {
  const auto values = LongListWithoutRoot();
  for (auto _ : state) benchmark::DoNotOptimize(fin::IRR(values, 0.1));
}
BENCHMARK(BM_IRR_LongestListNoRoot)->Unit(benchmark::kMillisecond);

void BM_MIRR_LongestList(benchmark::State& state) {
  const auto values = LongInvestment();
  for (auto _ : state) benchmark::DoNotOptimize(fin::MIRR(values, 0.1, 0.12));
}
BENCHMARK(BM_MIRR_LongestList)->Unit(benchmark::kMicrosecond);

void BM_TPPMT_MostPeriods(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(fin::TPPMT(0.0001, kMostPeriods, 40000, 1e6, 0, 0));
}
BENCHMARK(BM_TPPMT_MostPeriods)->Unit(benchmark::kMillisecond);

void BM_TIPMT_MostPeriods(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(fin::TIPMT(0.0001, kMostPeriods, 40000, 1e6, 0, 0));
}
BENCHMARK(BM_TIPMT_MostPeriods)->Unit(benchmark::kMillisecond);

void BM_BAL_MostPeriods(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(fin::BAL(0.0001, kMostPeriods, 40000, 1e6, 0, 1));
}
BENCHMARK(BM_BAL_MostPeriods)->Unit(benchmark::kMillisecond);

}  // namespace
