// Developer tool: opens the main window, clicks the named controls in order
// and saves the window as a PNG, to look at the program as a user sees it.
//   screenshot OUT.png [CONTROL ...]   (a control "type:TEXT" types TEXT)
//   screenshot OUT.png frmSplash       (the splash window instead)
//   screenshot OUT.png frmAbout        (the About window over the main window)
//   screenshot OUT.png help [TOPIC]    (the help viewer on its contents, or at a page)
// Among the controls, "keys:SEQUENCE" presses a key sequence (keys:Ctrl+Shift+T)
// in the focused control, and "grab:NAME" saves the window of that object name
// (AmortizationSchedule, CalculationTape) instead of the main window.

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <cstdio>

#include "core/form1.h"
#include "shell/help_routines.h"
#include "shell/main_window.h"
#include "ui/form1_window.h"
#include "ui/qt_platform.h"
#include "ui/splash_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUT.png [CONTROL ...]\n", argv[0]);
    return 2;
  }
  if (argc == 3 && QString::fromLatin1(argv[2]) == QStringLiteral("frmSplash")) {
    quorvel::ui::SplashWindow splash;
    splash.show();
    if (!QTest::qWaitForWindowExposed(&splash)) return 1;
    return splash.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
  }
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
  const bool other_window = argc >= 3 && (QString::fromLocal8Bit(argv[2]) == "frmAbout" ||
                                          QString::fromLocal8Bit(argv[2]) == "help");
  QWidget* grabbed = nullptr;
  for (int i = 2; i < argc && !other_window; ++i) {
    const QString step = QString::fromLocal8Bit(argv[i]);
    if (step.startsWith(QStringLiteral("keys:"))) {
      QTest::keySequence(QApplication::focusWidget() ? QApplication::focusWidget() : &window,
                         QKeySequence(step.mid(5)));
    } else if (step.startsWith(QStringLiteral("grab:"))) {
      grabbed = window.findChild<QWidget*>(step.mid(5));
      if (!grabbed) {
        std::fprintf(stderr, "no window %s\n", argv[i] + 5);
        return 1;
      }
      if (!QTest::qWaitForWindowExposed(grabbed)) return 1;
    } else if (step.startsWith(QStringLiteral("type:"))) {
      QTest::keyClicks(QApplication::focusWidget() ? QApplication::focusWidget() : &window,
                       step.mid(5));
    } else if (auto* widget = window.findChild<QWidget*>(step)) {
      QTest::mouseClick(widget, Qt::LeftButton);
    } else {
      std::fprintf(stderr, "no control %s\n", argv[i]);
      return 1;
    }
    QApplication::processEvents();
  }
  QWidget* shown = grabbed ? grabbed : &window;
  const QString mode = argc >= 3 ? QString::fromLocal8Bit(argv[2]) : QString();
  if (mode == QStringLiteral("frmAbout") || mode == QStringLiteral("help")) {
    if (mode == QStringLiteral("frmAbout")) {
      window.Route([&] { model.RaiseClick(quorvel::Ctl::MenuAbout); });
    } else if (argc >= 4) {
      quorvel::shell::ShowHelpPage(platform, argv[3]);
    } else {
      window.Route([&] { model.RaiseClick(quorvel::Ctl::MenuHelpTopics); });
    }
    QTest::qWait(300);
    shown = QApplication::activeWindow() ? QApplication::activeWindow() : &window;
    for (QWidget* top : QApplication::topLevelWidgets()) {
      if (top->isVisible() && top != &window && top->objectName() != QString()) shown = top;
    }
  }
  QTest::qWait(100);
  return shown->grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
