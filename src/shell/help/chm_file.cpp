#include "shell/help/chm_file.h"

#include <chm_lib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "shell/help/chm_layout.h"
#include "shell/help/html_scan.h"

namespace quorvel::help {
namespace {

// No object of a help file comes near this; a larger length means a damaged
// directory, and we would rather refuse it than try to allocate it.
constexpr LONGUINT64 kMaxObjectSize = 64u << 20;
// Nor does a whole help file; it is read into memory once to be checked.
constexpr std::uintmax_t kMaxFileSize = 256u << 20;

std::string WithLeadingSlash(std::string_view path) {
  std::string out;
  if (path.empty() || path.front() != '/') out += '/';
  out += path;
  return out;
}

bool EndsWith(std::string_view text, std::string_view tail) {
  return text.size() >= tail.size() && AsciiLower(text.substr(text.size() - tail.size())) == tail;
}

bool IsCompilerObject(std::string_view path) {
  // "/#SYSTEM", "/$FIftiMain", "/$WWKeywordLinks/..." and "::DataSpace/...".
  if (path.size() < 2 || path[0] != '/') return true;
  return path[1] == '#' || path[1] == '$';
}

int CollectPath(chmFile*, chmUnitInfo* info, void* context) {
  auto* paths = static_cast<std::vector<std::string>*>(context);
  std::string_view path(info->path);
  if ((info->flags & CHM_ENUMERATE_FILES) != 0 && !IsCompilerObject(path)) {
    paths->emplace_back(path);
  }
  return CHM_ENUMERATOR_CONTINUE;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

std::string PercentDecode(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
        HexValue(text[i + 2]) >= 0) {
      out += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
      i += 2;
    } else {
      out += text[i];
    }
  }
  return out;
}

}  // namespace

void ChmFile::Closer::operator()(chmFile* handle) const { chm_close(handle); }

ChmFile::ChmFile(chmFile* handle) : handle_(handle) {}
ChmFile::ChmFile(ChmFile&&) noexcept = default;
ChmFile& ChmFile::operator=(ChmFile&&) noexcept = default;
ChmFile::~ChmFile() = default;

std::optional<ChmFile> ChmFile::Open(const std::string& file_path, std::string* error,
                                     bool* damaged) {
  if (damaged != nullptr) *damaged = false;
  auto fail = [&](const std::string& why, bool is_damaged) -> std::optional<ChmFile> {
    if (error != nullptr) *error = why;
    if (damaged != nullptr) *damaged = is_damaged;
    return std::nullopt;
  };
  std::error_code ec;
  if (!std::filesystem::is_regular_file(file_path, ec)) {
    return fail("There is no help file at " + file_path + ".", false);
  }
  // chmlib believes every number the file holds; ours are checked first.
  const std::uintmax_t size = std::filesystem::file_size(file_path, ec);
  if (ec || size > kMaxFileSize) {
    return fail(file_path + " is not a help file that can be read.", true);
  }
  std::ifstream in(file_path, std::ios::binary);
  const std::string bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (!in && !in.eof()) return fail(file_path + " cannot be read.", false);
  const std::string problem = FindLayoutProblem(bytes);
  if (!problem.empty()) return fail(file_path + " is damaged: " + problem + ".", true);

  chmFile* handle = chm_open(file_path.c_str());
  if (handle == nullptr) return fail(file_path + " is not a help file that can be read.", true);
  ChmFile file(handle);
  if (!file.ReadSystem()) {
    return fail(file_path + " is damaged: its directory cannot be read.", true);
  }
  return file;
}

bool ChmFile::ReadSystem() {
  // Every compiled help file has a "/#SYSTEM" object: a version number, then
  // records of a 16-bit code, a 16-bit length and that many bytes. A file
  // whose "/#SYSTEM" cannot be read in full is damaged.
  const std::optional<std::string> system = Read("/#SYSTEM");
  if (!system || system->size() < 4) return false;
  const std::string& data = *system;
  auto word = [&](std::size_t at) {
    return static_cast<unsigned>(static_cast<unsigned char>(data[at])) |
           static_cast<unsigned>(static_cast<unsigned char>(data[at + 1])) << 8;
  };
  for (std::size_t at = 4; at + 4 <= data.size();) {
    const unsigned code = word(at);
    const std::size_t length = word(at + 2);
    at += 4;
    if (at + length > data.size()) break;
    std::string text = data.substr(at, length);
    text = text.substr(0, text.find('\0'));
    at += length;
    switch (code) {
      case 0:
        contents_file_ = ObjectPathOfLocal(text).value_or("");
        break;
      case 1:
        index_file_ = ObjectPathOfLocal(text).value_or("");
        break;
      case 2:
        default_topic_ = ObjectPathOfLocal(text).value_or("");
        break;
      case 3:
        title_ = text;
        break;
      default:
        break;
    }
  }
  // Some compilers leave the names out; the files are at the root then.
  if (contents_file_.empty() || index_file_.empty()) {
    for (const std::string& path : List()) {
      if (path.find('/', 1) != std::string::npos) continue;
      if (contents_file_.empty() && EndsWith(path, ".hhc")) contents_file_ = path;
      if (index_file_.empty() && EndsWith(path, ".hhk")) index_file_ = path;
    }
  }
  return true;
}

bool ChmFile::Contains(std::string_view object_path) const {
  chmUnitInfo info;
  return Resolve(object_path, info);
}

bool ChmFile::Resolve(std::string_view object_path, chmUnitInfo& info) const {
  // Folders ("/", "/html Docs/") are entries of the directory too, but hold
  // nothing to read.
  if (object_path.empty() || object_path.back() == '/') return false;
  const std::string path = WithLeadingSlash(object_path);
  return chm_resolve_object(handle_.get(), path.c_str(), &info) == CHM_RESOLVE_SUCCESS;
}

std::optional<std::string> ChmFile::Read(std::string_view object_path) const {
  chmUnitInfo info;
  if (!Resolve(object_path, info)) return std::nullopt;
  if (info.length > kMaxObjectSize) {
    damaged_ = true;
    return std::nullopt;
  }
  std::string data(static_cast<std::size_t>(info.length), '\0');
  if (info.length == 0) return data;
  const LONGINT64 got =
      chm_retrieve_object(handle_.get(), &info, reinterpret_cast<unsigned char*>(data.data()), 0,
                          static_cast<LONGINT64>(info.length));
  // A damaged file may give fewer bytes than its directory promises.
  if (got != static_cast<LONGINT64>(info.length)) {
    damaged_ = true;
    return std::nullopt;
  }
  return data;
}

std::vector<std::string> ChmFile::List() const {
  std::vector<std::string> paths;
  chm_enumerate(handle_.get(), CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_FILES, CollectPath, &paths);
  return paths;
}

std::optional<std::string> ResolveLink(std::string_view from_object, std::string_view href) {
  while (!href.empty() && (href.front() == ' ' || href.front() == '\t')) href.remove_prefix(1);
  while (!href.empty() && (href.back() == ' ' || href.back() == '\t')) href.remove_suffix(1);
  if (href.empty()) return std::nullopt;

  // "ms-its:CalcHelp.chm::/page.htm" and "mk:@MSITStore:...::/page.htm" name
  // an object of a help file; we take it to be this one.
  const std::string lower = AsciiLower(href);
  if (lower.starts_with("ms-its:") || lower.starts_with("mk:@msitstore:") ||
      lower.starts_with("its:")) {
    const std::size_t separator = href.find("::");
    if (separator == std::string_view::npos) return std::nullopt;
    href = href.substr(separator + 2);
    from_object = "/";
  } else {
    // Any other scheme ("http:", "mailto:", "javascript:") leaves the file. A
    // scheme is letters (and "+-.") before the first ":", ahead of any "/".
    const std::size_t colon = href.find(':');
    if (colon != std::string_view::npos && colon > 0) {
      const std::string_view scheme = href.substr(0, colon);
      bool is_scheme = true;
      for (char c : scheme) {
        const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        const bool other = (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
        if (!letter && !other) is_scheme = false;
      }
      if (is_scheme) return std::nullopt;
    }
  }

  const std::size_t cut = href.find_first_of("#?");
  const std::string target = PercentDecode(href.substr(0, cut));
  std::string path;
  if (target.empty()) {
    path = WithLeadingSlash(from_object);  // "#fragment" on the page itself
  } else if (target.front() == '/' || target.front() == '\\') {
    path = target;
  } else {
    const std::string from = WithLeadingSlash(from_object);
    path = from.substr(0, from.rfind('/') + 1);
    path += target;
  }
  for (char& c : path) {
    if (c == '\\') c = '/';
  }

  // Resolve "." and ".." segments; ".." above the root stays at the root.
  std::vector<std::string> segments;
  std::size_t start = 1;
  while (start <= path.size()) {
    std::size_t slash = path.find('/', start);
    if (slash == std::string::npos) slash = path.size();
    const std::string segment = path.substr(start, slash - start);
    const bool last = slash == path.size();
    if (segment == "..") {
      if (!segments.empty()) segments.pop_back();
      if (last) segments.emplace_back();
    } else if (segment == "." || (segment.empty() && !last)) {
      if (last) segments.emplace_back();
    } else {
      segments.push_back(segment);
    }
    start = slash + 1;
  }
  std::string out;
  for (const std::string& segment : segments) {
    out += '/';
    out += segment;
  }
  if (out.empty()) out.push_back('/');
  return out;
}

std::optional<std::string> ObjectPathOfLocal(std::string_view local) {
  return ResolveLink("/", local);
}

}  // namespace quorvel::help
