#include "shell/help/sitemap.h"

#include <optional>

#include "shell/help/html_scan.h"

namespace quorvel::help {
namespace {

bool IsSitemapObject(const HtmlTag& tag) {
  const std::string* type = tag.Find("type");
  return type != nullptr && AsciiLower(*type) == "text/sitemap";
}

void Collect(const std::vector<SitemapItem>& items, std::vector<const SitemapItem*>& out) {
  for (const SitemapItem& item : items) {
    out.push_back(&item);
    Collect(item.children, out);
  }
}

}  // namespace

std::vector<SitemapItem> ParseSitemap(std::string_view html) {
  std::vector<SitemapItem> root;
  // The lists that are open, innermost last. A nested list belongs to the last
  // item of the list around it, which stays put while we fill it: items are
  // only ever appended to the innermost open list.
  std::vector<std::vector<SitemapItem>*> open{&root};
  std::optional<SitemapItem> object;  // the sitemap object being read
  bool in_other_object = false;

  auto finish_object = [&] {
    if (object) {
      open.back()->push_back(std::move(*object));
      object.reset();
    }
  };

  HtmlScanner scanner(html);
  while (scanner.Next()) {
    if (scanner.kind() != HtmlScanner::Kind::kTag) continue;
    const HtmlTag& tag = scanner.tag();
    if (tag.name == "object") {
      if (tag.closing) {
        finish_object();
        in_other_object = false;
      } else {
        finish_object();  // an object left open ends where the next begins
        in_other_object = !IsSitemapObject(tag);
        if (!in_other_object) object.emplace();
      }
    } else if (tag.name == "param" && !tag.closing) {
      if (!object || in_other_object) continue;
      const std::string* name = tag.Find("name");
      const std::string* value = tag.Find("value");
      if (name == nullptr || value == nullptr) continue;
      const std::string key = AsciiLower(*name);
      if (key == "name" && object->name.empty()) {
        object->name = *value;
      } else if (key == "local") {
        if (object->locals.empty()) object->local = *value;
        object->locals.push_back(*value);
      }
    } else if (tag.name == "ul" || tag.name == "ol") {
      finish_object();
      if (tag.closing) {
        if (open.size() > 1) open.pop_back();
      } else {
        std::vector<SitemapItem>& current = *open.back();
        open.push_back(current.empty() ? &current : &current.back().children);
      }
    } else if (tag.name == "li") {
      finish_object();
    }
  }
  finish_object();
  return root;
}

std::vector<const SitemapItem*> Flatten(const std::vector<SitemapItem>& items) {
  std::vector<const SitemapItem*> out;
  Collect(items, out);
  return out;
}

}  // namespace quorvel::help
