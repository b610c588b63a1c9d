// The settings file, read and written on real files.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <string>

#include "save_interrupted.h"
#include "shell/module1.h"
#include "temp_dir.h"

namespace quorvel::shell {
namespace {

using testing::TempDir;

class SettingsFile : public ::testing::Test {
 protected:
  SettingsFile() {
    m.SettingsFile = dir / "QuorvelCalc.ini";
    m.SavedLeft = 777;  // where the desktop placed the window
    m.SavedTop = 555;
  }
  void ReadFrom(const std::string& content) {
    TempDir::Write(m.SettingsFile, content);
    ReadSettings(m);
  }
  std::string Written() { return TempDir::Read(m.SettingsFile); }

  TempDir dir;
  Module1 m;
};

TEST_F(SettingsFile, FirstRunWritesThreeLines) {
  ReadSettings(m);
  EXPECT_TRUE(m.SettingsLines.empty());
  EXPECT_FALSE(m.PositionRead);
  EXPECT_EQ(m.SavedLeft, 777);
  ASSERT_TRUE(WriteSettings(m, 2400, -300));
  EXPECT_EQ(Written(), "[System]\r\nXPosition= 2400\r\nYPosition=-300\r\n");
}

struct ReadCase {
  const char* content;
  double left;
  int top;
};

TEST_F(SettingsFile, ReadsPositionKeysAnywhere) {
  const ReadCase cases[] = {
      {"[System]\r\nXPosition= 1500\r\nYPosition= 900\r\n", 1500, 900},
      {"xposition=1500\r\nYPOSITION=20", 1500, 20},
      {"XPosition = 1500\r\n", 777, 555},  // the key holds a blank
      {"XPosition=1500abc\r\n", 1500, 555},
      {"XPosition=\r\n", 0, 555},
      {"XPosition=abc\r\n", 0, 555},
      {"XPosition=1\r\nXPosition=2\r\n", 2, 555},
      {"YPosition=900.5", 777, 900},
      {"YPosition=901.5", 777, 902},
      {"[Other]\r\nXPosition=-1200\r\n", -1200, 555},
      {"XPosition=1=2\r\n", 1, 555},
      {"YPosition=99999\r\n", 777, 32767},
      {"YPosition=-1e30\r\n", 777, -32768},
      {"XPosition=1e300\r\n", 32767.0 * 15, 555},
      {"XPosition=10\rYPosition=20", 10, 20},    // CR alone ends a line
      {"XPosition=10\nYPosition=20\n", 10, 20},  // so does LF, as in files of this system
      {"YPosition=&H10", 777, 16},
  };
  for (const auto& c : cases) {
    m.SavedLeft = 777;
    m.SavedTop = 555;
    ReadFrom(c.content);
    EXPECT_EQ(m.SavedLeft, c.left) << c.content;
    EXPECT_EQ(m.SavedTop, c.top) << c.content;
  }
}

TEST_F(SettingsFile, KeepsOtherLinesAndDropsThoseThatMentionAKey) {
  ReadFrom(
      "[Other]\r\nColour=Blue\r\n\r\n[SYSTEM]\r\nXPosition= 10\r\n   \r\nOldXPosition=5\r\n"
      "XPosition = 7\r\nTheme=dark");
  EXPECT_EQ(m.SavedLeft, 10);
  ASSERT_TRUE(WriteSettings(m, 150, 90));
  EXPECT_EQ(Written(),
            "[System]\r\nXPosition= 150\r\nYPosition= 90\r\n[Other]\r\nColour=Blue\r\n   \r\n"
            "Theme=dark\r\n");
  // Read back, the program finds what it wrote.
  ReadSettings(m);
  EXPECT_EQ(m.SavedLeft, 150);
  EXPECT_EQ(m.SavedTop, 90);
}

TEST_F(SettingsFile, WritesNumbersWithSevenDigitsAtMost) {
  const struct {
    double value;
    const char* text;
  } cases[] = {{2400, " 2400"},
               {-300, "-300"},
               {0, " 0"},
               {-0.0, " 0"},
               {1500.5, " 1500.5"},
               {1234567.8, " 1234568"},
               {12345678, " 1.234568E+07"},
               {-45, "-45"}};
  for (const auto& c : cases) EXPECT_EQ(SettingsNumberText(c.value), c.text) << c.value;
}

TEST_F(SettingsFile, SurvivesStrangeFiles) {
  // Binary garbage, NULs included, and no line break at the end.
  std::string garbage;
  for (int i = 0; i < 256; ++i) garbage += static_cast<char>(i);
  ReadFrom(garbage + "\r\nXPosition=42");
  EXPECT_EQ(m.SavedLeft, 42);
  EXPECT_TRUE(WriteSettings(m, 1, 2));
  const std::string written = Written();
  EXPECT_EQ(written.substr(0, 38), "[System]\r\nXPosition= 1\r\nYPosition= 2\r\n");
  EXPECT_NE(written.find(std::string("\0\x01\x02", 3)), std::string::npos);
  EXPECT_NE(written.find("\xfe\xff\r\n"), std::string::npos);
  EXPECT_EQ(written.find("XPosition=42"), std::string::npos);

  // A large file, within what is kept: every line is kept.
  std::string big;
  for (int i = 0; i < 70000; ++i) big += "Line" + std::to_string(i) + "=x\r\n";
  ReadFrom(big + "YPosition=33");
  EXPECT_EQ(m.SettingsLines.size(), 70001u);
  EXPECT_EQ(m.SavedTop, 33);
  EXPECT_TRUE(WriteSettings(m, 1, 2));
  EXPECT_EQ(Written().size(), big.size() + 38);
}

TEST_F(SettingsFile, UnreadableFileIsSilentlyIgnored) {
  std::filesystem::create_directory(m.SettingsFile);  // a directory where the file should be
  ReadSettings(m);
  EXPECT_EQ(m.SavedLeft, 777);
  EXPECT_FALSE(WriteSettings(m, 1, 2));
  EXPECT_TRUE(std::filesystem::is_directory(m.SettingsFile));
}

TEST_F(SettingsFile, NamesPreparedInTheFolderAreNeverWrittenThrough) {
  // Links at the names a save or the start might use, pointing at a file of
  // the user's (or at nothing, where a file would then appear).
  const std::string victim = dir / "victim.txt";
  const std::string nowhere = dir / "nowhere.txt";
  const std::string program = dir / "program";
  std::filesystem::create_directory(program);
  for (const char* name : {"QuorvelCalc.ini.new", ".QuorvelCalc.probe", ".QuorvelCalc.ini.new"}) {
    std::filesystem::create_symlink(victim, dir / name);
    std::filesystem::create_symlink(victim, program + "/" + name);
  }
  std::filesystem::create_symlink(nowhere, dir / "QuorvelCalc.ini.tmp");
  std::filesystem::create_directory(dir / "QuorvelCalc.ini~");
  TempDir::Write(victim, "precious\n");

  Module1 chosen;
  ChooseSettingsFile(chosen, program, dir / "config");
  EXPECT_EQ(chosen.SettingsFile, program + "/QuorvelCalc.ini");
  ReadFrom("XPosition= 5\r\n");
  ASSERT_TRUE(WriteSettings(m, 1, 2));
  ASSERT_TRUE(WriteSettings(chosen, 3, 4));
  EXPECT_EQ(Written(), "[System]\r\nXPosition= 1\r\nYPosition= 2\r\n");
  EXPECT_EQ(TempDir::Read(victim), "precious\n");
  EXPECT_FALSE(std::filesystem::exists(nowhere));
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "QuorvelCalc.ini.new"));
  // Nothing is left behind but the settings file and what was there.
  int files = 0;
  for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(program)) ++files;
  EXPECT_EQ(files, 4);
}

TEST_F(SettingsFile, AKilledSaveLeavesTheOldFileOrTheNewOneWhole) {
  const std::string old_file = "[System]\r\nXPosition= 5\r\nYPosition= 6\r\nColour=Blue\r\n";
  const std::string new_file = "[System]\r\nXPosition= 1\r\nYPosition= 2\r\nColour=Blue\r\n";
  for (const bool first_run : {false, true}) {
    for (const SaveStep step : testing::kEverySaveStep) {
      SCOPED_TRACE(static_cast<int>(step));
      std::filesystem::remove(m.SettingsFile);
      if (first_run) {
        ReadSettings(m);
      } else {
        ReadFrom(old_file);
      }
      ASSERT_TRUE(testing::SaveKilledAfter(m, 1, 2, step));
      if (step == SaveStep::kReplaced) {
        EXPECT_EQ(Written(), first_run ? "[System]\r\nXPosition= 1\r\nYPosition= 2\r\n" : new_file);
      } else if (first_run) {
        EXPECT_FALSE(std::filesystem::exists(m.SettingsFile));
      } else {
        EXPECT_EQ(Written(), old_file);
      }
    }
  }
}

TEST_F(SettingsFile, TheNewFileKeepsTheOldOnesPermissions) {
  for (const auto mode : {0600, 0640, 0664}) {
    ReadFrom("XPosition= 5\r\n");
    ::chmod(m.SettingsFile.c_str(), mode);
    ASSERT_TRUE(WriteSettings(m, 1, 2));
    struct stat status {};
    ASSERT_EQ(::stat(m.SettingsFile.c_str(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, mode);
  }
}

// Lines of up to 64 KiB in files of up to 1 MiB are kept; beyond that they
// are read for the position keys only.
TEST_F(SettingsFile, ReadingIsBoundedButFindsThePositionKeys) {
  const std::size_t kLine = kMaxKeptSettingsLine;
  const std::size_t kFile = kMaxKeptSettingsBytes;
  const std::string keys = "XPosition=15\rYPosition=30\r\n";
  const struct {
    const char* what;
    std::string content;
    std::size_t kept;
  } cases[] = {
      {"4 MB of bare CRs", std::string(4'000'000, '\r') + keys, 0},
      {"a file of exactly 1 MiB", keys + std::string(kFile - keys.size(), '\r'),
       2 + kFile - keys.size()},
      {"a file one byte over", keys + std::string(kFile - keys.size() + 1, '\r'), 0},
      {"a line of exactly 64 KiB", std::string(kLine, 'a') + "\r\n" + keys, 3},
      {"a line one byte over", std::string(kLine + 1, 'a') + "\r\n" + keys, 2},
      {"a line of 4 MB", std::string(4'000'000, 'a') + "\n" + keys, 0},
      {"keys on overlong lines",
       "XPosition=15" + std::string(kLine, ' ') + "\rYPosition=30" + std::string(kLine, 'x') +
           "\rColour=Blue",
       1},
  };
  for (const auto& c : cases) {
    m = Module1{};
    m.SettingsFile = dir / "QuorvelCalc.ini";
    ReadFrom(c.content);
    EXPECT_EQ(m.SettingsLines.size(), c.kept) << c.what;
    EXPECT_EQ(m.SavedLeft, 15) << c.what;
    EXPECT_EQ(m.SavedTop, 30) << c.what;
    for (const std::string& line : m.SettingsLines) EXPECT_LE(line.size(), kLine) << c.what;
  }
  // What was not kept is gone at the next save.
  ReadFrom(std::string(kLine + 1, 'a') + "\r\nColour=Blue\r\n");
  ASSERT_TRUE(WriteSettings(m, 1, 2));
  EXPECT_EQ(Written(), "[System]\r\nXPosition= 1\r\nYPosition= 2\r\nColour=Blue\r\n");
}

TEST_F(SettingsFile, ACrLfPairSplitByTheReadingIsOneLineEnd) {
  // The reading takes the file in blocks of 64 KiB: a CR at the end of one
  // and the LF at the start of the next.
  for (std::size_t before : {65534u, 65535u, 65536u}) {
    ReadFrom("X=" + std::string(before - 2, 'a') + "\r\nYPosition=7\r\n");
    EXPECT_EQ(m.SettingsLines.size(), 2u) << before;
    EXPECT_EQ(m.SavedTop, 7) << before;
  }
}

TEST_F(SettingsFile, ChoosesTheProgramDirectoryWhenItCanBeWritten) {
  Module1 chosen;
  ChooseSettingsFile(chosen, dir.path().string(), "/home/u/.config");
  EXPECT_EQ(chosen.SettingsFile, dir / "QuorvelCalc.ini");
  EXPECT_EQ(chosen.InstalledSettingsFile, "");
  // A program directory that takes no files (here: a file in its place).
  const std::string not_a_directory = dir / "program";
  TempDir::Write(not_a_directory, "");
  const std::string config = dir / "config";
  ChooseSettingsFile(chosen, not_a_directory, config);
  EXPECT_EQ(chosen.SettingsFile, config + "/QuorvelCalc/QuorvelCalc.ini");
  EXPECT_EQ(chosen.InstalledSettingsFile, not_a_directory + "/QuorvelCalc.ini");
  // The folder is made when the file is first written.
  EXPECT_TRUE(WriteSettings(chosen, 15, 30));
  EXPECT_EQ(TempDir::Read(chosen.SettingsFile), "[System]\r\nXPosition= 15\r\nYPosition= 30\r\n");
}

TEST_F(SettingsFile, AFolderNamedLikeTheFileSendsThePositionToTheConfigurationFolder) {
  const std::string program = dir / "program";
  const std::string config = dir / "config";
  std::filesystem::create_directories(program + "/QuorvelCalc.ini");
  for (const auto& [left, top] : {std::pair{1500, 900}, std::pair{-300, 60}}) {
    Module1 run;
    ChooseSettingsFile(run, program, config);
    ReadSettings(run);
    ASSERT_TRUE(WriteSettings(run, left, top));
    // The next start finds it.
    Module1 next;
    ChooseSettingsFile(next, program, config);
    ReadSettings(next);
    EXPECT_TRUE(next.PositionRead);
    EXPECT_EQ(next.SavedLeft, left);
    EXPECT_EQ(next.SavedTop, top);
  }
  EXPECT_TRUE(std::filesystem::is_directory(program + "/QuorvelCalc.ini"));
  EXPECT_TRUE(std::filesystem::is_regular_file(config + "/QuorvelCalc/QuorvelCalc.ini"));
}

TEST_F(SettingsFile, TheInstalledFileIsReadUntilTheConfigurationOneExists) {
  const std::string installed = dir / "installed.ini";
  TempDir::Write(installed, "XPosition= 10\r\nColour=Blue\r\n");
  m.InstalledSettingsFile = installed;
  ReadSettings(m);
  EXPECT_EQ(m.SavedLeft, 10);
  ASSERT_TRUE(WriteSettings(m, 20, 30));
  EXPECT_EQ(Written(), "[System]\r\nXPosition= 20\r\nYPosition= 30\r\nColour=Blue\r\n");
  EXPECT_EQ(TempDir::Read(installed), "XPosition= 10\r\nColour=Blue\r\n");
  ReadSettings(m);
  EXPECT_EQ(m.SavedLeft, 20);
}

}  // namespace
}  // namespace quorvel::shell
