// Where the settings go when the program's folder, its settings file or the
// configuration folder may not be written: run as an ordinary user (see
// run_unprivileged.sh), since permissions never stop root.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <string>

#include "save_interrupted.h"
#include "shell/module1.h"
#include "temp_dir.h"

namespace quorvel::shell {
namespace {

namespace fs = std::filesystem;
using testing::TempDir;

constexpr char kInstalled[] = "[System]\r\nXPosition= 1500\r\nYPosition= 900\r\nColour=Blue\r\n";
constexpr char kSaved[] = "[System]\r\nXPosition= 300\r\nYPosition= 600\r\nColour=Blue\r\n";
constexpr char kSavedUnread[] = "[System]\r\nXPosition= 300\r\nYPosition= 600\r\n";

constexpr int kNoFile = -1;

class Permissions : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(::geteuid(), 0u) << "these cases test nothing as root: ctest runs them as nobody";
  }
  ~Permissions() override { MakeRemovable(); }

  // A program folder with a settings file beside the program, and a
  // configuration folder, of the given permissions.
  void Prepare(int folder_mode, int file_mode, int config_mode) {
    MakeRemovable();
    fs::remove_all(program);
    fs::remove_all(config);
    fs::create_directory(program);
    fs::create_directory(config);
    if (file_mode != kNoFile) {
      TempDir::Write(beside, kInstalled);
      ::chmod(beside.c_str(), static_cast<mode_t>(file_mode));
    }
    ::chmod(program.c_str(), static_cast<mode_t>(folder_mode));
    ::chmod(config.c_str(), static_cast<mode_t>(config_mode));
  }
  void MakeRemovable() {
    for (const std::string& path : {program, config, config + "/QuorvelCalc"}) {
      ::chmod(path.c_str(), 0700);
    }
  }
  // A start: the settings file chosen and read, the window placed first at
  // 777, 555.
  Module1 Start() {
    Module1 m;
    m.SavedLeft = 777;
    m.SavedTop = 555;
    ChooseSettingsFile(m, program, config);
    ReadSettings(m);
    return m;
  }
  static int Mode(const std::string& path) {
    struct stat status {};
    return ::stat(path.c_str(), &status) == 0 ? static_cast<int>(status.st_mode & 07777) : kNoFile;
  }
  // The permissions of a file the user creates.
  static int NewFileMode() {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~static_cast<int>(mask);
  }
  // The file's content, read even if its permissions forbid it.
  static std::string Content(const std::string& path) {
    const int mode = Mode(path);
    ::chmod(path.c_str(), 0600);
    std::string content = TempDir::Read(path);
    ::chmod(path.c_str(), static_cast<mode_t>(mode));
    return content;
  }

  TempDir dir;
  const std::string program = dir / "program";
  const std::string config = dir / "config";
  const std::string beside = program + "/QuorvelCalc.ini";
  const std::string fallback = config + "/QuorvelCalc/QuorvelCalc.ini";
};

TEST_F(Permissions, ThePositionIsReadAndSavedWithoutTouchingWhatTheUserProtected) {
  const struct {
    const char* what;
    int folder_mode;  // the program's folder
    int file_mode;    // the settings file beside the program
    int config_mode;  // the configuration folder
    bool kept_beside;
    bool position_read;
    bool saved;
  } cases[] = {
      {"writable folder and file", 0755, 0644, 0755, true, true, true},
      {"writable folder, no file yet", 0755, kNoFile, 0755, true, false, true},
      {"read-only folder, writable file", 0555, 0644, 0755, false, true, true},
      {"read-only folder, no file yet", 0555, kNoFile, 0755, false, false, true},
      {"unreadable file", 0755, 0000, 0755, false, false, true},
      {"write-only file", 0755, 0200, 0755, false, false, true},
      {"read-only file", 0755, 0444, 0755, false, true, true},
      {"read-only folder and file", 0555, 0444, 0755, false, true, true},
      {"unwritable configuration folder", 0755, 0644, 0555, true, true, true},
      {"read-only folder and file, unwritable configuration folder", 0555, 0444, 0555, false, true,
       false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    Prepare(c.folder_mode, c.file_mode, c.config_mode);
    Module1 m = Start();
    EXPECT_EQ(m.SettingsFile, c.kept_beside ? beside : fallback);
    EXPECT_EQ(m.PositionRead, c.position_read);
    EXPECT_EQ(m.SavedLeft, c.position_read ? 1500 : 777);
    EXPECT_EQ(m.SavedTop, c.position_read ? 900 : 555);

    EXPECT_EQ(WriteSettings(m, 300, 600), c.saved);
    const char* saved = c.position_read ? kSaved : kSavedUnread;
    if (c.kept_beside) {
      EXPECT_EQ(Content(beside), saved);
      EXPECT_EQ(Mode(beside), c.file_mode == kNoFile ? NewFileMode() : c.file_mode);
      EXPECT_FALSE(fs::exists(config + "/QuorvelCalc"));
    } else {
      // The file beside the program is as it was, permissions and all.
      EXPECT_EQ(Mode(beside), c.file_mode);
      if (c.file_mode != kNoFile) EXPECT_EQ(Content(beside), kInstalled);
      if (c.saved) {
        EXPECT_EQ(TempDir::Read(fallback), saved);
      } else {
        EXPECT_FALSE(fs::exists(fallback));
      }
    }

    // The next start finds the position saved, or else the installed one.
    Module1 next = Start();
    EXPECT_EQ(next.SettingsFile, m.SettingsFile);
    EXPECT_EQ(next.SavedLeft, c.saved ? 300 : 1500);
    EXPECT_EQ(next.SavedTop, c.saved ? 600 : 900);
  }
}

TEST_F(Permissions, AKilledSaveInAReadOnlyFolderLeavesEveryFileWhole) {
  // An installed copy whose settings file its user may write: the file is
  // never rewritten in place, so no moment of the save can cut it short.
  for (const bool first_save : {true, false}) {
    for (const SaveStep step : testing::kEverySaveStep) {
      SCOPED_TRACE(std::to_string(first_save) + " " + std::to_string(static_cast<int>(step)));
      Prepare(0555, 0644, 0755);
      if (!first_save) {
        Module1 earlier = Start();
        ASSERT_TRUE(WriteSettings(earlier, 100, 200));
      }
      const std::string before = TempDir::Read(fallback);
      Module1 m = Start();
      ASSERT_TRUE(testing::SaveKilledAfter(m, 300, 600, step));
      EXPECT_EQ(Content(beside), kInstalled);
      if (step == SaveStep::kReplaced) {
        EXPECT_EQ(TempDir::Read(fallback), kSaved);
      } else if (first_save) {
        EXPECT_FALSE(fs::exists(fallback));
      } else {
        EXPECT_EQ(TempDir::Read(fallback), before);
      }
      // Whatever the moment, the next start reads a whole file.
      Module1 next = Start();
      EXPECT_TRUE(next.PositionRead);
    }
  }
}

}  // namespace
}  // namespace quorvel::shell
