#pragma once
// The start-up module: the settings file that keeps the main window's
// position from one run to the next, the start-up routine, and the help
// routines. Its variables live for the whole process.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/identity.h"

namespace quorvel::shell {

using quorvel::kAppTitle;
inline constexpr char kSettingsFileName[] = "QuorvelCalc.ini";
inline constexpr char kHelpFileName[] = "CalcHelp.chm";

struct Module1 {
  // Full path of the settings file: the file written at shutdown, and read at
  // load.
  std::string SettingsFile;
  // When the file beside the program cannot be rewritten and SettingsFile is
  // the one in the user's configuration folder: the file beside the program,
  // read at load as long as SettingsFile does not exist yet. Empty otherwise.
  std::string InstalledSettingsFile;
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

// Sets SettingsFile (and InstalledSettingsFile): the file beside the program
// when it can be replaced there (the directory takes a new file, and the file
// is missing or a regular file this user may read and write); else the same
// name in the user's configuration directory, folder "QuorvelCalc".
void ChooseSettingsFile(Module1& m, const std::string& program_directory,
                        const std::string& config_directory);

// Reads the settings file (SettingsFile, or while that does not exist
// InstalledSettingsFile) into SettingsLines and takes the XPosition and
// YPosition keys from it. A missing file empties SettingsLines; an unreadable
// one leaves everything as it was. A file over kMaxKeptSettingsBytes and lines
// over kMaxKeptSettingsLine are read for the position keys only, never kept.
void ReadSettings(Module1& m);
inline constexpr std::size_t kMaxKeptSettingsBytes = 1024 * 1024;
inline constexpr std::size_t kMaxKeptSettingsLine = 64 * 1024;

// The steps of a save, for tests that end the process between two of them.
enum class SaveStep { kTemporaryCreated, kContentWritten, kContentSynced, kReplaced };
using SaveStepHook = std::function<void(SaveStep)>;

// Rewrites the settings file: "[System]", the position, then the lines read
// that do not mention a key. The new content goes to a new file of its own,
// which then takes the old one's place: the old file is never truncated, and
// a file the user could not read or write is never replaced. Returns whether
// the file was written; callers go on anyway.
bool WriteSettings(Module1& m, double left, double top, const SaveStepHook& after_step = {});

// A vertical position in twips as the 16-bit value the window takes: rounded
// to the nearest, halves to even, and kept within the 16-bit range.
std::int16_t SavedTopFrom(double twips);

// A position as the settings file writes it: a blank before a value that is
// not negative, at most seven significant digits.
std::string SettingsNumberText(double value);

}  // namespace quorvel::shell
