#include "shell/startup.h"

namespace quorvel::shell {

bool StartUp(Module1& m, StartupServices& services) {
  if (!services.TakeInstanceLock()) {
    services.ShowMessage(kAlreadyRunning, kAppTitle);
    return false;
  }
  services.ShowSplash();
  services.DoEvents();  // so that the splash is painted before the wait
  // The splash's time is the time to find the settings file and build the
  // main window in.
  m.ProgramDirectory = services.ProgramDirectory();
  ChooseSettingsFile(m, m.ProgramDirectory, services.ConfigDirectory());
  services.PrepareMainWindow();
  services.Wait(kSplashMilliseconds);
  services.CloseSplash();
  services.DoEvents();
  services.ShowMainWindow();
  return true;
}

}  // namespace quorvel::shell
