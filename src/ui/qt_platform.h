#pragma once
// The desktop services of the model, provided by Qt.

#include <QElapsedTimer>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <memory>

#include "core/platform.h"

namespace quorvel::ui {

class AboutWindow;
class Form1Window;
class WorkProgress;

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
  bool ClipboardTextIsOwn() override;
  void Progress(std::size_t done, std::size_t total) override;
  void BeginWork() override;
  void EndWork() override;
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

  // The help viewer is this program with the viewer's switch, unless another
  // program (one that runs the same viewer) is named here.
  void SetHelpViewerProgram(const QString& program, const QStringList& leading_arguments);
  // Whether a viewer this platform started is still running.
  bool HelpViewerRunning() const;

  // How long work runs before its progress dialog shows (200 ms).
  void SetProgressDelay(qint64 milliseconds);

 private:
  QPointer<Form1Window> window_;
  // Made when first asked for, so that start-up does not pay for it.
  QPointer<AboutWindow> about_;  // the main window's
  // Long work: timed from its start; the dialog once it takes a while.
  void EndProgress();
  QElapsedTimer work_clock_;
  qint64 progress_after_ms_ = 200;
  int work_depth_ = 0;
  std::unique_ptr<WorkProgress> progress_;
  // The viewers' processes are its children, watched until they end.
  std::unique_ptr<QObject> help_viewers_;
  QString help_program_;
  QStringList help_arguments_;
};

}  // namespace quorvel::ui
