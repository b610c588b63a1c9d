#pragma once
// A forgiving reader for the loose HTML of help pages, contents and index
// files: tags, attributes and text in document order. It never fails: what it
// cannot read as markup it gives back as text, unclosed quotes and comments
// end at the end of the input, and tag and attribute names come out in lower
// case whatever case the author used.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quorvel::help {

struct HtmlAttribute {
  std::string name;   // lower case
  std::string value;  // entities decoded; empty for a bare attribute
};

struct HtmlTag {
  std::string name;  // lower case, without "/"
  bool closing = false;
  bool self_closing = false;
  std::vector<HtmlAttribute> attributes;

  // The value of the attribute `attribute_name` (lower case), or nullptr
  // without it.
  const std::string* Find(std::string_view attribute_name) const;
};

class HtmlScanner {
 public:
  enum class Kind { kText, kTag };

  explicit HtmlScanner(std::string_view html) : html_(html) {}

  // Moves to the next piece; false at the end of the input. Comments,
  // declarations ("<!DOCTYPE ...>") and processing instructions are skipped.
  bool Next();

  Kind kind() const { return kind_; }
  // The raw text of a kText piece, entities not yet decoded.
  std::string_view text() const { return text_; }
  const HtmlTag& tag() const { return tag_; }
  // Byte offsets of the current piece in the input.
  std::size_t begin() const { return begin_; }
  std::size_t end() const { return pos_; }

 private:
  bool ReadTag();

  std::string_view html_;
  std::size_t pos_ = 0;
  std::size_t begin_ = 0;
  Kind kind_ = Kind::kText;
  std::string_view text_;
  HtmlTag tag_;
  std::string raw_text_end_;  // "script" or "style" while inside one
};

// Replaces character references ("&amp;", "&#931;", "&#x3A3;", "&Sigma;")
// by their characters in UTF-8. An unknown or unterminated reference stays
// as written; a number that names no character becomes U+FFFD.
std::string DecodeEntities(std::string_view text);

// ASCII lower case; other bytes unchanged.
std::string AsciiLower(std::string_view text);

}  // namespace quorvel::help
