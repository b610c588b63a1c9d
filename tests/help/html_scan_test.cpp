// The forgiving HTML reader under the markup that help authoring tools and
// hand-written pages produce.

#include "shell/help/html_scan.h"

#include <gtest/gtest.h>

#include <string>

namespace quorvel::help {
namespace {

// The pieces of `html` in one line: text as [text], tags as <name a=v>,
// closing tags as </name>, self-closing ones with a trailing "/".
std::string Pieces(std::string_view html) {
  std::string out;
  HtmlScanner scanner(html);
  while (scanner.Next()) {
    if (scanner.kind() == HtmlScanner::Kind::kText) {
      out += "[" + std::string(scanner.text()) + "]";
      continue;
    }
    const HtmlTag& tag = scanner.tag();
    out += tag.closing ? "</" : "<";
    out += tag.name;
    for (const HtmlAttribute& attribute : tag.attributes) {
      out += " " + attribute.name + "=" + attribute.value;
    }
    out += tag.self_closing ? "/>" : ">";
  }
  return out;
}

TEST(HtmlScanner, ReadsLooseMarkup) {
  const struct {
    const char* html;
    const char* pieces;
  } cases[] = {
      {"<P>Hello</P>", "<p>[Hello]</p>"},
      {"<A HREF=\"x.htm\">x</A>", "<a href=x.htm>[x]</a>"},
      {"<a href='a \"b\".htm' title=\"it's\">", "<a href=a \"b\".htm title=it's>"},
      {"<param name=Local value=a.htm>", "<param name=Local value=a.htm>"},
      {"<param name=\"Name\" value=\"Fish &amp; Chips\">", "<param name=Name value=Fish & Chips>"},
      {"<input checked disabled>", "<input checked= disabled=>"},
      {"<img src = \"a b.png\" >", "<img src=a b.png>"},
      {"<br/><br />", "<br/><br/>"},
      {"<a href=x/y.htm>", "<a href=x/y.htm>"},
      {"</UL >", "</ul>"},
      {"a<!-- <b>not</b> -->b", "[a][b]"},
      {"<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML//EN\"><html>", "<html>"},
      {"<?xml version=\"1.0\"?>x", "[x]"},
      {"1 < 2 and 3 <= 4", "[1 ][< 2 and 3 ][<= 4]"},
      {"<a href=\"never closed>text", "<a href=never closed>[text]"},
      {"<script>if (a<b) x();</script>z", "<script>[if (a<b) x();]</script>[z]"},
      {"<STYLE>p{}</style>", "<style>[p{}]</style>"},
      {"<!-- unterminated comment <b>", ""},
      {"<b", "<b>"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(Pieces(c.html), c.pieces) << c.html;
}

TEST(HtmlScanner, FindsAttributesByLowerCaseName) {
  HtmlScanner scanner("<OBJECT Type=\"text/sitemap\" ID=x>");
  ASSERT_TRUE(scanner.Next());
  ASSERT_NE(scanner.tag().Find("type"), nullptr);
  EXPECT_EQ(*scanner.tag().Find("type"), "text/sitemap");
  EXPECT_EQ(scanner.tag().Find("Type"), nullptr);  // names come lower case
  EXPECT_EQ(scanner.tag().Find("value"), nullptr);
}

TEST(DecodeEntities, DecodesCharacterReferences) {
  const struct {
    const char* text;
    const char* decoded;
  } cases[] = {
      {"a &amp; b", "a & b"},
      {"&lt;b&gt;", "<b>"},
      {"&quot;x&quot; &apos;y&apos;", "\"x\" 'y'"},
      {"&Sigma;PPMT", "\xCE\xA3PPMT"},
      {"&sigma;", "\xCF\x83"},
      {"&#931;&#x3A3;&#X3a3;", "\xCE\xA3\xCE\xA3\xCE\xA3"},
      {"&#65;&#x42;", "AB"},
      {"&nbsp;", "\xC2\xA0"},
      {"&times;&minus;&euro;", "\xC3\x97\xE2\x88\x92\xE2\x82\xAC"},
      {"&#128512;", "\xF0\x9F\x98\x80"},
      {"&#0;", "\xEF\xBF\xBD"},
      {"&#xD800;", "\xEF\xBF\xBD"},
      {"&#99999999999;", "\xEF\xBF\xBD"},
      {"&bogus; &amp", "&bogus; &amp"},
      {"AT&T; 5 & 6", "AT&T; 5 & 6"},
      {"&#; &#x; &#12a;", "&#; &#x; &#12a;"},
      {"&&amp;", "&&"},
      {"&amp;amp;", "&amp;"},
      {"a & b; c", "a & b; c"},
  };
  for (const auto& c : cases) EXPECT_EQ(DecodeEntities(c.text), c.decoded) << c.text;
}

}  // namespace
}  // namespace quorvel::help
