#include "shell/help/page_text.h"

#include <array>
#include <vector>

#include "shell/help/html_scan.h"

namespace quorvel::help {
namespace {

constexpr std::array kBlockTags = {
    "p",       "div",        "br",     "li",   "ul",    "ol",    "dl",    "dt",  "dd", "tr",
    "h1",      "h2",         "h3",     "h4",   "h5",    "h6",    "table", "pre", "hr", "caption",
    "address", "blockquote", "center", "form", "thead", "tbody", "tfoot", "body"};

bool IsBlockTag(std::string_view name) {
  for (std::string_view block : kBlockTags) {
    if (block == name) return true;
  }
  return false;
}

// Collects words into lines: blanks collapse to one, a new line starts only
// where there is text on the current one.
class LineBuilder {
 public:
  void AddText(std::string_view decoded) {
    for (std::size_t i = 0; i < decoded.size(); ++i) {
      const char c = decoded[i];
      const bool nbsp = static_cast<unsigned char>(c) == 0xC2 && i + 1 < decoded.size() &&
                        static_cast<unsigned char>(decoded[i + 1]) == 0xA0;
      if (c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f' || nbsp) {
        pending_blank_ = !line_.empty();
        if (nbsp) ++i;
        continue;
      }
      if (pending_blank_) line_ += ' ';
      pending_blank_ = false;
      line_ += c;
    }
  }
  void Blank() { pending_blank_ = !line_.empty(); }
  void Break() {
    if (!line_.empty()) {
      if (!text_.empty()) text_ += '\n';
      text_ += line_;
    }
    line_.clear();
    pending_blank_ = false;
  }
  std::string Finish() {
    Break();
    return std::move(text_);
  }

 private:
  std::string text_;
  std::string line_;
  bool pending_blank_ = false;
};

}  // namespace

PageText ExtractText(std::string_view html) {
  PageText page;
  LineBuilder body;
  LineBuilder title;
  bool in_head = false;
  bool in_title = false;
  bool in_hidden = false;  // script or style
  HtmlScanner scanner(html);
  while (scanner.Next()) {
    if (scanner.kind() == HtmlScanner::Kind::kText) {
      if (in_hidden) continue;
      if (in_title) {
        title.AddText(DecodeEntities(scanner.text()));
      } else if (!in_head) {
        body.AddText(DecodeEntities(scanner.text()));
      }
      continue;
    }
    const HtmlTag& tag = scanner.tag();
    if (tag.name == "head") {
      in_head = !tag.closing;
    } else if (tag.name == "body") {
      in_head = false;  // a page that forgot </head>
    } else if (tag.name == "title") {
      in_title = !tag.closing;
    } else if (tag.name == "script" || tag.name == "style") {
      in_hidden = !tag.closing && !tag.self_closing;
    } else if (tag.name == "td" || tag.name == "th") {
      body.Blank();
    } else if (tag.name == "img" && !in_head) {
      if (const std::string* alt = tag.Find("alt")) {
        body.Blank();
        body.AddText(*alt);
        body.Blank();
      }
    }
    if (IsBlockTag(tag.name) && !in_title) body.Break();
  }
  page.title = title.Finish();
  page.text = body.Finish();
  return page;
}

bool MatchesQuery(std::string_view text, std::string_view query) {
  const std::string haystack = AsciiLower(text);
  const std::string needles = AsciiLower(query);
  bool any = false;
  std::size_t start = 0;
  while (start < needles.size()) {
    std::size_t stop = needles.find_first_of(" \t\r\n", start);
    if (stop == std::string::npos) stop = needles.size();
    if (stop > start) {
      if (haystack.find(needles.substr(start, stop - start)) == std::string::npos) return false;
      any = true;
    }
    start = stop + 1;
  }
  return any;
}

}  // namespace quorvel::help
