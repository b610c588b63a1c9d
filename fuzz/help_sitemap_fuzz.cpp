// The help file's contents and index (ParseSitemap, Flatten) and the links
// of the help pages (ResolveLink), from any bytes.
//
// Input: the whole input is parsed as a contents file. Its first line (up to
// the first LF) is also taken as a page's path and the rest as a link on
// that page.
//
// Properties:
// - the parser never fails, and the tree it builds is no deeper than the
//   input can describe: every level takes at least one "<ul>" (or "<ol>")
//   and one "<object" of the input, so walking the tree (and freeing it) recurses
//   a bounded number of times;
// - Flatten lists every item of the tree once, parents before their
//   children, in document order; every item's local is its first locals
//   entry;
// - a resolved link is an object path: it starts with "/", has no empty,
//   "." or ".." segment but an empty last one (a folder), and no "\"; the
//   same holds for the path of every item's locals.

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "fuzz_check.h"
#include "shell/help/chm_file.h"
#include "shell/help/sitemap.h"

namespace {

using quorvel::fuzz::Quoted;
using quorvel::help::SitemapItem;

// Counts the non-overlapping occurrences of `what`, ignoring ASCII case.
std::size_t CountIgnoringCase(std::string_view text, std::string_view what) {
  std::size_t count = 0;
  for (std::size_t i = 0; i + what.size() <= text.size();) {
    bool match = true;
    for (std::size_t j = 0; j < what.size() && match; ++j) {
      char c = text[i + j];
      if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
      match = c == what[j];
    }
    if (match) {
      ++count;
      i += what.size();
    } else {
      ++i;
    }
  }
  return count;
}

void CheckObjectPath(const std::optional<std::string>& path, const std::string& where) {
  if (!path) return;
  FUZZ_CHECK(!path->empty() && (*path)[0] == '/', where + " gives " + Quoted(*path));
  FUZZ_CHECK(path->find('\\') == std::string::npos, where + " gives " + Quoted(*path));
  for (std::size_t start = 1; start <= path->size();) {
    std::size_t slash = path->find('/', start);
    if (slash == std::string::npos) slash = path->size();
    const std::string_view segment = std::string_view(*path).substr(start, slash - start);
    const bool last = slash == path->size();
    FUZZ_CHECK(segment != "." && segment != ".." && (last || !segment.empty()),
               where + " gives " + Quoted(*path));
    start = slash + 1;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view html(reinterpret_cast<const char*>(data), size);
  const std::vector<SitemapItem> tree = quorvel::help::ParseSitemap(html);
  const std::vector<const SitemapItem*> flat = quorvel::help::Flatten(tree);
  const std::string where = "the contents " + Quoted(html);

  // Walk the tree without recursion, in document order (parents first), and
  // compare with Flatten item by item.
  const std::size_t lists = CountIgnoringCase(html, "<ul") + CountIgnoringCase(html, "<ol");
  const std::size_t max_depth = std::min(lists, CountIgnoringCase(html, "<object")) + 1;
  std::vector<std::pair<const std::vector<SitemapItem>*, std::size_t>> stack{{&tree, 0}};
  std::size_t index = 0;
  while (!stack.empty()) {
    auto& [items, next] = stack.back();
    if (next == items->size()) {
      stack.pop_back();
      continue;
    }
    const SitemapItem& item = (*items)[next++];
    FUZZ_CHECK(index < flat.size() && flat[index] == &item,
               where + ": Flatten differs from the tree at item " + std::to_string(index));
    ++index;
    FUZZ_CHECK(item.locals.empty() ? item.local.empty() : item.local == item.locals.front(),
               where + ": the local " + Quoted(item.local) + " is not the first of its locals");
    for (const std::string& local : item.locals) {
      CheckObjectPath(quorvel::help::ObjectPathOfLocal(local), "the local " + Quoted(local));
      CheckObjectPath(quorvel::help::ResolveLink("/html Docs/Welcome.htm", local),
                      "the link " + Quoted(local));
    }
    if (!item.children.empty()) {
      stack.emplace_back(&item.children, 0);
      FUZZ_CHECK(stack.size() <= max_depth,
                 where + ": a tree " + std::to_string(stack.size()) + " levels deep");
    }
  }
  FUZZ_CHECK(index == flat.size(), where + ": Flatten lists " + std::to_string(flat.size()) +
                                       " items, the tree holds " + std::to_string(index));

  const std::size_t newline = html.find('\n');
  if (newline != std::string_view::npos) {
    const std::string_view from = html.substr(0, newline);
    const std::string_view href = html.substr(newline + 1);
    CheckObjectPath(quorvel::help::ResolveLink(from, href),
                    "the link " + Quoted(href) + " on " + Quoted(from));
  }
  return 0;
}
