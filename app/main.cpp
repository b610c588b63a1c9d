// Quorvel Calculator: a desk calculator and financial calculator in one
// window.

#include <QApplication>

#include "core/form1.h"
#include "shell/main_window.h"
#include "ui/form1_window.h"
#include "ui/qt_platform.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quorvel Calculator"));
  QApplication::setApplicationVersion(QStringLiteral(QUORVEL_VERSION));

  quorvel::ui::QtPlatform platform;
  quorvel::Form1 model(platform);
  quorvel::shell::RegisterHandlers(model);
  quorvel::shell::Form_Load(model);
  quorvel::ui::Form1Window window(model);
  platform.SetMainWindow(&window);
  window.show();
  return QApplication::exec();
}
