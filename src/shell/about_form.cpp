#include "shell/about_form.h"

#include "core/platform.h"
#include "shell/help_routines.h"
#include "shell/module1.h"
#include "shell/version.h"

namespace quorvel::shell {

void frmAbout_Load(AboutForm& about) {
  about.Caption = std::string("About ") + kAppTitle;
  about.lblTitle = kAppTitle;
  about.lblVersion = kVersionText;
  about.lblDescription = kDescription;
  about.Label1Description = std::string("Released Date : ") + kReleaseDateText;
  about.EmailLabel = "Email to : ";
  about.EmailHyperLinkTarget = std::string("mailto:") + kContactEmail;
  about.EmailHyperLinkCaption = kContactEmail;
  about.HomePageLabel = "Home Page :";
  about.HomePageHyperLinkTarget = kHomePage;
  about.HomePageHyperLinkCaption = kHomePage;
  about.lblDisclaimer = "";
  about.cmdOK = "OK";
  about.cmdSysInfo = "&System Info...";
  about.CmdSLA = "Read SLA";
  about.Open = true;
  about.main.Enabled = false;
}

void frmAbout_Unload(AboutForm& about) {
  about.Open = false;
  about.main.Enabled = true;
}

void CmdSLA_Click(AboutForm& about) { ShowHelpPage(about.main.platform, "License Agreement.htm"); }

void cmdSysInfo_Click(AboutForm& about) { StartSysInfo(about.main.platform); }

void StartSysInfo(Platform& platform) {
  std::string tool;
  if (std::optional<std::string> path =
          platform.RegistryValue("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH")) {
    tool = *path;
  } else if (std::optional<std::string> directory =
                 platform.RegistryValue("SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO")) {
    if (platform.FileExists(*directory + "\\MSINFO32.EXE")) tool = *directory + "\\MSINFO32.EXE";
  } else {
    // No registry here: the desktop's own system information program.
    for (const char* name : kSystemInfoPrograms) {
      if (std::optional<std::string> found = platform.FindProgram(name)) {
        tool = *found;
        break;
      }
    }
  }
  if (tool.empty() || !platform.StartProgram(tool)) {
    platform.ShowMessage(kSysInfoUnavailable, kAppTitle);
  }
}

}  // namespace quorvel::shell
