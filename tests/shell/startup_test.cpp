// Start-up, the main window's load and its two ways of ending.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calculator_session.h"
#include "shell/help_routines.h"
#include "shell/main_window.h"
#include "shell/startup.h"
#include "temp_dir.h"

namespace quorvel::shell {
namespace {

using testing::TempDir;

class RecordingStartup : public StartupServices {
 public:
  bool TakeInstanceLock() override {
    calls.push_back("lock");
    return lock_free;
  }
  void ShowMessage(const std::string& text, const std::string& title) override {
    calls.push_back("message " + text + " | " + title);
  }
  std::string ProgramDirectory() override { return program_directory; }
  std::string ConfigDirectory() override { return "/nonexistent/config"; }
  void ShowSplash() override { calls.push_back("splash"); }
  void DoEvents() override { calls.push_back("events"); }
  void PrepareMainWindow() override { calls.push_back("prepare"); }
  void Wait(int milliseconds) override { calls.push_back("wait " + std::to_string(milliseconds)); }
  void CloseSplash() override { calls.push_back("close splash"); }
  void ShowMainWindow() override { calls.push_back("main window"); }

  bool lock_free = true;
  std::string program_directory;
  std::vector<std::string> calls;
};

TEST(StartUp, ShowsTheSplashForThreeSecondsThenTheMainWindow) {
  TempDir dir;
  RecordingStartup services;
  services.program_directory = dir.path().string();
  Module1 m;
  EXPECT_TRUE(StartUp(m, services));
  const std::vector<std::string> expected = {"lock",      "splash",       "events", "prepare",
                                             "wait 3000", "close splash", "events", "main window"};
  EXPECT_EQ(services.calls, expected);
  EXPECT_EQ(m.SettingsFile, dir / "QuorvelCalc.ini");
}

TEST(StartUp, SecondCopyTellsTheUserAndEnds) {
  RecordingStartup services;
  services.lock_free = false;
  Module1 m;
  EXPECT_FALSE(StartUp(m, services));
  const std::vector<std::string> expected = {
      "lock",
      "message Another Quorvel Calculator already running, will quit this program. | Quorvel "
      "Calculator"};
  EXPECT_EQ(services.calls, expected);
  EXPECT_TRUE(m.SettingsFile.empty());
}

class MainWindowLife : public testing::CalculatorSession {
 protected:
  MainWindowLife() { module.SettingsFile = dir / "QuorvelCalc.ini"; }
  TempDir dir;
};

TEST_F(MainWindowLife, LoadPutsTheWindowWhereTheFileSays) {
  TempDir::Write(module.SettingsFile, "[System]\r\nXPosition= 1500\r\nYPosition= 900\r\n");
  platform.moves = 0;
  Form_Load(f, module);
  EXPECT_EQ(platform.moves, 1);
  EXPECT_EQ(platform.window_position.left, 1500);
  EXPECT_EQ(platform.window_position.top, 900);
}

TEST_F(MainWindowLife, WithoutASavedPositionTheWindowStaysWhereItWasPlaced) {
  TempDir::Write(module.SettingsFile, "[System]\r\nColour=Blue\r\n");
  platform.moves = 0;
  Form_Load(f, module);
  EXPECT_EQ(platform.moves, 0);
}

TEST_F(MainWindowLife, OnlyOneSavedKeyKeepsTheOtherEdge) {
  TempDir::Write(module.SettingsFile, "YPosition=300\r\n");
  platform.window_position = {4500, 1200.4};
  Form_Load(f, module);
  EXPECT_EQ(platform.window_position.left, 4500);
  EXPECT_EQ(platform.window_position.top, 300);
}

TEST_F(MainWindowLife, ClosingSavesThePositionOfThatMoment) {
  platform.window_position = {-1200, 450};
  Form_Unload(f, module);
  EXPECT_EQ(TempDir::Read(module.SettingsFile),
            "[System]\r\nXPosition=-1200\r\nYPosition= 450\r\n");
  EXPECT_TRUE(f.Unloading);
  EXPECT_EQ(platform.end_program_calls, 0);
}

TEST_F(MainWindowLife, ExitSavesOnceAndEndsAtOnce) {
  platform.window_position = {300, 600};
  f.RaiseClick(Ctl::MenuExit);
  EXPECT_EQ(TempDir::Read(module.SettingsFile), "[System]\r\nXPosition= 300\r\nYPosition= 600\r\n");
  EXPECT_EQ(platform.end_program_calls, 1);
  f.ButtonClick(Ctl::Toolbar1, "Exit");
  EXPECT_EQ(platform.end_program_calls, 2);
}

TEST_F(MainWindowLife, HelpTopicsOpensTheHelpFileOnItsContents) {
  platform.program_directory = "/opt/quorvel calc";
  f.RaiseClick(Ctl::MenuHelpTopics);
  f.ButtonClick(Ctl::Toolbar1, "Help");
  ASSERT_EQ(platform.help_calls.size(), 2u);
  for (const auto& call : platform.help_calls) {
    EXPECT_EQ(call.file, "/opt/quorvel calc/CalcHelp.chm");
    EXPECT_EQ(call.command, kHelpDisplayContents);
    EXPECT_EQ(call.topic, "");
  }
  ShowHelpPage(platform, "License Agreement.htm");
  EXPECT_EQ(platform.help_calls.back().command, kHelpDisplayTopic);
  EXPECT_EQ(platform.help_calls.back().topic, "/html Docs/License Agreement.htm");
  EXPECT_EQ(platform.about_shown, 0);
  f.RaiseClick(Ctl::MenuAbout);
  EXPECT_EQ(platform.about_shown, 1);
  EXPECT_EQ(f.Focused(), Ctl::Text1);
}

}  // namespace
}  // namespace quorvel::shell
