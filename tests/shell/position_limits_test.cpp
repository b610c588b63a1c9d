// Both sides of the limits of a saved window position: the 16-bit top, and a
// left edge kept within the same span of pixels.

#include <gtest/gtest.h>

#include <string>

#include "shell/module1.h"
#include "temp_dir.h"

namespace quorvel::shell {
namespace {

using testing::TempDir;

TEST(PositionLimits, SavedPositionsStayWithinWhatAWindowTakes) {
  // A pixel is 15 twips; 16 bits of pixels run from -32768 to 32767.
  const struct {
    const char* line;
    double left;
    int top;
  } cases[] = {
      {"YPosition=32767", 777, 32767},     {"YPosition=32767.5", 777, 32767},
      {"YPosition=-32768", 777, -32768},   {"YPosition=-32768.6", 777, -32768},
      {"XPosition=491505", 491505, 555},   {"XPosition=491506", 491505, 555},
      {"XPosition=-491520", -491520, 555}, {"XPosition=-491521", -491520, 555},
      {"XPosition=-1e300", -491520, 555},  {"XPosition=-491519.5", -491519.5, 555},
  };
  TempDir dir;
  for (const auto& c : cases) {
    Module1 m;
    m.SettingsFile = dir / "QuorvelCalc.ini";
    m.SavedLeft = 777;
    m.SavedTop = 555;
    TempDir::Write(m.SettingsFile, std::string(c.line) + "\r\n");
    ReadSettings(m);
    EXPECT_EQ(m.SavedLeft, c.left) << c.line;
    EXPECT_EQ(m.SavedTop, c.top) << c.line;
  }
  EXPECT_EQ(SavedTopFrom(32767.4), 32767);
  EXPECT_EQ(SavedTopFrom(40000), 32767);
  EXPECT_EQ(SavedTopFrom(-40000), -32768);
}

}  // namespace
}  // namespace quorvel::shell
