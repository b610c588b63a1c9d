#include "ui/help_process.h"

#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "ui/help_viewer.h"

namespace quorvel::ui {

int RunHelpViewer(const QStringList& arguments, const std::function<void(HelpViewer&)>& opened) {
  const bool contents = arguments.value(1) == QLatin1String(kHelpContentsRequest);
  const bool topic = arguments.value(1) == QLatin1String(kHelpTopicRequest);
  if (arguments.size() < 2 || (!contents && !topic)) {
    std::fprintf(stderr, "usage: %s FILE contents | %s FILE topic PAGE\n", kHelpViewerSwitch,
                 kHelpViewerSwitch);
    return kHelpUsageExitCode;
  }
  QApplication::setQuitOnLastWindowClosed(true);
  HelpViewer viewer;
  // Nothing read from a damaged file is worth showing, and the library's
  // state after it is not to be trusted: end at once and let the calculator
  // say why.
  viewer.SetDamageHandler([] {
    std::fflush(nullptr);
    std::_Exit(kHelpFileDamagedExitCode);
  });
  const std::string file = arguments.at(0).toStdString();
  if (contents) {
    viewer.ShowContents(file);
  } else {
    viewer.ShowTopic(file, arguments.value(2).toStdString());
  }
  if (opened) opened(viewer);
  return QApplication::exec();
}

}  // namespace quorvel::ui
