// The settings file: ReadSettings on a file holding the fuzz input, then
// WriteSettings with the position it read, in a private temporary directory.
//
// Properties:
// - reading never fails: the positions read are numbers (never NaN), the
//   vertical one a 16-bit value and the horizontal one within the span a
//   window can take;
// - the file written starts with "[System]" CR LF, then the lines
//   "XPosition=" and "YPosition=" with the positions as the file writes
//   numbers; every line ends with CR LF; the user's other lines follow in
//   their order, none of them naming a key;
// - reading the written file gives the positions written (to the seven digits
//   the file keeps), and writing them again gives the same file.

#include <stdlib.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/number_text.h"
#include "fuzz_check.h"
#include "shell/module1.h"

namespace {

namespace fs = std::filesystem;
using quorvel::fuzz::Digits;
using quorvel::fuzz::Quoted;

// The window's horizontal span in twips: 32767 pixels of 15 twips either way.
constexpr double kMaxLeft = 32767.0 * 15;

// A directory of our own for the whole run, removed at exit.
class Scratch {
 public:
  Scratch() {
    std::string pattern = (fs::temp_directory_path() / "quorvel-fuzz-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
      std::perror("mkdtemp");
      std::abort();
    }
    path_ = pattern;
  }
  ~Scratch() {
    std::error_code error;
    fs::remove_all(path_, error);
  }
  std::string File(const char* name) const { return (path_ / name).string(); }

 private:
  fs::path path_;
};

void WriteFile(const std::string& path, std::string_view content) {
  std::FILE* file = std::fopen(path.c_str(), "wb");
  FUZZ_CHECK(file != nullptr, "cannot write " + path);
  std::fwrite(content.data(), 1, content.size(), file);
  std::fclose(file);
}

std::string ReadFile(const std::string& path) {
  std::string content;
  std::FILE* file = std::fopen(path.c_str(), "rb");
  FUZZ_CHECK(file != nullptr, "cannot read " + path);
  char buffer[4096];
  for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, file)) > 0;) {
    content.append(buffer, got);
  }
  std::fclose(file);
  return content;
}

std::string Lower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static Scratch scratch;
  const std::string_view content(reinterpret_cast<const char*>(data), size);
  const std::string path = scratch.File("QuorvelCalc.ini");
  WriteFile(path, content);

  quorvel::shell::Module1 m;
  m.SettingsFile = path;
  quorvel::shell::ReadSettings(m);
  const std::string where = "the settings file " + Quoted(content);
  FUZZ_CHECK(!std::isnan(m.SavedLeft) && std::fabs(m.SavedLeft) <= kMaxLeft + 15,
             where + " gives XPosition " + Digits(m.SavedLeft));

  const double left = m.SavedLeft;
  const double top = m.SavedTop;
  FUZZ_CHECK(quorvel::shell::WriteSettings(m, left, top), where + ": not written");
  const std::string written = ReadFile(path);
  const std::string as_written = where + ", written as " + Quoted(written);

  const std::string head = "[System]\r\nXPosition=" + quorvel::shell::SettingsNumberText(left) +
                           "\r\nYPosition=" + quorvel::shell::SettingsNumberText(top) + "\r\n";
  FUZZ_CHECK(written.compare(0, head.size(), head) == 0,
             as_written + ", expected to start " + Quoted(head));
  FUZZ_CHECK(written.back() == '\n', as_written);
  for (std::size_t start = head.size(); start < written.size();) {
    const std::size_t end = written.find("\r\n", start);
    FUZZ_CHECK(end != std::string::npos, as_written + ": a line without CR LF");
    const std::string line = Lower(written.substr(start, end - start));
    FUZZ_CHECK(!line.empty() && line.find_first_of("\r\n") == std::string::npos &&
                   line.find("xposition") == std::string::npos &&
                   line.find("yposition") == std::string::npos &&
                   line.find("[system]") == std::string::npos,
               as_written + ": the kept line " + Quoted(line));
    FUZZ_CHECK(content.find(written.substr(start, end - start)) != std::string_view::npos,
               as_written + ": a kept line that was not in the file");
    start = end + 2;
  }

  quorvel::shell::Module1 reread;
  reread.SettingsFile = path;
  quorvel::shell::ReadSettings(reread);
  const double expected_left = quorvel::TextValue(quorvel::shell::SettingsNumberText(left));
  FUZZ_CHECK(reread.PositionRead && reread.SavedLeft == expected_left && reread.SavedTop == top,
             as_written + ": reads back " + Digits(reread.SavedLeft) + ", " +
                 std::to_string(reread.SavedTop) + " for " + Digits(left) + ", " + Digits(top));
  // Seven significant digits of a single-precision value.
  FUZZ_CHECK(
      std::fabs(reread.SavedLeft - left) <= 6e-7 * std::fabs(left) + 2e-38,
      as_written + ": XPosition " + Digits(left) + " came back as " + Digits(reread.SavedLeft));

  FUZZ_CHECK(quorvel::shell::WriteSettings(reread, reread.SavedLeft, reread.SavedTop),
             as_written + ": not written again");
  const std::string rewritten = ReadFile(path);
  FUZZ_CHECK(rewritten == written, as_written + ", written again as " + Quoted(rewritten));
  return 0;
}
