#pragma once
// The table of contents (.hhc) and the index (.hhk) of a help file are loose
// HTML: nested <UL> lists whose <LI> items each hold an
// <OBJECT type="text/sitemap"> with <param name="Name" value="..."> and
// <param name="Local" value="..."> inside. Authoring tools leave out closing
// tags, change case and quote as they please, so the parser here accepts all
// of that and turns the lists into a tree.

#include <string>
#include <string_view>
#include <vector>

namespace quorvel::help {

struct SitemapItem {
  std::string name;                 // the first "Name" parameter
  std::string local;                // the first "Local" parameter, as written
  std::vector<std::string> locals;  // every "Local" parameter, in order
  std::vector<SitemapItem> children;
};

// The items of the outermost list, with the nested lists as their children.
// A list that does not follow an item (a <UL> right inside another <UL>) adds
// its items to the level it opens at; closing tags that close nothing are
// ignored; a list left open ends with the text. Objects of any other type
// (such as "text/site properties") are skipped.
std::vector<SitemapItem> ParseSitemap(std::string_view html);

// Every item of the tree, parents before their children, in document order.
std::vector<const SitemapItem*> Flatten(const std::vector<SitemapItem>& items);

}  // namespace quorvel::help
