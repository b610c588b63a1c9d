#include "shell/startup.h"

namespace quorvel::shell {

bool StartUp(Module1& m, StartupServices& services) {
  if (!services.TakeInstanceLock()) {
    services.ShowMessage(kAlreadyRunning, kAppTitle);
    return false;
  }
  m.ProgramDirectory = services.ProgramDirectory();
  m.SettingsFile = ChooseSettingsFile(m.ProgramDirectory, services.ConfigDirectory());
  services.ShowSplash();
  services.DoEvents();  // so that the splash is painted before the wait
  services.Wait(kSplashMilliseconds);
  services.CloseSplash();
  services.DoEvents();
  services.ShowMainWindow();
  return true;
}

}  // namespace quorvel::shell
