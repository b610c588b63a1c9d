// How long the shared number conversions take on the texts a user meets.

#include <benchmark/benchmark.h>

#include "core/number_text.h"

namespace {

void BM_TextValue(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(quorvel::TextValue(" -1234.5678E+3 "));
}
BENCHMARK(BM_TextValue);

void BM_GeneralText(benchmark::State& state) {
  double value = 1.0 / 3.0;
  for (auto _ : state) benchmark::DoNotOptimize(quorvel::GeneralText(value));
}
BENCHMARK(BM_GeneralText);

void BM_FixedText(benchmark::State& state) {
  double value = -88.84878867834166;
  for (auto _ : state) benchmark::DoNotOptimize(quorvel::FixedText(value, "0.00"));
}
BENCHMARK(BM_FixedText);

}  // namespace
