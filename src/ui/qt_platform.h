#pragma once
// The desktop services of the model, provided by Qt.

#include <QPointer>
#include <QWidget>
#include <memory>

#include "core/platform.h"

namespace quorvel::ui {

class AboutWindow;
class Form1Window;
class HelpViewer;

class QtPlatform : public Platform {
 public:
  QtPlatform();
  ~QtPlatform() override;
  // Message boxes open over this window, and letting events run first
  // mirrors the model into it so the user sees the state of the moment.
  void SetMainWindow(Form1Window* window);

  void ShowMessage(const std::string& text, const std::string& title) override;
  void DoEvents() override;
  void ClipboardClear() override;
  void ClipboardSetText(const std::string& text) override;
  std::string ClipboardText() override;
  NumberFormat UserNumberFormat() override;
  std::string ProgramDirectory() override;
  std::string ConfigDirectory() override;
  void EndProgram() override;
  Position MainWindowPosition() override;
  void MoveMainWindow(Position position) override;
  void HtmlHelp(const std::string& help_file, int command, const std::string& topic) override;
  void ShowAbout() override;
  std::optional<std::string> RegistryValue(const std::string& key,
                                           const std::string& value) override;
  bool FileExists(const std::string& path) override;
  std::optional<std::string> FindProgram(const std::string& name) override;
  bool StartProgram(const std::string& path) override;

 private:
  QPointer<Form1Window> window_;
  // Made when first asked for, so that start-up does not pay for it.
  QPointer<AboutWindow> about_;  // the main window's
  std::unique_ptr<HelpViewer> help_;
};

}  // namespace quorvel::ui
