// The settings file "QuorvelCalc.ini": a "[System]" section with the main
// window's position, and whatever other lines a user keeps there.

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "core/controls.h"
#include "core/number_text.h"
#include "shell/module1.h"

namespace quorvel::shell {
namespace {

namespace fs = std::filesystem;

std::string Lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) {
    return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
  });
  return out;
}

bool ContainsIgnoringCase(std::string_view text, std::string_view key) {
  return Lower(text).find(Lower(key)) != std::string::npos;
}

// Whether a new file can be created in `directory`: tried for real, since
// permissions alone do not tell (read-only mounts, a file in the way).
bool CanCreateFileIn(const fs::path& directory) {
  std::error_code error;
  if (!fs::is_directory(directory, error)) return false;
  const fs::path probe = directory / ".QuorvelCalc.probe";
  std::FILE* file = std::fopen(probe.c_str(), "wb");
  if (!file) return false;
  std::fclose(file);
  fs::remove(probe, error);
  return true;
}

bool CanWriteFile(const fs::path& file) {
  std::error_code error;
  if (!fs::is_regular_file(file, error)) return false;
  std::FILE* handle = std::fopen(file.c_str(), "r+b");
  if (!handle) return false;
  std::fclose(handle);
  return true;
}

// Lines end at CR, at CR LF and, as text files on this system do, at LF.
std::vector<std::string> SplitLines(const std::string& content) {
  std::vector<std::string> lines;
  std::string line;
  for (std::size_t i = 0; i < content.size(); ++i) {
    const char c = content[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(std::move(line));
      line.clear();
      if (c == '\r' && i + 1 < content.size() && content[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(std::move(line));
  return lines;
}

// A position read from the file, kept within what a window can take: the
// 16-bit range of the vertical position, and the same span in pixels for
// the horizontal one.
constexpr double kMaxLeftTwips = 32767.0 * kTwipsPerPixel;

double ClampLeft(double value) {
  if (std::isnan(value)) return 0;
  return std::clamp(value, -kMaxLeftTwips - kTwipsPerPixel, kMaxLeftTwips);
}

}  // namespace

std::int16_t SavedTopFrom(double twips) {
  if (std::isnan(twips)) return 0;
  if (auto top = RoundToInt16(twips)) return *top;
  return twips < 0 ? INT16_MIN : INT16_MAX;
}

std::string ChooseSettingsFile(const std::string& program_directory,
                               const std::string& config_directory) {
  const fs::path beside = fs::path(program_directory) / kSettingsFileName;
  if (CanCreateFileIn(program_directory) || CanWriteFile(beside)) return beside.string();
  return (fs::path(config_directory) / "QuorvelCalc" / kSettingsFileName).string();
}

void ReadSettings(Module1& m) {
  std::error_code error;
  if (!fs::exists(m.SettingsFile, error)) {
    m.SettingsLines.clear();
    return;
  }
  // Anything but a readable regular file (a directory, a device) is left
  // alone, silently.
  if (!fs::is_regular_file(m.SettingsFile, error)) return;
  std::FILE* file = std::fopen(m.SettingsFile.c_str(), "rb");
  if (!file) return;
  std::string content;
  char buffer[65536];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
    content.append(buffer, got);
  }
  const bool failed = std::ferror(file) != 0;
  std::fclose(file);
  if (failed) return;
  m.SettingsLines = SplitLines(content);
  for (const std::string& line : m.SettingsLines) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) continue;
    const std::string key = Lower(std::string_view(line).substr(0, equals));
    const double number = TextValue(std::string_view(line).substr(equals + 1));
    if (key == "xposition") {
      m.SavedLeft = ClampLeft(number);
      m.PositionRead = true;
    } else if (key == "yposition") {
      m.SavedTop = SavedTopFrom(number);
      m.PositionRead = true;
    }
  }
}

std::string SettingsNumberText(double value) {
  const double single = static_cast<double>(static_cast<float>(value));
  std::string text = std::isfinite(single) ? GeneralText(single, 7) : "0";
  return single < 0 ? text : " " + text;
}

bool WriteSettings(Module1& m, double left, double top) {
  std::string content;
  const std::pair<const char*, std::string> entries[] = {
      {"[System]", "[System]"},
      {"XPosition", std::string("XPosition=") + SettingsNumberText(left)},
      {"YPosition", std::string("YPosition=") + SettingsNumberText(top)},
  };
  for (const auto& [key, line] : entries) {
    content += line + "\r\n";
    // Every line that mentions the key gives way to the new one.
    for (std::string& kept : m.SettingsLines) {
      if (ContainsIgnoringCase(kept, key)) kept.clear();
    }
  }
  for (const std::string& kept : m.SettingsLines) {
    if (!kept.empty()) content += kept + "\r\n";
  }

  // Write beside the old file, then put the new one in its place, so that a
  // write cut short never leaves the user without a settings file.
  std::error_code error;
  const fs::path target = m.SettingsFile;
  fs::create_directories(target.parent_path(), error);
  if (!CanCreateFileIn(target.parent_path())) {
    // The directory takes no new file (an installed program whose settings
    // file was made writable for its user): write that file in place.
    if (!CanWriteFile(target)) return false;
    std::ofstream in_place(target, std::ios::binary | std::ios::trunc);
    in_place.write(content.data(), static_cast<std::streamsize>(content.size()));
    in_place.close();
    return static_cast<bool>(in_place);
  }
  const fs::path temporary = target.string() + ".new";
  std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
  if (file) {
    file.write(content.data(), static_cast<std::streamsize>(content.size()));
    file.close();
    if (file) fs::rename(temporary, target, error);
    if (file && !error) return true;
  }
  fs::remove(temporary, error);
  return false;
}

}  // namespace quorvel::shell
