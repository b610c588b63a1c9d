// Times the cash-flow editor's unroll as a user sees it: from the click on
// the CF button until the list has the focus, in the real window. Prints the
// best, median and worst of several runs in milliseconds.
//   unroll_timer [RUNS]     (use QT_QPA_PLATFORM=offscreen or a display)

#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "core/form1.h"
#include "shell/main_window.h"
#include "ui/form1_window.h"
#include "ui/qt_platform.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
  quorvel::ui::QtPlatform platform;
  quorvel::Form1 model(platform);
  quorvel::shell::RegisterHandlers(model);
  quorvel::shell::Form_Load(model);
  quorvel::ui::Form1Window window(model);
  platform.SetMainWindow(&window);
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
  std::sort(times.begin(), times.end());
  std::printf(
      "unroll of the cash-flow editor over %d runs: best %.1f ms, median %.1f ms, "
      "worst %.1f ms\n",
      runs, times.front(), times[times.size() / 2], times.back());
  return 0;
}
