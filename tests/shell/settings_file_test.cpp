// The settings file, read and written on real files.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

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

  // A large file: every line is kept.
  std::string big;
  for (int i = 0; i < 200000; ++i) big += "Line" + std::to_string(i) + "=x\r\n";
  ReadFrom(big + "YPosition=33");
  EXPECT_EQ(m.SettingsLines.size(), 200001u);
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

TEST_F(SettingsFile, AWriteThatFailsKeepsTheOldFile) {
  ReadFrom("XPosition= 5\r\n");
  // The temporary file cannot be made: a directory stands in its way.
  std::filesystem::create_directory(m.SettingsFile + ".new");
  EXPECT_FALSE(WriteSettings(m, 1, 2));
  EXPECT_EQ(Written(), "XPosition= 5\r\n");
}

TEST_F(SettingsFile, ChoosesTheProgramDirectoryWhenItCanBeWritten) {
  EXPECT_EQ(ChooseSettingsFile(dir.path().string(), "/home/u/.config"), dir / "QuorvelCalc.ini");
  // A program directory that takes no files (here: a file in its place).
  const std::string not_a_directory = dir / "program";
  TempDir::Write(not_a_directory, "");
  const std::string config = dir / "config";
  const std::string chosen = ChooseSettingsFile(not_a_directory, config);
  EXPECT_EQ(chosen, config + "/QuorvelCalc/QuorvelCalc.ini");
  // The folder is made when the file is first written.
  Module1 fallback;
  fallback.SettingsFile = chosen;
  EXPECT_TRUE(WriteSettings(fallback, 15, 30));
  EXPECT_EQ(TempDir::Read(chosen), "[System]\r\nXPosition= 15\r\nYPosition= 30\r\n");
}

}  // namespace
}  // namespace quorvel::shell
