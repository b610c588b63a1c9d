#pragma once
// The About window: the program's identity, its links, the licence page of
// the help file and the system information tool. While it is open the main
// window takes no input.

#include <string>

#include "core/form1.h"

namespace quorvel::shell {

inline constexpr char kSysInfoUnavailable[] = "System Information Is Unavailable At This Time";

// Desktop programs that show system information, tried in this order where
// the system keeps no registry entry for one.
inline constexpr const char* kSystemInfoPrograms[] = {"kinfocenter", "gnome-system-monitor",
                                                      "hardinfo", "xfce4-taskmanager"};

struct AboutForm {
  explicit AboutForm(Form1& main_window) : main(main_window) {}

  Form1& main;
  // Captions as the window shows them.
  std::string Caption;
  std::string lblTitle, lblVersion, lblDescription, Label1Description, EmailLabel, HomePageLabel,
      lblDisclaimer, cmdOK, cmdSysInfo, CmdSLA;
  // The hyperlink labels: what they show and where they lead.
  std::string EmailHyperLinkCaption, EmailHyperLinkTarget;
  std::string HomePageHyperLinkCaption, HomePageHyperLinkTarget;
  bool Open = false;
};

void frmAbout_Load(AboutForm& about);
// The window closes, by OK or by its close box.
void frmAbout_Unload(AboutForm& about);
void CmdSLA_Click(AboutForm& about);
void cmdSysInfo_Click(AboutForm& about);
// Starts the system information tool, or says it is unavailable.
void StartSysInfo(Platform& platform);

}  // namespace quorvel::shell
