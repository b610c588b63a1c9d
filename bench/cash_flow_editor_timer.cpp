// Times the cash-flow editor in the real window, as a user meets it:
//  - the unroll, from the click on the CF button until the list has the
//    focus (best, median and worst of several runs);
//  - a key typed at the end of a list of 40,000 lines, from key press to
//    the line indicator updated;
//  - a million lines pasted into the list, then NPV clicked.
//   cash_flow_editor_timer [RUNS]   (QT_QPA_PLATFORM=offscreen or a display)

#include <QApplication>
#include <QClipboard>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "core/form1.h"
#include "shell/main_window.h"
#include "ui/form1_window.h"
#include "ui/qt_platform.h"

namespace {

void Report(const char* what, std::vector<double> times) {
  std::sort(times.begin(), times.end());
  std::printf("%s, %zu runs: best %.1f ms, median %.1f ms, worst %.1f ms\n", what, times.size(),
              times.front(), times[times.size() / 2], times.back());
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  quorvel::ui::QtPlatform platform;
  quorvel::Form1 model(platform);
  quorvel::shell::Module1 module;
  quorvel::shell::RegisterHandlers(model, module);
  quorvel::ui::Form1Window window(model, module);
  platform.SetMainWindow(&window);
  window.Route([&] { quorvel::shell::Form_Load(model, module); });
  window.show();
  window.activateWindow();
  if (!QTest::qWaitForWindowExposed(&window)) return 1;

  auto* button = window.findChild<QPushButton*>(QStringLiteral("CommandCF"));
  auto* text1 = window.findChild<QWidget*>(QStringLiteral("Text1"));
  std::vector<double> times;
  for (int i = 0; i < runs; ++i) {
    QTest::mouseClick(text1, Qt::LeftButton);  // the list loses the focus: the frame hides
    QElapsedTimer timer;
    timer.start();
    QTest::mouseClick(button, Qt::LeftButton);
    times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
    if (model.Focused() != quorvel::Ctl::TextCF || model.Frame1.Height != 2400) {
      std::fprintf(stderr, "the editor did not open fully\n");
      return 1;
    }
  }
  Report("unroll of the cash-flow editor", times);

  std::string list;
  for (int i = 0; i < 40000; ++i) list += "-1000.00\r\n";
  window.Route([&] { model.TextCF.SetText(list); });
  auto* editor = window.findChild<QPlainTextEdit*>(QStringLiteral("TextCF"));
  times.clear();
  for (int i = 0; i < 20; ++i) {
    QElapsedTimer timer;
    timer.start();
    QTest::keyClick(editor, Qt::Key_5);
    times.push_back(static_cast<double>(timer.nsecsElapsed()) / 1e6);
  }
  if (model.LabelLineNum.Caption != " 40001") {
    std::fprintf(stderr, "the line indicator shows '%s'\n", model.LabelLineNum.Caption.c_str());
    return 1;
  }
  Report("a key typed at the end of a list of 40,000 lines", times);

  // A million lines pasted from elsewhere, then NPV: the whole round trip
  // through the window, the mirror into the editor widget included.
  std::string million = "-1000000\n";
  for (int i = 1; i < 1'000'000; ++i) million += "12.5\n";
  QGuiApplication::clipboard()->setText(QString::fromStdString(million));
  window.Route([&] { model.TextCF.SetText(""); });
  // Wall time, and the processor time of the program, which a busy machine
  // does not inflate.
  QElapsedTimer paste;
  paste.start();
  std::clock_t cpu = std::clock();
  QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
  const double paste_ms = static_cast<double>(paste.nsecsElapsed()) / 1e6;
  const double paste_cpu_ms = 1000.0 * static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC;
  auto* interest = window.findChild<QWidget*>(QStringLiteral("TextInterest"));
  QTest::mouseClick(interest, Qt::LeftButton);
  QTest::keyClick(interest, Qt::Key_1);
  QElapsedTimer npv;
  npv.start();
  cpu = std::clock();
  QTest::mouseClick(window.findChild<QPushButton*>(QStringLiteral("CommandNPV")), Qt::LeftButton);
  const double npv_ms = static_cast<double>(npv.nsecsElapsed()) / 1e6;
  const double npv_cpu_ms = 1000.0 * static_cast<double>(std::clock() - cpu) / CLOCKS_PER_SEC;
  if (model.CashFlows.size() != 1'000'000) {
    std::fprintf(stderr, "NPV read %zu values\n", model.CashFlows.size());
    return 1;
  }
  std::printf(
      "a million lines: paste %.0f ms (processor %.0f ms), NPV %.0f ms (processor %.0f ms)\n",
      paste_ms, paste_cpu_ms, npv_ms, npv_cpu_ms);
  return 0;
}
