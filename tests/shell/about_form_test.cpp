// The About window's logic: its texts, the main window's state while it is
// open, the licence page and the system information tool.

#include "shell/about_form.h"

#include <gtest/gtest.h>

#include "calculator_session.h"
#include "shell/help_routines.h"

namespace quorvel::shell {
namespace {

class About : public testing::CalculatorSession {
 protected:
  AboutForm about{f};
};

TEST_F(About, ShowsTheProgramsIdentityAndHoldsTheMainWindow) {
  frmAbout_Load(about);
  EXPECT_EQ(about.Caption, "About Quorvel Calculator");
  EXPECT_EQ(about.lblTitle, "Quorvel Calculator");
  EXPECT_EQ(about.lblVersion, "Version : 1.0.4");
  EXPECT_EQ(about.Label1Description, "Released Date : 17th Feb 2005");
  EXPECT_EQ(about.EmailLabel, "Email to : ");
  EXPECT_EQ(about.EmailHyperLinkTarget, "mailto:" + about.EmailHyperLinkCaption);
  EXPECT_EQ(about.HomePageLabel, "Home Page :");
  EXPECT_EQ(about.HomePageHyperLinkTarget, about.HomePageHyperLinkCaption);
  EXPECT_EQ(about.cmdSysInfo, "&System Info...");
  EXPECT_EQ(about.CmdSLA, "Read SLA");
  EXPECT_FALSE(f.Enabled);
  frmAbout_Unload(about);
  EXPECT_TRUE(f.Enabled);
}

TEST_F(About, ReadSlaOpensTheLicencePage) {
  platform.program_directory = "/usr/lib/quorvel-calculator";
  CmdSLA_Click(about);
  ASSERT_EQ(platform.help_calls.size(), 1u);
  EXPECT_EQ(platform.help_calls[0].file, "/usr/lib/quorvel-calculator/CalcHelp.chm");
  EXPECT_EQ(platform.help_calls[0].command, kHelpDisplayTopic);
  EXPECT_EQ(platform.help_calls[0].topic, "/html Docs/License Agreement.htm");
}

struct SysInfoCase {
  const char* name;
  std::map<std::string, std::string> registry;
  std::set<std::string> files;
  std::map<std::string, std::string> programs;
  bool startable;
  const char* started;  // "" when nothing is started
  bool message;
};

TEST_F(About, SystemInfoFollowsTheRegistryThenTheDesktop) {
  const std::string path_key = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO|PATH";
  const std::string location_key = "SOFTWARE\\Microsoft\\Shared Tools Location|MSINFO";
  const SysInfoCase cases[] = {
      {"path value",
       {{path_key, "C:\\Tools\\msinfo.exe"}},
       {},
       {},
       true,
       "C:\\Tools\\msinfo.exe",
       false},
      {"path value, start fails",
       {{path_key, "C:\\gone.exe"}},
       {},
       {},
       false,
       "C:\\gone.exe",
       true},
      {"location with the file",
       {{location_key, "C:\\MSINFO"}},
       {"C:\\MSINFO\\MSINFO32.EXE"},
       {},
       true,
       "C:\\MSINFO\\MSINFO32.EXE",
       false},
      {"location without the file", {{location_key, "C:\\MSINFO"}}, {}, {}, true, "", true},
      {"nothing at all", {}, {}, {}, true, "", true},
      {"desktop tools, in order",
       {},
       {},
       {{"hardinfo", "/usr/bin/hardinfo"}, {"gnome-system-monitor", "/usr/bin/gsm"}},
       true,
       "/usr/bin/gsm",
       false},
      {"desktop tool fails",
       {},
       {},
       {{"kinfocenter", "/usr/bin/kinfocenter"}},
       false,
       "/usr/bin/kinfocenter",
       true},
  };
  for (const auto& c : cases) {
    platform.registry = c.registry;
    platform.files = c.files;
    platform.programs_on_path = c.programs;
    platform.startable = c.startable;
    platform.started.clear();
    platform.messages.clear();
    cmdSysInfo_Click(about);
    if (*c.started) {
      ASSERT_EQ(platform.started.size(), 1u) << c.name;
      EXPECT_EQ(platform.started[0], c.started) << c.name;
    } else {
      EXPECT_TRUE(platform.started.empty()) << c.name;
    }
    ASSERT_EQ(platform.messages.size(), c.message ? 1u : 0u) << c.name;
    if (c.message) {
      EXPECT_EQ(platform.messages[0].text, "System Information Is Unavailable At This Time");
      EXPECT_EQ(platform.messages[0].title, "Quorvel Calculator");
    }
  }
}

}  // namespace
}  // namespace quorvel::shell
