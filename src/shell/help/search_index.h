#pragma once
// A search over the text of every page of a help file, for the viewer's
// search box: the pages' text is extracted once, then each query runs in
// memory.

#include <string>
#include <string_view>
#include <vector>

#include "shell/help/chm_file.h"

namespace quorvel::help {

struct SearchHit {
  std::string path;   // the page's object path
  std::string title;  // its title, or the path when it has none
};

class SearchIndex {
 public:
  // Reads every page of `file` (pages that cannot be read are left out).
  explicit SearchIndex(const ChmFile& file);

  // The pages whose title or text holds every word of `query`, ignoring case:
  // first in the order of the table of contents, then any others.
  std::vector<SearchHit> Find(std::string_view query) const;

  std::size_t page_count() const { return pages_.size(); }

 private:
  struct Page {
    std::string path;
    std::string title;
    std::string text;  // title and body, for matching
  };
  std::vector<Page> pages_;
};

}  // namespace quorvel::help
