#include "ui/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QLocale>
#include <QMessageBox>

#include "ui/form1_window.h"

namespace quorvel::ui {

void QtPlatform::SetMainWindow(Form1Window* window) { window_ = window; }

void QtPlatform::ShowMessage(const std::string& text, const std::string& title) {
  if (window_) window_->Mirror();
  QString body = QString::fromStdString(text);
  body.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title), body, QMessageBox::Ok,
                  window_);
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

void QtPlatform::EndProgram() { QCoreApplication::exit(0); }

}  // namespace quorvel::ui
