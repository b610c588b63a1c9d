#include "shell/help/html_scan.h"

#include <algorithm>
#include <cstdint>

#include "core/utf8.h"

namespace quorvel::help {
namespace {

bool IsSpace(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\f'; }
bool IsAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNameChar(char c) { return IsAlpha(c) || IsDigit(c) || c == '-' || c == '_' || c == ':'; }

struct NamedEntity {
  std::string_view name;
  char32_t code;
};

// The references that help pages are likely to use; names are case-sensitive.
constexpr NamedEntity kEntities[] = {
    {"amp", U'&'},     {"lt", U'<'},      {"gt", U'>'},      {"quot", U'"'},     {"apos", U'\''},
    {"nbsp", 0xA0},    {"copy", 0xA9},    {"reg", 0xAE},     {"trade", 0x2122},  {"hellip", 0x2026},
    {"mdash", 0x2014}, {"ndash", 0x2013}, {"minus", 0x2212}, {"times", 0xD7},    {"divide", 0xF7},
    {"middot", 0xB7},  {"bull", 0x2022},  {"laquo", 0xAB},   {"raquo", 0xBB},    {"lsquo", 0x2018},
    {"rsquo", 0x2019}, {"ldquo", 0x201C}, {"rdquo", 0x201D}, {"Sigma", 0x3A3},   {"sigma", 0x3C3},
    {"sum", 0x2211},   {"deg", 0xB0},     {"plusmn", 0xB1},  {"sup2", 0xB2},     {"sup3", 0xB3},
    {"frac12", 0xBD},  {"frac14", 0xBC},  {"euro", 0x20AC},  {"pound", 0xA3},    {"cent", 0xA2},
    {"yen", 0xA5},     {"sect", 0xA7},    {"para", 0xB6},    {"larr", 0x2190},   {"uarr", 0x2191},
    {"rarr", 0x2192},  {"darr", 0x2193},  {"harr", 0x2194},  {"le", 0x2264},     {"ge", 0x2265},
    {"ne", 0x2260},    {"asymp", 0x2248}, {"infin", 0x221E}, {"radic", 0x221A},  {"prod", 0x220F},
    {"shy", 0xAD},     {"ensp", 0x2002},  {"emsp", 0x2003},  {"thinsp", 0x2009}, {"iexcl", 0xA1},
    {"iquest", 0xBF},  {"auml", 0xE4},    {"ouml", 0xF6},    {"uuml", 0xFC},     {"Auml", 0xC4},
    {"Ouml", 0xD6},    {"Uuml", 0xDC},    {"szlig", 0xDF},   {"eacute", 0xE9},   {"egrave", 0xE8},
    {"agrave", 0xE0},  {"ccedil", 0xE7},  {"ntilde", 0xF1},
};

// The character of the reference whose body (between "&" and ";") is `body`,
// or -1 when it names none that we know.
std::int64_t ReferenceCode(std::string_view body) {
  if (body.size() >= 2 && body[0] == '#') {
    const bool hex = body[1] == 'x' || body[1] == 'X';
    std::string_view digits = body.substr(hex ? 2 : 1);
    if (digits.empty()) return -1;
    std::int64_t code = 0;
    for (char c : digits) {
      int digit;
      if (IsDigit(c)) {
        digit = c - '0';
      } else if (hex && c >= 'a' && c <= 'f') {
        digit = c - 'a' + 10;
      } else if (hex && c >= 'A' && c <= 'F') {
        digit = c - 'A' + 10;
      } else {
        return -1;
      }
      code = code * (hex ? 16 : 10) + digit;
      if (code > 0x10FFFF) code = 0x110000;  // keep it from growing; invalid anyway
    }
    return code;
  }
  for (const NamedEntity& entity : kEntities) {
    if (entity.name == body) return entity.code;
  }
  return -1;
}

}  // namespace

const std::string* HtmlTag::Find(std::string_view attribute_name) const {
  for (const HtmlAttribute& attribute : attributes) {
    if (attribute.name == attribute_name) return &attribute.value;
  }
  return nullptr;
}

std::string AsciiLower(std::string_view text) {
  std::string out(text);
  for (char& c : out) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return out;
}

std::string DecodeEntities(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i] != '&') {
      out += text[i++];
      continue;
    }
    // References are short; a ";" further away belongs to something else.
    const std::size_t semicolon = text.substr(i + 1, 32).find(';');
    if (semicolon != std::string_view::npos) {
      const std::int64_t code = ReferenceCode(text.substr(i + 1, semicolon));
      if (code >= 0) {
        utf8::Append(out, static_cast<char32_t>(code));
        i += semicolon + 2;
        continue;
      }
    }
    out += text[i++];
  }
  return out;
}

bool HtmlScanner::Next() {
  if (pos_ >= html_.size()) return false;
  begin_ = pos_;

  if (!raw_text_end_.empty()) {
    // Inside <script> or <style> everything up to the closing tag is text.
    const std::string lower = AsciiLower(html_.substr(pos_));
    std::size_t close = lower.find("</" + raw_text_end_);
    if (close == std::string::npos) close = lower.size();
    raw_text_end_.clear();
    if (close > 0) {
      kind_ = Kind::kText;
      text_ = html_.substr(pos_, close);
      pos_ += close;
      return true;
    }
  }

  while (pos_ < html_.size()) {
    if (html_[pos_] == '<') {
      if (html_.substr(pos_, 4) == "<!--") {
        const std::size_t close = html_.find("-->", pos_ + 4);
        pos_ = close == std::string_view::npos ? html_.size() : close + 3;
        begin_ = pos_;
        continue;
      }
      if (pos_ + 1 < html_.size() && (html_[pos_ + 1] == '!' || html_[pos_ + 1] == '?')) {
        const std::size_t close = html_.find('>', pos_);
        pos_ = close == std::string_view::npos ? html_.size() : close + 1;
        begin_ = pos_;
        continue;
      }
      if (ReadTag()) return true;
    }
    // Text runs to the next "<" that could start markup.
    std::size_t stop = pos_ + 1;
    while (stop < html_.size() && html_[stop] != '<') ++stop;
    kind_ = Kind::kText;
    text_ = html_.substr(pos_, stop - pos_);
    pos_ = stop;
    return true;
  }
  return false;
}

bool HtmlScanner::ReadTag() {
  std::size_t p = pos_ + 1;
  HtmlTag tag;
  if (p < html_.size() && html_[p] == '/') {
    tag.closing = true;
    ++p;
  }
  if (p >= html_.size() || !IsAlpha(html_[p])) return false;
  const std::size_t name_start = p;
  while (p < html_.size() && IsNameChar(html_[p])) ++p;
  tag.name = AsciiLower(html_.substr(name_start, p - name_start));

  while (p < html_.size() && html_[p] != '>') {
    const char c = html_[p];
    if (IsSpace(c) || c == '"' || c == '\'') {
      ++p;
      continue;
    }
    if (c == '/') {
      tag.self_closing = true;
      ++p;
      continue;
    }
    tag.self_closing = false;
    const std::size_t attr_start = p;
    while (p < html_.size() && !IsSpace(html_[p]) && html_[p] != '=' && html_[p] != '>' &&
           html_[p] != '/') {
      ++p;
    }
    if (p == attr_start) {  // a stray "=": skip it
      ++p;
      continue;
    }
    HtmlAttribute attribute{AsciiLower(html_.substr(attr_start, p - attr_start)), {}};
    std::size_t q = p;
    while (q < html_.size() && IsSpace(html_[q])) ++q;
    if (q < html_.size() && html_[q] == '=') {
      ++q;
      while (q < html_.size() && IsSpace(html_[q])) ++q;
      std::size_t value_start = q;
      std::size_t value_end;
      if (q < html_.size() && (html_[q] == '"' || html_[q] == '\'')) {
        const char quote = html_[q];
        value_start = q + 1;
        value_end = html_.find(quote, value_start);
        if (value_end == std::string_view::npos) {
          // An unclosed quote: the value ends with the tag.
          value_end = html_.find('>', value_start);
          if (value_end == std::string_view::npos) value_end = html_.size();
          q = value_end;
        } else {
          q = value_end + 1;
        }
      } else {
        while (q < html_.size() && !IsSpace(html_[q]) && html_[q] != '>') ++q;
        value_end = q;
      }
      attribute.value = DecodeEntities(html_.substr(value_start, value_end - value_start));
      p = q;
    }
    tag.attributes.push_back(std::move(attribute));
  }
  pos_ = p < html_.size() ? p + 1 : html_.size();
  kind_ = Kind::kTag;
  tag_ = std::move(tag);
  if (!tag_.closing && !tag_.self_closing && (tag_.name == "script" || tag_.name == "style")) {
    raw_text_end_ = tag_.name;
  }
  return true;
}

}  // namespace quorvel::help
