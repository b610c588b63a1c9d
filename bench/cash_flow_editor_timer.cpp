// Times the cash-flow editor in the real window, as a user meets it:
//  - the unroll, from the click on the CF button until the list has the
//    focus (best, median and worst of several runs);
//  - a key typed at the end of a list of 40,000 lines, from key press to
//    the line indicator updated.
//   cash_flow_editor_timer [RUNS]   (QT_QPA_PLATFORM=offscreen or a display)

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
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
  return 0;
}
