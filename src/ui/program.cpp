#include "ui/program.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QMessageBox>
#include <QStandardPaths>
#include <QTimer>
#include <memory>

#include "core/form1.h"
#include "shell/instance_lock.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "ui/form1_window.h"
#include "ui/qt_platform.h"
#include "ui/splash_window.h"

namespace quorvel::ui {
namespace {

// While the splash waits out its time, the user's input goes nowhere.
class InputSwallower : public QObject {
 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    switch (event->type()) {
      case QEvent::KeyPress:
      case QEvent::KeyRelease:
      case QEvent::MouseButtonPress:
      case QEvent::MouseButtonRelease:
      case QEvent::MouseButtonDblClick:
      case QEvent::Wheel:
      case QEvent::Shortcut:
        return true;
      default:
        return false;
    }
  }
};

class QtStartup : public shell::StartupServices {
 public:
  explicit QtStartup(shell::Module1& module) : module_(module) {}

  bool TakeInstanceLock() override {
    // One lock per user, held until this process ends.
    QString directory = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (directory.isEmpty()) directory = QDir::tempPath();
    return lock_.Take(
        QFile::encodeName(directory + QStringLiteral("/quorvel-calculator.lock")).toStdString());
  }
  void ShowMessage(const std::string& text, const std::string& title) override {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok);
    box.exec();
  }
  std::string ProgramDirectory() override { return platform_.ProgramDirectory(); }
  std::string ConfigDirectory() override { return platform_.ConfigDirectory(); }
  void ShowSplash() override {
    splash_ = std::make_unique<SplashWindow>();
    splash_->show();
  }
  void DoEvents() override { QCoreApplication::processEvents(); }
  void PrepareMainWindow() override {
    model_ = std::make_unique<Form1>(platform_);
    shell::RegisterHandlers(*model_, module_);
    window_ = std::make_unique<Form1Window>(*model_, module_);
    platform_.SetMainWindow(window_.get());
    // Everything the first frame needs, done now: the native window, the
    // style's polish, the fonts and glyphs of the faces (a paint into a
    // pixmap that nobody sees).
    window_->winId();
    window_->grab();
  }
  void Wait(int milliseconds) override {
    InputSwallower swallower;
    qApp->installEventFilter(&swallower);
    // The time counts from the splash's first paint, the moment the user can
    // see it. A precise timer, checked against the clock: coarse timers may
    // fire early.
    const QElapsedTimer& shown = splash_->ShownSince();
    while (shown.elapsed() < milliseconds) {
      QEventLoop loop;
      QTimer::singleShot(static_cast<int>(milliseconds - shown.elapsed()), Qt::PreciseTimer, &loop,
                         &QEventLoop::quit);
      loop.exec(QEventLoop::ExcludeUserInputEvents);
    }
    qApp->removeEventFilter(&swallower);
  }
  void CloseSplash() override {
    if (splash_) splash_->close();
  }
  void ShowMainWindow() override {
    window_->Route([this] { shell::Form_Load(*model_, module_); });
    window_->show();
  }

 private:
  shell::Module1& module_;
  QtPlatform platform_;
  shell::InstanceLock lock_;
  std::unique_ptr<SplashWindow> splash_;
  std::unique_ptr<Form1> model_;
  std::unique_ptr<Form1Window> window_;
};

}  // namespace

int RunProgram() {
  shell::Module1 module;
  QtStartup startup(module);
  if (!shell::StartUp(module, startup)) return 0;
  return QApplication::exec();
}

}  // namespace quorvel::ui
