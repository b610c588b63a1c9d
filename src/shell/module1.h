#pragma once
// The start-up module: the settings file that keeps the main window's
// position from one run to the next, the start-up routine, and the help
// routines. Its variables live for the whole process.

#include <cstdint>
#include <string>
#include <vector>

#include "core/identity.h"

namespace quorvel::shell {

using quorvel::kAppTitle;
inline constexpr char kSettingsFileName[] = "QuorvelCalc.ini";
inline constexpr char kHelpFileName[] = "CalcHelp.chm";

struct Module1 {
  // Full path of the settings file.
  std::string SettingsFile;
  // Every line of the settings file as it was read, in file order.
  std::vector<std::string> SettingsLines;
  // Where the main window goes at load, in twips.
  double SavedLeft = 0;
  std::int16_t SavedTop = 0;
  // Whether the file named a position at all; without one the window stays
  // where the desktop placed it.
  bool PositionRead = false;
  // The program's directory, where its help file lies.
  std::string ProgramDirectory;
};

// The settings file to use: the one beside the program when that directory
// can be written (or the file there can), else the same name in the user's
// configuration directory, folder "QuorvelCalc".
std::string ChooseSettingsFile(const std::string& program_directory,
                               const std::string& config_directory);

// Reads the settings file into SettingsLines and takes the XPosition and
// YPosition keys from it. A missing or unreadable file leaves everything as
// it was.
void ReadSettings(Module1& m);

// Rewrites the settings file: "[System]", the position, then the lines read
// that do not mention a key. The old file is replaced only once the new one
// is complete. Returns whether the file was written; callers go on anyway.
bool WriteSettings(Module1& m, double left, double top);

// A vertical position in twips as the 16-bit value the window takes: rounded
// to the nearest, halves to even, and kept within the 16-bit range.
std::int16_t SavedTopFrom(double twips);

// A position as the settings file writes it: a blank before a value that is
// not negative, at most seven significant digits.
std::string SettingsNumberText(double value);

}  // namespace quorvel::shell
