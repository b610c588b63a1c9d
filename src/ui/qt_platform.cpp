#include "ui/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QMimeData>
#include <QProcess>
#include <QStandardPaths>
#include <QWindow>
#include <cmath>

#include "core/controls.h"
#include "core/identity.h"
#include "shell/help_routines.h"
#include "ui/about_window.h"
#include "ui/form1_window.h"
#include "ui/frame_placement.h"
#include "ui/help_process.h"
#include "ui/work_progress.h"

namespace quorvel::ui {

QtPlatform::QtPlatform() : help_viewers_(std::make_unique<QObject>()) {}

QtPlatform::~QtPlatform() {
  // Viewers still open end with the program, and nothing is said about them.
  for (QProcess* viewer : help_viewers_->findChildren<QProcess*>()) {
    viewer->disconnect();
    viewer->kill();
    viewer->waitForFinished(1000);
  }
}

void QtPlatform::SetMainWindow(Form1Window* window) { window_ = window; }

void QtPlatform::ShowMessage(const std::string& text, const std::string& title) {
  // A message never stands behind a progress dialog of finished work.
  EndProgress();
  if (window_) window_->Mirror();
  QString body = QString::fromStdString(text);
  body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  // A message belongs to the window the user is working in: About while it
  // is open (its System Info button asks), the main window otherwise.
  QWidget* owner = about_ && about_->isVisible() ? static_cast<QWidget*>(about_) : window_;
  QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), body, QMessageBox::Ok, owner);
  box.exec();
}

void QtPlatform::DoEvents() {
  // The handler lets the user in: no progress dialog blocks the way.
  EndProgress();
  if (window_) window_->Mirror();
  QCoreApplication::processEvents();
}

void QtPlatform::ClipboardClear() { QGuiApplication::clipboard()->clear(); }

namespace {

// Beside the plain text, the program's own copies carry the same text under
// this type, so that a paste can tell them from text written elsewhere in
// the user's number format.
const QString kOwnTextType = QStringLiteral("application/x-quorvel-calculator-text");

}  // namespace

void QtPlatform::ClipboardSetText(const std::string& text) {
  auto* data = new QMimeData;
  const QString plain = QString::fromStdString(text);
  data->setText(plain);
  data->setData(kOwnTextType, plain.toUtf8());
  QGuiApplication::clipboard()->setMimeData(data);
}

std::string QtPlatform::ClipboardText() {
  return QGuiApplication::clipboard()->text().toStdString();
}

bool QtPlatform::ClipboardTextIsOwn() {
  const QMimeData* data = QGuiApplication::clipboard()->mimeData();
  // Another program may have taken the clipboard since: the mark counts only
  // with the very text it was put there with.
  return data && data->hasFormat(kOwnTextType) && data->hasText() &&
         data->data(kOwnTextType) == data->text().toUtf8();
}

void QtPlatform::Progress(std::size_t done, std::size_t total) {
  if (done >= total) {
    // Within one piece of work the next part may follow at once: the
    // dialog stays until the whole is done.
    if (work_depth_ == 0) EndProgress();
    return;
  }
  if (!work_clock_.isValid() || (done == 0 && work_depth_ == 0)) work_clock_.start();
  if (!progress_) {
    if (work_clock_.elapsed() < progress_after_ms_) return;
    progress_ = std::make_unique<WorkProgress>(window_);
    progress_->show();
  }
  progress_->ShowProgress(done, total);
  // Painting and the like, but no input: the model is in the middle of a
  // handler.
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void QtPlatform::BeginWork() { ++work_depth_; }

void QtPlatform::EndWork() {
  if (work_depth_ > 0 && --work_depth_ == 0) EndProgress();
}

void QtPlatform::EndProgress() {
  if (progress_) {
    const bool was_active = progress_->isActiveWindow();
    progress_.reset();
    // The user goes back to the window the dialog stood over.
    if (was_active && window_) window_->activateWindow();
  }
  work_clock_.invalidate();
}

void QtPlatform::SetProgressDelay(qint64 milliseconds) { progress_after_ms_ = milliseconds; }

NumberFormat QtPlatform::UserNumberFormat() {
  // The default locale is the system's unless the program (or a test) has
  // set another.
  const QLocale locale;
  return NumberFormat{locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

std::string QtPlatform::ProgramDirectory() {
  return QCoreApplication::applicationDirPath().toStdString();
}

std::string QtPlatform::ConfigDirectory() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
}

void QtPlatform::EndProgram() { QCoreApplication::exit(0); }

// Positions are twips of the window's outer frame.
Platform::Position QtPlatform::MainWindowPosition() {
  if (!window_) return {};
  const QPoint frame = window_->pos();
  return {frame.x() * double{kTwipsPerPixel}, frame.y() * double{kTwipsPerPixel}};
}

void QtPlatform::MoveMainWindow(Position position) {
  if (!window_) return;
  const int x = static_cast<int>(std::lround(position.left / kTwipsPerPixel));
  const int y = static_cast<int>(std::lround(position.top / kTwipsPerPixel));
  const QPoint placed = FramePositionWithTitleBarOnScreen(*window_, QPoint(x, y));
  window_->move(placed);
  // The native window is made early, while the splash shows, and before its
  // first show the window manager has not framed it: Qt would take the
  // position for the client area then, and every restart would put the
  // window one title bar higher. Saying that the position is the frame's
  // makes the window manager put the frame's corner there. The native
  // window gets the widget's size first: were the two to differ, showing
  // the window would set its geometry again, as the client area's.
  if (QWindow* native = window_->windowHandle(); native && !window_->isVisible()) {
    native->resize(window_->size());
    native->setFramePosition(placed);
  }
  // The frame's real size is known only once the window manager has framed
  // the window; the title bar is checked again then.
  if (!FrameKnown(*window_)) CheckTitleBarWhenFramed(*window_, QPoint(x, y));
}

// Our own viewer stands in for the system's HTML help viewer. It runs in a
// process of its own and reports a missing file or page in its own window;
// only when it finds the file damaged, or dies on it, does the calculator
// say anything. Each request starts one viewer.
void QtPlatform::HtmlHelp(const std::string& help_file, int command, const std::string& topic) {
  QStringList arguments = help_arguments_;
  if (help_program_.isEmpty()) arguments = {QString::fromLatin1(kHelpViewerSwitch)};
  arguments << QString::fromStdString(help_file);
  if (command == shell::kHelpDisplayContents) {
    arguments << QString::fromLatin1(kHelpContentsRequest);
  } else {
    arguments << QString::fromLatin1(kHelpTopicRequest) << QString::fromStdString(topic);
  }
  auto* viewer = new QProcess(help_viewers_.get());
  viewer->setProgram(help_program_.isEmpty() ? QCoreApplication::applicationFilePath()
                                             : help_program_);
  viewer->setArguments(arguments);
  viewer->setProcessChannelMode(QProcess::ForwardedChannels);
  QObject::connect(viewer, &QProcess::finished, help_viewers_.get(),
                   [this, viewer](int exit_code, QProcess::ExitStatus status) {
                     viewer->deleteLater();
                     // A viewer ends with 0 when its window closes. Any
                     // other end but a misused switch means it failed on
                     // the file: a signal, our code for a damaged file, or a
                     // sanitizer's exit code in an instrumented build.
                     const bool failed = status == QProcess::CrashExit ||
                                         (exit_code != 0 && exit_code != kHelpUsageExitCode);
                     if (failed) {
                       ShowMessage(kHelpDamagedMessage, kAppTitle);
                     }
                   });
  // A viewer that cannot start is ignored, as help errors are.
  QObject::connect(viewer, &QProcess::errorOccurred, help_viewers_.get(),
                   [viewer](QProcess::ProcessError error) {
                     if (error == QProcess::FailedToStart) viewer->deleteLater();
                   });
  viewer->start();
}

void QtPlatform::SetHelpViewerProgram(const QString& program,
                                      const QStringList& leading_arguments) {
  help_program_ = program;
  help_arguments_ = leading_arguments;
}

bool QtPlatform::HelpViewerRunning() const {
  for (const QProcess* viewer : help_viewers_->findChildren<QProcess*>()) {
    if (viewer->state() != QProcess::NotRunning) return true;
  }
  return false;
}

void QtPlatform::ShowAbout() {
  if (!window_) return;
  if (!about_) {
    about_ = new AboutWindow(
        window_->model(),
        [this] {
          if (window_) window_->Mirror();
        },
        window_);
  }
  about_->Open();
}

// This system keeps no registry; the About window falls back on the
// desktop's own programs.
std::optional<std::string> QtPlatform::RegistryValue(const std::string&, const std::string&) {
  return std::nullopt;
}

bool QtPlatform::FileExists(const std::string& path) {
  return QFileInfo(QString::fromStdString(path)).isFile();
}

std::optional<std::string> QtPlatform::FindProgram(const std::string& name) {
  const QString found = QStandardPaths::findExecutable(QString::fromStdString(name));
  if (found.isEmpty()) return std::nullopt;
  return found.toStdString();
}

bool QtPlatform::StartProgram(const std::string& path) {
  return QProcess::startDetached(QString::fromStdString(path), {});
}

}  // namespace quorvel::ui
