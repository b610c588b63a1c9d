#pragma once
// The readable text of a help page, for searching: the tags stripped, the
// character references decoded, the blanks between words tidied.

#include <string>
#include <string_view>

namespace quorvel::help {

struct PageText {
  std::string title;  // the <title>, on one line
  std::string text;   // the body: one line per paragraph, heading, list item or table row
};

// The title and the text of a page. What the reader never sees stays out: the
// head (apart from the title), scripts, styles and comments. Blocks
// (paragraphs, headings, list items, table rows, line breaks) start new lines;
// table cells are separated by a blank; runs of blanks, tabs and line feeds
// inside a block become one blank, and no-break spaces count as blanks.
PageText ExtractText(std::string_view html);

// Whether every word of `query` (split at blanks) occurs in `text`, ignoring
// the case of ASCII letters. A query without words matches nothing.
bool MatchesQuery(std::string_view text, std::string_view query);

}  // namespace quorvel::help
