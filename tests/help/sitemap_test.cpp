// The contents and index parser on the loose HTML that help compilers and
// editors write: case, quoting, missing closing tags and odd nesting.

#include "shell/help/sitemap.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel::help {
namespace {

// A tree in one line: Name(local) with children in [ ], siblings by ",".
std::string Shape(const std::vector<SitemapItem>& items) {
  std::string out;
  for (const SitemapItem& item : items) {
    if (!out.empty()) out += ",";
    out += item.name;
    if (!item.local.empty()) out += "(" + item.local + ")";
    if (!item.children.empty()) out += "[" + Shape(item.children) + "]";
  }
  return out;
}

std::string Item(const char* name, const char* local) {
  return std::string("<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"") + name +
         "\"><param name=\"Local\" value=\"" + local + "\"></OBJECT>\n";
}

TEST(ParseSitemap, BuildsTheTreeFromMessyLists) {
  const std::string a = Item("A", "a.htm");
  const std::string b = Item("B", "b.htm");
  const std::string c = Item("C", "c.htm");
  const struct {
    std::string html;
    const char* shape;
  } cases[] = {
      {"<UL>" + a + "<UL>" + b + c + "</UL>" + Item("D", "d.htm") + "</UL>",
       "A(a.htm)[B(b.htm),C(c.htm)],D(d.htm)"},
      // Lower case, single quotes, unquoted values, odd spacing.
      {"<ul><li> <object type='text/sitemap'>\n\t<param name=Name value='A'>"
       "<param   name = local value = a.htm ></object></ul>",
       "A(a.htm)"},
      // Parameter names and the object type in any case.
      {"<UL><LI><OBJECT TYPE=\"Text/SiteMap\"><PARAM NAME=\"NAME\" VALUE=\"A\">"
       "<PARAM NAME=\"LOCAL\" VALUE=\"a.htm\"></OBJECT></UL>",
       "A(a.htm)"},
      // No </OBJECT>: the next item, object or list ends it.
      {"<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"A\">"
       "<LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"B\">"
       "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"C\"></UL></UL>",
       "A,B[C]"},
      // Lists never closed, and stray closing tags.
      {"</UL></OBJECT><UL>" + a + "<UL>" + b, "A(a.htm)[B(b.htm)]"},
      {"<UL>" + a + "</UL></UL></UL>" + b, "A(a.htm),B(b.htm)"},
      // A list right inside a list has no item to belong to: same level.
      {"<UL><UL>" + a + "</UL>" + b + "</UL>", "A(a.htm),B(b.htm)"},
      // Three levels down and back to the top.
      {"<UL>" + a + "<UL>" + b + "<UL>" + c + "</UL></UL>" + Item("D", "d.htm") + "</UL>",
       "A(a.htm)[B(b.htm)[C(c.htm)]],D(d.htm)"},
      // A heading without a page.
      {"<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Book\"></OBJECT>"
       "<UL>" +
           a + "</UL></UL>",
       "Book[A(a.htm)]"},
      // Site properties, other objects and stray parameters are not items.
      {"<OBJECT type=\"text/site properties\"><param name=\"Name\" value=\"X\"></OBJECT>"
       "<param name=\"Name\" value=\"Y\"><UL>" +
           a +
           "<LI><OBJECT type=\"application/x-oleobject\"><param name=\"Name\" value=\"Z\">"
           "</OBJECT></UL>",
       "A(a.htm)"},
      // Commented-out items stay out.
      {"<UL><!--" + b + "-->" + a + "</UL>", "A(a.htm)"},
      // Character references in values; the first Name wins.
      {"<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Fish &amp; Chips\">"
       "<param name=\"Name\" value=\"Second\"><param name=\"Local\" value=\"f%20c.htm\">"
       "</OBJECT></UL>",
       "Fish & Chips(f%20c.htm)"},
      // Items outside any list.
      {a + b, "A(a.htm),B(b.htm)"},
      {"", ""},
      {"<html><body>no lists here</body></html>", ""},
  };
  for (const auto& row : cases) EXPECT_EQ(Shape(ParseSitemap(row.html)), row.shape) << row.html;
}

TEST(ParseSitemap, KeepsEveryLocalOfAnIndexKeyword) {
  // An index keyword may lead to several pages.
  const auto items = ParseSitemap(
      "<UL><LI><OBJECT type=\"text/sitemap\"><param name=\"Name\" value=\"Rate\">"
      "<param name=\"Name\" value=\"Interest Rate\"><param name=\"Local\" value=\"r.htm\">"
      "<param name=\"Name\" value=\"IRR\"><param name=\"Local\" value=\"irr.htm\"></OBJECT></UL>");
  ASSERT_EQ(items.size(), 1u);
  EXPECT_EQ(items[0].name, "Rate");
  EXPECT_EQ(items[0].local, "r.htm");
  EXPECT_EQ(items[0].locals, (std::vector<std::string>{"r.htm", "irr.htm"}));
}

TEST(Flatten, ListsParentsBeforeChildrenInDocumentOrder) {
  const auto items = ParseSitemap("<UL>" + Item("A", "a") + "<UL>" + Item("B", "b") + "<UL>" +
                                  Item("C", "c") + "</UL></UL>" + Item("D", "d") + "</UL>");
  std::string order;
  for (const SitemapItem* item : Flatten(items)) order += item->name;
  EXPECT_EQ(order, "ABCD");
}

}  // namespace
}  // namespace quorvel::help
