// How long the longest amortization schedule takes to open: building its
// 32,767 rows from the engine, handing them to the table's model, and the
// first paint of the table and the chart in the window (offscreen), then a
// scroll from top to bottom a page at a time.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QScrollBar>
#include <QTableView>

#include "finance/schedule.h"
#include "finance/schedule_text.h"
#include "ui/schedule_window.h"

namespace {

namespace fin = quorvel::finance;

// A mortgage over 32,767 months at a small rate: the engine's figures stay
// in range to the last period.
fin::Schedule Longest() { return *fin::BuildSchedule(0.0001, fin::kMaxSchedulePeriods, 2e5, 0, 0); }

void BM_BuildLongestSchedule(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(Longest());
}
BENCHMARK(BM_BuildLongestSchedule)->Unit(benchmark::kMillisecond);

void BM_LongestScheduleAsText(benchmark::State& state) {
  const fin::Schedule schedule = Longest();
  for (auto _ : state) benchmark::DoNotOptimize(fin::ScheduleDelimited(schedule, ';', ","));
}
BENCHMARK(BM_LongestScheduleAsText)->Unit(benchmark::kMillisecond);

// Build, model and the window's first paint: what the user waits for.
void BM_OpenLongestScheduleWindow(benchmark::State& state) {
  for (auto _ : state) {
    quorvel::ui::AmortizationScheduleWindow window(nullptr);
    window.setSchedule(Longest());
    window.grab();
  }
}
BENCHMARK(BM_OpenLongestScheduleWindow)->Unit(benchmark::kMillisecond);

void BM_ScrollLongestSchedule(benchmark::State& state) {
  quorvel::ui::AmortizationScheduleWindow window(nullptr);
  window.setSchedule(Longest());
  window.grab();
  auto* table = window.findChild<QTableView*>(QStringLiteral("ScheduleTable"));
  QScrollBar* bar = table->verticalScrollBar();
  for (auto _ : state) {
    for (int at = 0; at <= bar->maximum(); at += bar->pageStep() * 256) {
      bar->setValue(at);
      table->viewport()->grab();
    }
  }
}
BENCHMARK(BM_ScrollLongestSchedule)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
