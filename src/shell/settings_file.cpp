// The settings file "QuorvelCalc.ini": a "[System]" section with the main
// window's position, and whatever other lines a user keeps there.
//
// The file belongs to the user, so it is handled with care: it is never
// truncated and rewritten in place (a crash would leave it empty), a file the
// user protected or the program cannot read is never replaced, and names in
// the folder that someone else may have prepared are never opened for
// writing. Where the file beside the program cannot be replaced, the position
// goes to the user's configuration folder instead.

#include <errno.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <random>
#include <string_view>
#include <system_error>
#include <utility>

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

bool EqualsIgnoringCase(std::string_view text, std::string_view lower_key) {
  return text.size() == lower_key.size() && Lower(text) == lower_key;
}

// A file descriptor that closes itself.
class Descriptor {
 public:
  Descriptor() = default;
  explicit Descriptor(int fd) : fd_(fd) {}
  Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
  Descriptor& operator=(Descriptor&& other) noexcept {
    if (this != &other) {
      Close();
      fd_ = std::exchange(other.fd_, -1);
    }
    return *this;
  }
  ~Descriptor() { Close(); }

  int get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }
  // Whether the close reported no error (a full disk may show only here).
  bool Close() { return fd_ < 0 || ::close(std::exchange(fd_, -1)) == 0; }

 private:
  int fd_ = -1;
};

std::string RandomSuffix() {
  static std::random_device source;
  static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  std::string suffix;
  for (int i = 0; i < 12; ++i) suffix += kDigits[source() % 36];
  return suffix;
}

// Creates a new, empty file in `directory` under a name nobody can foresee.
// The creation is exclusive and follows no link, so a name prepared in the
// folder beforehand (a link to some other file, say) is never written
// through.
std::pair<Descriptor, fs::path> CreateNewFile(const fs::path& directory, std::string_view prefix) {
  for (int attempt = 0; attempt < 64; ++attempt) {
    fs::path path = directory / (std::string(prefix) + RandomSuffix());
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0666);
    if (fd >= 0) return {Descriptor(fd), std::move(path)};
    if (errno != EEXIST) break;
  }
  return {};
}

fs::path DirectoryOf(const fs::path& file) {
  return file.has_parent_path() ? file.parent_path() : fs::path(".");
}

// Whether a new file can be created in `directory`: tried for real, since
// permissions alone do not tell (read-only mounts, a file in the way).
bool CanCreateFileIn(const fs::path& directory) {
  if (directory.empty()) return false;
  auto [probe, path] = CreateNewFile(directory, ".QuorvelCalc.probe-");
  if (!probe) return false;
  ::unlink(path.c_str());
  return true;
}

// Whether anything, even a dangling link, stands at `path`.
bool Exists(const fs::path& path) {
  struct stat status;
  return ::lstat(path.c_str(), &status) == 0 || errno != ENOENT;
}

// Whether `file` may be replaced by a new one: it is not there yet, or it is
// a regular file this user may read (its other lines are carried over) and
// write (its permissions say the user may change it).
bool MayReplace(const fs::path& file) {
  struct stat status;
  if (::lstat(file.c_str(), &status) != 0) return errno == ENOENT;
  if (::stat(file.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
  return ::faccessat(AT_FDCWD, file.c_str(), R_OK | W_OK, AT_EACCESS) == 0;
}

bool WriteAll(int fd, std::string_view content) {
  while (!content.empty()) {
    const ssize_t written = ::write(fd, content.data(), content.size());
    if (written < 0) {
      if (errno == EINTR) continue;
      return false;
    }
    content.remove_prefix(static_cast<std::size_t>(written));
  }
  return true;
}

// Makes a rename in `directory` last through a power cut.
void SyncDirectory(const fs::path& directory) {
  Descriptor fd(::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
  if (fd) ::fsync(fd.get());
}

// Puts `content` in the place of `target`: written to a new file beside it,
// flushed to the disk, then renamed over the old one. Whenever the process
// ends, the target is either the old file or the new one, whole.
bool ReplaceFile(const fs::path& target, std::string_view content, const SaveStepHook& after_step) {
  const auto step = [&after_step](SaveStep done) {
    if (after_step) after_step(done);
  };
  const fs::path directory = DirectoryOf(target);
  auto [file, temporary] = CreateNewFile(directory, "." + target.filename().string() + "-");
  if (!file) return false;
  step(SaveStep::kTemporaryCreated);
  bool done = WriteAll(file.get(), content);
  step(SaveStep::kContentWritten);
  // The new file keeps the old one's permissions; a first one gets the
  // user's usual ones (those of the creation above).
  struct stat old;
  if (done && ::stat(target.c_str(), &old) == 0) ::fchmod(file.get(), old.st_mode & 0777);
  done = done && ::fsync(file.get()) == 0;
  step(SaveStep::kContentSynced);
  done = file.Close() && done;
  done = done && ::rename(temporary.c_str(), target.c_str()) == 0;
  if (!done) {
    ::unlink(temporary.c_str());
    return false;
  }
  step(SaveStep::kReplaced);
  SyncDirectory(directory);
  return true;
}

// A position read from the file, kept within what a window can take: the
// 16-bit range of the vertical position, and the same span in pixels for
// the horizontal one.
constexpr double kMaxLeftTwips = 32767.0 * kTwipsPerPixel;

double ClampLeft(double value) {
  if (std::isnan(value)) return 0;
  return std::clamp(value, -kMaxLeftTwips - kTwipsPerPixel, kMaxLeftTwips);
}

// What a reading found; it reaches the module only when the whole file was
// read.
struct SettingsRead {
  std::vector<std::string> lines;
  std::optional<double> left;
  std::optional<std::int16_t> top;
};

// Splits the file into lines as it is read, holding at most one line of
// kMaxKeptSettingsLine characters at a time. Lines end at CR, at CR LF and,
// as text files on this system do, at LF.
class LineReader {
 public:
  explicit LineReader(bool keep_lines) : keep_lines_(keep_lines) {}

  void Feed(std::string_view chunk) {
    read_ += chunk.size();
    if (keep_lines_ && read_ > kMaxKeptSettingsBytes) {
      // The file grew past the limit while it was read.
      keep_lines_ = false;
      std::vector<std::string>().swap(result_.lines);
    }
    while (!chunk.empty()) {
      if (after_cr_) {
        after_cr_ = false;
        if (chunk.front() == '\n') {
          chunk.remove_prefix(1);
          continue;
        }
      }
      const std::size_t end = chunk.find_first_of("\r\n");
      const std::string_view text = chunk.substr(0, end);
      const std::size_t room = kMaxKeptSettingsLine + 1 - line_.size();
      line_.append(text.substr(0, std::min(room, text.size())));
      if (end == std::string_view::npos) return;
      after_cr_ = chunk[end] == '\r';
      EndLine();
      chunk.remove_prefix(end + 1);
    }
  }

  SettingsRead Finish() {
    if (!line_.empty()) EndLine();
    return std::move(result_);
  }

 private:
  void EndLine() {
    // A line too long to keep still gives its key: the key and the start of
    // its value lie in the part that was held.
    const std::size_t equals = line_.find('=');
    if (equals != std::string::npos) {
      const std::string_view key = std::string_view(line_).substr(0, equals);
      if (EqualsIgnoringCase(key, "xposition")) {
        result_.left = ClampLeft(TextValue(std::string_view(line_).substr(equals + 1)));
      } else if (EqualsIgnoringCase(key, "yposition")) {
        result_.top = SavedTopFrom(TextValue(std::string_view(line_).substr(equals + 1)));
      }
    }
    if (keep_lines_ && line_.size() <= kMaxKeptSettingsLine) {
      result_.lines.push_back(std::move(line_));
    }
    line_.clear();
  }

  bool keep_lines_;
  std::size_t read_ = 0;
  bool after_cr_ = false;
  std::string line_;
  SettingsRead result_;
};

std::optional<SettingsRead> ReadSettingsFile(const fs::path& path) {
  // Not blocking: a pipe of that name would otherwise hold the start.
  Descriptor fd(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC));
  if (!fd) return std::nullopt;
  struct stat status;
  if (::fstat(fd.get(), &status) != 0 || !S_ISREG(status.st_mode)) return std::nullopt;
  LineReader reader(static_cast<std::uintmax_t>(status.st_size) <= kMaxKeptSettingsBytes);
  char buffer[65536];
  for (;;) {
    const ssize_t got = ::read(fd.get(), buffer, sizeof buffer);
    if (got == 0) break;
    if (got < 0) {
      if (errno == EINTR) continue;
      return std::nullopt;
    }
    reader.Feed(std::string_view(buffer, static_cast<std::size_t>(got)));
  }
  return reader.Finish();
}

}  // namespace

std::int16_t SavedTopFrom(double twips) {
  if (std::isnan(twips)) return 0;
  if (auto top = RoundToInt16(twips)) return *top;
  return twips < 0 ? INT16_MIN : INT16_MAX;
}

void ChooseSettingsFile(Module1& m, const std::string& program_directory,
                        const std::string& config_directory) {
  const fs::path beside = fs::path(program_directory) / kSettingsFileName;
  m.InstalledSettingsFile.clear();
  if (config_directory.empty() || (CanCreateFileIn(program_directory) && MayReplace(beside))) {
    m.SettingsFile = beside.string();
    return;
  }
  m.SettingsFile = (fs::path(config_directory) / "QuorvelCalc" / kSettingsFileName).string();
  m.InstalledSettingsFile = beside.string();
}

void ReadSettings(Module1& m) {
  fs::path source = m.SettingsFile;
  if (!Exists(source) && !m.InstalledSettingsFile.empty()) source = m.InstalledSettingsFile;
  if (!Exists(source)) {
    m.SettingsLines.clear();
    return;
  }
  // Anything but a readable regular file (a directory, a device) is left
  // alone, silently.
  std::optional<SettingsRead> read = ReadSettingsFile(source);
  if (!read) return;
  m.SettingsLines = std::move(read->lines);
  if (read->left) m.SavedLeft = *read->left;
  if (read->top) m.SavedTop = *read->top;
  if (read->left || read->top) m.PositionRead = true;
}

std::string SettingsNumberText(double value) {
  const double single = static_cast<double>(static_cast<float>(value));
  std::string text = std::isfinite(single) ? GeneralText(single, 7) : "0";
  return single < 0 ? text : " " + text;
}

bool WriteSettings(Module1& m, double left, double top, const SaveStepHook& after_step) {
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

  const fs::path target = m.SettingsFile;
  // Checked again at the end of the run: the file may have changed since the
  // start chose it.
  if (!MayReplace(target)) return false;
  std::error_code error;
  fs::create_directories(DirectoryOf(target), error);
  return ReplaceFile(target, content, after_step);
}

}  // namespace quorvel::shell
