// The window model's handlers as a user drives them: key presses, typed
// characters and function buttons on ordinary inputs, and the cash-flow
// functions over the longest list the editor is meant for.

#include <benchmark/benchmark.h>

#include <string>

#include "core/form1.h"
#include "fake_platform.h"
#include "finance/function_buttons.h"
#include "shell/main_window.h"

namespace {

using quorvel::Ctl;

struct Session {
  Session() {
    quorvel::shell::RegisterHandlers(form, module);
    quorvel::shell::Form_Load(form, module);
    quorvel::shell::Form_Shown(form);
  }
  quorvel::testing::FakePlatform platform;
  quorvel::Form1 form{platform};
  quorvel::shell::Module1 module;
};

// All clear, a two-digit entry, then the key: four clicks a run, so that
// every run starts from the same state and the key does real work.
void BM_KeypadKey(benchmark::State& state, Ctl key) {
  Session s;
  s.form.Click(Ctl::NumMCommand);  // the memory in use, for M+
  for (auto _ : state) {
    s.form.Click(Ctl::NumACCommand);
    s.form.Click(Ctl::Num7Command);
    s.form.Click(Ctl::Num5Command);
    s.form.Click(key);
  }
  state.SetItemsProcessed(state.iterations() * 4);
}
BENCHMARK_CAPTURE(BM_KeypadKey, digit, Ctl::Num3Command);
BENCHMARK_CAPTURE(BM_KeypadKey, plus, Ctl::NumPlusCommand);
BENCHMARK_CAPTURE(BM_KeypadKey, equals, Ctl::NumEqCommand);
BENCHMARK_CAPTURE(BM_KeypadKey, square_root, Ctl::NumSqRtCommand);
BENCHMARK_CAPTURE(BM_KeypadKey, memory_add, Ctl::NumMPlusCommand);
BENCHMARK_CAPTURE(BM_KeypadKey, sign, Ctl::NumSignCommand);

void BM_TypedKeys(benchmark::State& state) {
  Session s;
  for (auto _ : state) {
    s.form.Click(Ctl::NumACCommand);
    s.form.Type("12+3\r");
  }
  state.SetItemsProcessed(state.iterations() * 6);
}
BENCHMARK(BM_TypedKeys);

void BM_FunctionButton(benchmark::State& state, Ctl button) {
  Session s;
  auto& f = s.form;
  f.TextN.SetText("30*12");
  f.TextInterest.SetText("6/12");
  f.TextPV.SetText("100000");
  f.TextPMT.SetText("-599.55");
  f.TextPer.SetText("12");
  f.TextCF.SetText("-1000\r\n300\r\n400\r\n500\r\n");
  for (auto _ : state) {
    f.Click(button);
    if (button == Ctl::CommandInterest) f.TextInterest.SetText("6/12");
  }
}
BENCHMARK_CAPTURE(BM_FunctionButton, PMT, Ctl::CommandPMT);
BENCHMARK_CAPTURE(BM_FunctionButton, Rate, Ctl::CommandInterest);
BENCHMARK_CAPTURE(BM_FunctionButton, PPMT, Ctl::CommandPPMT);
BENCHMARK_CAPTURE(BM_FunctionButton, NPV, Ctl::CommandNPV);
BENCHMARK_CAPTURE(BM_FunctionButton, IRR, Ctl::CommandIRR);
BENCHMARK_CAPTURE(BM_FunctionButton, EFFECT, Ctl::CommandEffect);

std::string LongList() {
  std::string list = "-100000\r\n";
  for (int i = 1; i < 32767; ++i) list += i % 7 == 0 ? "-250.5\r\n" : "512.25\r\n";
  return list;
}

void BM_ParseCashFlows32767(benchmark::State& state) {
  Session s;
  const std::string list = LongList();
  for (auto _ : state) quorvel::finance::ParseCashFlows(s.form, list);
  if (s.form.CashFlows.size() != 32767) state.SkipWithError("the list lost lines");
}
BENCHMARK(BM_ParseCashFlows32767)->Unit(benchmark::kMillisecond);

// The whole button, parse included, over 32,767 flows.
void BM_CashFlowButton32767(benchmark::State& state, Ctl button) {
  Session s;
  s.form.TextInterest.SetText("1");
  s.form.TextPer.SetText("2");
  const std::string list = LongList();
  for (auto _ : state) {
    s.form.TextCF.SetText(list);
    s.form.Click(button);
  }
  if (!s.platform.messages.empty()) state.SkipWithError("the function failed");
}
BENCHMARK_CAPTURE(BM_CashFlowButton32767, NPV, Ctl::CommandNPV)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CashFlowButton32767, IRR, Ctl::CommandIRR)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_CashFlowButton32767, MIRR, Ctl::CommandMIRR)->Unit(benchmark::kMillisecond);

void BM_TotalsButton32766(benchmark::State& state, Ctl button) {
  Session s;
  s.form.TextN.SetText("40000");
  s.form.TextInterest.SetText("0.01");
  s.form.TextPV.SetText("1000000");
  s.form.TextPer.SetText("32766");
  for (auto _ : state) s.form.Click(button);
  if (!s.platform.messages.empty()) state.SkipWithError("the function failed");
}
BENCHMARK_CAPTURE(BM_TotalsButton32766, TPPMT, Ctl::CommandPrincipal)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_TotalsButton32766, BAL, Ctl::CommandBalance)->Unit(benchmark::kMillisecond);

}  // namespace
