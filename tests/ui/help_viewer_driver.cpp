// The help viewer as the calculator starts it, with a user at its controls:
// the window tests name this program as the viewer. It runs the program's own
// viewer code on the request it is given, then does what the environment
// asks and writes down what the viewer showed:
//   QUORVEL_HELP_SEARCH  words typed into the Search tab, then Enter;
//   QUORVEL_HELP_REPORT  a file that receives "key=value" lines: the window
//                        title, the page shown, the number of contents and
//                        index entries and of search results;
//   QUORVEL_HELP_DIE     when set, the viewer dies of a signal once open, as
//                        a viewer crashing inside a library would.
// Then it closes the viewer, which ends the process.

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QTextBrowser>
#include <QTimer>
#include <QTreeWidget>
#include <csignal>

#include "ui/help_process.h"
#include "ui/help_viewer.h"

namespace {

template <class T>
T* Named(QWidget& window, const char* name) {
  T* widget = window.findChild<T*>(QString::fromLatin1(name));
  if (!widget) qFatal("the viewer has no %s", name);
  return widget;
}

int CountItems(QTreeWidget* tree) {
  int count = 0;
  for (QTreeWidgetItemIterator it(tree); *it; ++it) ++count;
  return count;
}

void Drive(quorvel::ui::HelpViewer& viewer) {
  if (qEnvironmentVariableIsSet("QUORVEL_HELP_DIE")) std::raise(SIGSEGV);
  QStringList report;
  report << QStringLiteral("title=") + viewer.windowTitle();
  report << QStringLiteral("page=") + Named<QTextBrowser>(viewer, "HelpPage")->source().path();
  report
      << QStringLiteral("contents=%1").arg(CountItems(Named<QTreeWidget>(viewer, "HelpContents")));
  report << QStringLiteral("index=%1").arg(Named<QListWidget>(viewer, "HelpIndex")->count());
  const QString words = qEnvironmentVariable("QUORVEL_HELP_SEARCH");
  if (!words.isEmpty()) {
    auto* box = Named<QLineEdit>(viewer, "HelpSearchBox");
    box->setText(words);
    emit box->returnPressed();
    report << QStringLiteral("results=%1")
                  .arg(Named<QListWidget>(viewer, "HelpSearchResults")->count());
  }
  QFile out(qEnvironmentVariable("QUORVEL_HELP_REPORT"));
  if (out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
    out.write(report.join(QLatin1Char('\n')).toUtf8() + '\n');
  }
  QTimer::singleShot(0, &viewer, &QWidget::close);
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QStringList arguments = QApplication::arguments().mid(1);
  if (arguments.value(0) == QLatin1String(quorvel::ui::kHelpViewerSwitch)) arguments.removeFirst();
  return quorvel::ui::RunHelpViewer(arguments, Drive);
}
