// Whole help files, from any bytes, along the path the help viewer takes:
// open the file, read and parse its contents and index, read every page it
// lists (with its text and links), and search the pages.
//
// Input: the bytes of a help file. chmlib needs a path, so each input is
// written to one file in $TMPDIR first.
//
// Properties:
// - nothing that our own code does with the file breaks a sanitizer: every
//   number read from it is checked before chmlib or our code uses it;
// - a file that opens names its contents, index and default topic as object
//   paths ("/..." or nothing);
// - an object the file lists and finds either reads or marks the file
//   damaged;
// - the search finds no page twice and no more pages than the file holds.
//
// chmlib itself is not built here: a crash whose report lies wholly inside
// libchm is the reason the viewer runs in a process of its own, and the
// fuzzing stage sorts such reports from ours.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "fuzz_check.h"
#include "shell/help/chm_file.h"
#include "shell/help/help_check.h"
#include "shell/help/html_scan.h"
#include "shell/help/page_text.h"
#include "shell/help/search_index.h"
#include "shell/help/sitemap.h"

namespace {

using quorvel::fuzz::Quoted;
namespace help = quorvel::help;

const std::string& InputPath() {
  static const std::string path = [] {
    const char* dir = std::getenv("TMPDIR");
    std::string pattern =
        std::string(dir != nullptr && *dir != '\0' ? dir : "/tmp") + "/help_file_fuzz.XXXXXX";
    const int fd = mkstemp(pattern.data());
    if (fd < 0) {
      std::perror("help_file_fuzz: mkstemp");
      std::abort();
    }
    close(fd);
    std::atexit([] { unlink(InputPath().c_str()); });
    return pattern;
  }();
  return path;
}

void WriteInput(const std::uint8_t* data, std::size_t size) {
  std::FILE* out = std::fopen(InputPath().c_str(), "wb");
  if (out == nullptr || std::fwrite(data, 1, size, out) != size || std::fclose(out) != 0) {
    std::perror("help_file_fuzz: writing the input");
    std::abort();
  }
}

void CheckObjectPath(const std::string& path, const char* what) {
  FUZZ_CHECK(path.empty() || path[0] == '/',
             std::string("the ") + what + " is " + Quoted(path) + ", not an object path");
}

// The contents or the index, as the viewer fills its lists from them.
void ReadSitemap(const help::ChmFile& file, const std::string& path) {
  if (path.empty()) return;
  const std::optional<std::string> html = file.Read(path);
  if (!html) return;
  const std::vector<help::SitemapItem> tree = help::ParseSitemap(*html);
  for (const help::SitemapItem* item : help::Flatten(tree)) {
    for (const std::string& local : item->locals) {
      if (std::optional<std::string> target = help::ObjectPathOfLocal(local)) {
        (void)file.Contains(*target);
      }
    }
  }
}

// A page as the viewer shows it: its text, and what its links lead to.
void ReadPage(const help::ChmFile& file, const std::string& path, const std::string& html) {
  (void)help::ExtractText(html);
  help::HtmlScanner scanner(html);
  while (scanner.Next()) {
    if (scanner.kind() != help::HtmlScanner::Kind::kTag) continue;
    for (const char* attribute : {"href", "src"}) {
      if (const std::string* href = scanner.tag().Find(attribute)) {
        if (std::optional<std::string> target = help::ResolveLink(path, *href)) {
          (void)file.Contains(*target);
        }
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  WriteInput(data, size);
  std::optional<help::ChmFile> file = help::ChmFile::Open(InputPath());
  if (!file) return 0;
  CheckObjectPath(file->contents_file(), "contents file");
  CheckObjectPath(file->index_file(), "index file");
  CheckObjectPath(file->default_topic(), "default topic");

  ReadSitemap(*file, file->contents_file());
  ReadSitemap(*file, file->index_file());
  std::size_t pages = 0;
  for (const std::string& path : file->List()) {
    const std::optional<std::string> object = file->Read(path);
    FUZZ_CHECK(
        object || file->damaged() || !file->Contains(path),
        "the listed object " + Quoted(path) + " cannot be read, yet the file is not damaged");
    if (!help::IsPage(path)) continue;
    ++pages;
    if (object) ReadPage(*file, path, *object);
  }

  const help::SearchIndex index(*file);
  FUZZ_CHECK(index.page_count() <= pages, "the search holds " + std::to_string(index.page_count()) +
                                              " pages of " + std::to_string(pages));
  std::set<std::string> found;
  for (const help::SearchHit& hit : index.Find("rate")) {
    FUZZ_CHECK(found.insert(hit.path).second, "the search finds " + Quoted(hit.path) + " twice");
  }
  return 0;
}
