#include "ui/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QStandardPaths>
#include <QWindow>
#include <cmath>

#include "shell/help_routines.h"
#include "ui/about_window.h"
#include "ui/form1_window.h"
#include "ui/frame_placement.h"
#include "ui/help_viewer.h"

namespace quorvel::ui {

QtPlatform::QtPlatform() = default;
QtPlatform::~QtPlatform() = default;

void QtPlatform::SetMainWindow(Form1Window* window) { window_ = window; }

void QtPlatform::ShowMessage(const std::string& text, const std::string& title) {
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
  if (window_) window_->Mirror();
  QCoreApplication::processEvents();
}

void QtPlatform::ClipboardClear() { QGuiApplication::clipboard()->clear(); }

void QtPlatform::ClipboardSetText(const std::string& text) {
  QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

std::string QtPlatform::ClipboardText() {
  return QGuiApplication::clipboard()->text().toStdString();
}

NumberFormat QtPlatform::UserNumberFormat() {
  const QLocale locale = QLocale::system();
  return NumberFormat{locale.decimalPoint().toStdString(), locale.groupSeparator().toStdString()};
}

std::string QtPlatform::ProgramDirectory() {
  return QCoreApplication::applicationDirPath().toStdString();
}

std::string QtPlatform::ConfigDirectory() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation).toStdString();
}

void QtPlatform::EndProgram() { QCoreApplication::exit(0); }

// Positions are twips, 15 to a logical pixel, of the window's outer frame.
Platform::Position QtPlatform::MainWindowPosition() {
  if (!window_) return {};
  const QPoint frame = window_->pos();
  return {frame.x() * 15.0, frame.y() * 15.0};
}

void QtPlatform::MoveMainWindow(Position position) {
  if (!window_) return;
  const int x = static_cast<int>(std::lround(position.left / 15));
  const int y = static_cast<int>(std::lround(position.top / 15));
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
  if (!FrameKnown(*window_)) CheckTitleBarWhenFramed(*window_);
}

// Our own viewer stands in for the system's HTML help viewer. It reports a
// missing file or page in its own window; nothing comes back here.
void QtPlatform::HtmlHelp(const std::string& help_file, int command, const std::string& topic) {
  if (!help_) help_ = std::make_unique<HelpViewer>();
  if (command == shell::kHelpDisplayContents) {
    help_->ShowContents(help_file);
  } else {
    help_->ShowTopic(help_file, topic);
  }
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
