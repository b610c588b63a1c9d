#pragma once
// Every service the model needs from the desktop goes through this interface:
// the window layer implements it, tests implement it with a recording fake.

#include <cstddef>
#include <optional>
#include <string>

#include "core/number_text.h"

namespace quorvel {

class Platform {
 public:
  virtual ~Platform() = default;

  // A modal message box with a single OK button and no icon.
  virtual void ShowMessage(const std::string& text, const std::string& title) = 0;
  // Lets the window events that are waiting run once, then returns.
  virtual void DoEvents() = 0;

  virtual void ClipboardClear() = 0;
  // Puts a text on the clipboard as plain text, marked as this program's
  // own.
  virtual void ClipboardSetText(const std::string& text) = 0;
  // The clipboard's plain text; empty when it holds none.
  virtual std::string ClipboardText() = 0;
  // Whether the clipboard's text is one this program put there: then its
  // numbers are written in the program's own form, whatever the user's
  // format.
  virtual bool ClipboardTextIsOwn() = 0;

  // Long work on the window's one thread (a long list pasted or read)
  // reports how far it has got: `done` of `total`, 0 first and `total` at
  // its end. The window shows the progress once the work has taken more
  // than a moment, and keeps painting meanwhile.
  virtual void Progress(std::size_t done, std::size_t total) = 0;
  // What the user asked for in one click or key, and the showing of its
  // result, may report its progress in several parts between these two:
  // the parts share one progress display, and the moment before it shows
  // counts from the first.
  virtual void BeginWork() = 0;
  virtual void EndWork() = 0;

  // The decimal and digit-group separators of the user's number format.
  virtual NumberFormat UserNumberFormat() = 0;

  // The directory that holds the program (and its files).
  virtual std::string ProgramDirectory() = 0;
  // The user's configuration directory (for the settings file when the
  // program's own directory cannot be written).
  virtual std::string ConfigDirectory() = 0;
  // Ends the program at once, without closing its windows first.
  virtual void EndProgram() = 0;

  // The main window's outer left and top edges on the screen, in twips.
  struct Position {
    double left = 0;
    double top = 0;
  };
  virtual Position MainWindowPosition() = 0;
  virtual void MoveMainWindow(Position position) = 0;

  // The help viewer: `command` 0 shows the topic path `topic` of the help
  // file, 1 shows the file's contents.
  virtual void HtmlHelp(const std::string& help_file, int command, const std::string& topic) = 0;
  // Shows the About window, without waiting for it.
  virtual void ShowAbout() = 0;

  // A string value of the system registry under HKEY_LOCAL_MACHINE; none
  // when the key or value is missing (always, where there is no registry).
  virtual std::optional<std::string> RegistryValue(const std::string& key,
                                                   const std::string& value) = 0;
  virtual bool FileExists(const std::string& path) = 0;
  // The full path of a program found on the search path.
  virtual std::optional<std::string> FindProgram(const std::string& name) = 0;
  // Starts a program in its own window, without waiting for it; false when
  // it cannot be started.
  virtual bool StartProgram(const std::string& path) = 0;
};

// One piece of work the user asked for, from its start to its end.
class WorkSpan {
 public:
  explicit WorkSpan(Platform& platform) : platform_(platform) { platform_.BeginWork(); }
  ~WorkSpan() { platform_.EndWork(); }
  WorkSpan(const WorkSpan&) = delete;
  WorkSpan& operator=(const WorkSpan&) = delete;

 private:
  Platform& platform_;
};

// Reports a loop over a long text to the platform: its start, a step now
// and then, and its end. A short text reports nothing, so that ordinary
// work pays nothing for it.
class ProgressMeter {
 public:
  ProgressMeter(Platform& platform, std::size_t total)
      : platform_(platform), total_(total >= kStep ? total : 0), next_(kStep) {
    if (total_ != 0) platform_.Progress(0, total_);
  }
  ~ProgressMeter() {
    if (total_ != 0) platform_.Progress(total_, total_);
  }
  ProgressMeter(const ProgressMeter&) = delete;
  ProgressMeter& operator=(const ProgressMeter&) = delete;

  // Cheap enough to call once a line.
  void At(std::size_t done) {
    if (done < next_ || total_ == 0) return;
    platform_.Progress(done < total_ ? done : total_ - 1, total_);
    next_ = done + kStep;
  }

 private:
  static constexpr std::size_t kStep = std::size_t{1} << 18;
  Platform& platform_;
  std::size_t total_;
  std::size_t next_;
};

}  // namespace quorvel
