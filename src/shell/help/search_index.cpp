#include "shell/help/search_index.h"

#include <algorithm>
#include <optional>

#include "shell/help/help_check.h"
#include "shell/help/page_text.h"
#include "shell/help/sitemap.h"

namespace quorvel::help {

SearchIndex::SearchIndex(const ChmFile& file) {
  // The contents' order first, so that hits come in the order a reader knows.
  std::vector<std::string> order;
  if (std::optional<std::string> contents = file.Read(file.contents_file())) {
    const std::vector<SitemapItem> tree = ParseSitemap(*contents);
    for (const SitemapItem* item : Flatten(tree)) {
      for (const std::string& local : item->locals) {
        if (std::optional<std::string> path = ObjectPathOfLocal(local)) order.push_back(*path);
      }
    }
  }
  for (const std::string& path : file.List()) order.push_back(path);

  std::vector<std::string> seen;
  for (const std::string& path : order) {
    if (!IsPage(path) || std::find(seen.begin(), seen.end(), path) != seen.end()) continue;
    seen.push_back(path);
    const std::optional<std::string> html = file.Read(path);
    if (!html) continue;
    PageText text = ExtractText(*html);
    std::string title = text.title.empty() ? path : text.title;
    pages_.push_back({path, title, title + "\n" + text.text});
  }
}

std::vector<SearchHit> SearchIndex::Find(std::string_view query) const {
  std::vector<SearchHit> hits;
  for (const Page& page : pages_) {
    if (MatchesQuery(page.text, query)) hits.push_back({page.path, page.title});
  }
  return hits;
}

}  // namespace quorvel::help
