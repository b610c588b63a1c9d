#pragma once
// The real main window on the offscreen platform, with a recording platform
// behind the model, and helpers that find widgets by object name.

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <memory>

#include <string>
#include <vector>

#include "core/form1.h"
#include "shell/main_window.h"
#include "ui/form1_window.h"
#include "ui/qt_platform.h"

namespace quorvel::testing {

// The program's own platform, but message boxes are recorded, not shown.
class WindowTestPlatform : public ui::QtPlatform {
 public:
  struct Message {
    std::string text;
    std::string title;
  };
  void ShowMessage(const std::string& text, const std::string& title) override {
    messages.push_back({text, title});
  }
  // The build's program directory, where the help file lies, unless a test
  // moves it.
  std::string ProgramDirectory() override { return program_directory; }
  // Told of each progress report once the window has shown it.
  void Progress(std::size_t done, std::size_t total) override {
    ui::QtPlatform::Progress(done, total);
    if (on_progress) on_progress(done, total);
  }
  std::vector<Message> messages;
  std::string program_directory = QUORVEL_PROGRAM_DIR;
  std::function<void(std::size_t done, std::size_t total)> on_progress;
};

class WindowFixture {
 public:
  void Open() {
    platform = std::make_unique<WindowTestPlatform>();
    model = std::make_unique<Form1>(*platform);
    shell::RegisterHandlers(*model, module);
    window = std::make_unique<ui::Form1Window>(*model, module);
    platform->SetMainWindow(window.get());
    window->Route([this] { shell::Form_Load(*model, module); });
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get())) qFatal("the window did not become active");
  }
  void Close() {
    module = {};
    window.reset();
    model.reset();
    platform.reset();
  }

  template <class T = QWidget>
  T* Find(const char* name) {
    T* widget = window->findChild<T*>(QString::fromLatin1(name));
    if (!widget) qFatal("no widget %s", name);
    return widget;
  }
  QString Text(const char* box) { return Find<QLineEdit>(box)->text(); }
  QString Caption(const char* label) { return Find<QLabel>(label)->text(); }
  // Clicks the buttons named, separated by blanks, with the mouse.
  void Click(const char* names) {
    for (const QString& name : QString::fromLatin1(names).split(QLatin1Char(' '))) {
      auto* widget = window->findChild<QWidget*>(name);
      if (!widget) qFatal("no widget %s", qPrintable(name));
      QTest::mouseClick(widget, Qt::LeftButton);
    }
  }
  QWidget* Focused() { return QApplication::focusWidget(); }

  std::unique_ptr<WindowTestPlatform> platform;
  shell::Module1 module;  // no settings file unless a test names one
  std::unique_ptr<Form1> model;
  std::unique_ptr<ui::Form1Window> window;
};

}  // namespace quorvel::testing
