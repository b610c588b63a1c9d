#pragma once
// The program's start: one copy at a time, the splash window for three
// seconds, then the main window.

#include <string>

#include "shell/module1.h"

namespace quorvel::shell {

inline constexpr char kAlreadyRunning[] =
    "Another Quorvel Calculator already running, will quit this program.";
inline constexpr int kSplashMilliseconds = 3000;

// What start-up needs of the desktop.
class StartupServices {
 public:
  virtual ~StartupServices() = default;
  // Takes the single-instance lock; false when another copy holds it.
  virtual bool TakeInstanceLock() = 0;
  virtual void ShowMessage(const std::string& text, const std::string& title) = 0;
  virtual std::string ProgramDirectory() = 0;
  virtual std::string ConfigDirectory() = 0;
  virtual void ShowSplash() = 0;
  virtual void DoEvents() = 0;
  // Builds the main window, not yet loaded nor shown, while the splash
  // window is on screen.
  virtual void PrepareMainWindow() = 0;
  // Waits until the splash window has been shown for at least
  // `milliseconds`, without handling the user's input.
  virtual void Wait(int milliseconds) = 0;
  virtual void CloseSplash() = 0;
  // Loads the main window (its load sequence) and shows it.
  virtual void ShowMainWindow() = 0;
};

// Runs the start-up sequence; false when another copy is running and this
// one must end at once (nothing shown, nothing written).
bool StartUp(Module1& m, StartupServices& services);

}  // namespace quorvel::shell
