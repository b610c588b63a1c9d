// A list of a million cash flows, as a user brings it in from a spreadsheet:
// pasted into the cash-flow editor in the German number format (so that
// every line is turned into the list's own form), the line indicator
// updated, then valued with NPV, which reads and tidies the whole list. The
// paste and the NPV together should stay well under two seconds.

#include <benchmark/benchmark.h>

#include <string>

#include "core/form1.h"
#include "fake_platform.h"
#include "shell/main_window.h"

namespace {

using quorvel::Ctl;

constexpr int kLines = 1'000'000;

struct Session {
  Session() {
    quorvel::shell::RegisterHandlers(form, module);
    quorvel::shell::Form_Load(form, module);
    quorvel::shell::Form_Shown(form);
    platform.number_format = {",", "."};
  }
  quorvel::testing::FakePlatform platform;
  quorvel::Form1 form{platform};
  quorvel::shell::Module1 module;
};

// An investment, then receipts written with group and decimal separators,
// lines ended as a spreadsheet copies them.
std::string MillionLines() {
  std::string list = "-1.000.000,00\r\n";
  list.reserve(16 * kLines);
  for (int i = 1; i < kLines; ++i) list += i % 2 ? "1.250,75\r\n" : "-3,5\r\n";
  return list;
}

void BM_PasteAndNpvMillionLines(benchmark::State& state) {
  Session s;
  s.platform.clipboard = MillionLines();
  s.form.TextInterest.SetText("0.01");
  int progress_reports = 0;
  for (auto _ : state) {
    state.PauseTiming();
    s.form.SetFocus(Ctl::Text1);
    s.form.TextCF.SetText("");
    s.form.SetFocus(Ctl::TextCF);
    const int before = static_cast<int>(s.platform.progress.size());
    state.ResumeTiming();

    s.form.RaiseClick(Ctl::MenuPaste);
    s.form.KeyUp(Ctl::TextCF, 'V');
    s.form.Click(Ctl::CommandNPV);

    state.PauseTiming();
    progress_reports = static_cast<int>(s.platform.progress.size()) - before;
    state.ResumeTiming();
  }
  if (s.form.CashFlows.size() != kLines) state.SkipWithError("the list lost lines");
  if (!s.platform.messages.empty()) state.SkipWithError("NPV failed");
  if (s.form.LabelLineNum.Caption != " 1000001") state.SkipWithError("wrong line indicator");
  state.counters["lines"] = kLines;
  state.counters["progress_reports"] = progress_reports;
}
BENCHMARK(BM_PasteAndNpvMillionLines)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
