// Quorvel Calculator: a desk calculator and financial calculator in one
// window.

#include <QApplication>

#include "shell/version.h"
#include "ui/help_process.h"
#include "ui/program.h"

// The file version, findable in the binary (`strings`, `what`).
[[gnu::used]] static const char kIdent[] =
    "@(#) Quorvel Calculator file version " QUORVEL_FILE_VERSION;

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Quorvel Calculator"));
  QApplication::setApplicationVersion(QString::fromLatin1(quorvel::shell::kFileVersion));
  QApplication::setDesktopFileName(QStringLiteral("quorvel-calculator"));
  // The calculator starts its help viewer as this program with a switch.
  const QStringList arguments = QApplication::arguments();
  if (arguments.value(1) == QLatin1String(quorvel::ui::kHelpViewerSwitch)) {
    return quorvel::ui::RunHelpViewer(arguments.mid(2));
  }
  return quorvel::ui::RunProgram();
}
