// The text of a page as a search sees it.

#include "shell/help/page_text.h"

#include <gtest/gtest.h>

namespace quorvel::help {
namespace {

TEST(ExtractText, KeepsWhatTheReaderSees) {
  const struct {
    const char* html;
    const char* text;
  } cases[] = {
      {"<p>Hello <b>bold</b> world</p>", "Hello bold world"},
      {"<p>one</p><p>two</p>", "one\ntwo"},
      {"<h1>Title</h1>Text<br>next line", "Title\nText\nnext line"},
      {"<ul><li>a<li>b</ul>", "a\nb"},
      {"<table><tr><td>NPer</td><td>12</td></tr><tr><th>PV</th><td>1000</td></tr></table>",
       "NPer 12\nPV 1000"},
      {"<p>  lots \t of\n\n   blanks  </p>", "lots of blanks"},
      {"<p>a&nbsp;&nbsp;b</p>", "a b"},
      {"<p>5 &lt; 6 &amp; &Sigma;PPMT</p>", "5 < 6 & \xCE\xA3PPMT"},
      {"un<b>brok</b>en", "unbroken"},
      {"<p>a<!-- hidden --> b</p>", "a b"},
      {"<script>var x = '<p>no</p>';</script><style>p { color: red }</style>seen", "seen"},
      {"<head><meta name=x content=y><link rel=stylesheet href=c.css></head><body>b</body>", "b"},
      {"<p>see <img src=\"x.png\" alt=\"a diagram\"> here</p>", "see a diagram here"},
      {"<p>no closing tags<p>at all", "no closing tags\nat all"},
      {"plain text only", "plain text only"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(ExtractText(c.html).text, c.text) << c.html;
}

TEST(ExtractText, TakesTheTitleFromTheHead) {
  const PageText page = ExtractText(
      "<html><head><title>PMT:\n  Payment &amp; more</title></head>"
      "<body><h1>PMT</h1><p>Body</p></body></html>");
  EXPECT_EQ(page.title, "PMT: Payment & more");
  EXPECT_EQ(page.text, "PMT\nBody");
  EXPECT_EQ(ExtractText("<p>no head</p>").title, "");
  // A page that forgot </head> still has a body.
  EXPECT_EQ(ExtractText("<head><title>T</title><body>b").text, "b");
}

TEST(MatchesQuery, NeedsEveryWordInAnyCase) {
  const char* text = "Error! Divide by zero.\nThe status bar shows the formula";
  const struct {
    const char* query;
    bool matches;
  } cases[] = {
      {"divide", true},
      {"DIVIDE BY ZERO", true},
      {"zero   status", true},
      {"Status Bar", true},
      {"divide overflow", false},
      {"formulas", false},
      {"", false},
      {"   ", false},
  };
  for (const auto& c : cases) EXPECT_EQ(MatchesQuery(text, c.query), c.matches) << c.query;
}

}  // namespace
}  // namespace quorvel::help
