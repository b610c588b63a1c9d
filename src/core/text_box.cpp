#include "core/text_box.h"

#include <algorithm>
#include <cctype>
#include <utility>

#include "core/utf8.h"

namespace quorvel {
namespace {

// CR LF for every kind of line break.
std::string NormalizeLineBreaks(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (c == '\r') {
      out += "\r\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (c == '\n') {
      out += "\r\n";
    } else {
      out += c;
    }
  }
  return out;
}

bool HasLineBreak(std::string_view text) { return text.find_first_of("\r\n") != text.npos; }

// What Ctrl+Backspace and Ctrl+Delete treat as one word. Bytes of multi-byte
// characters all count as word bytes, so a character is never split.
enum class CharClass { Blank, LineBreak, Word, Sign };

CharClass ClassOf(char c) {
  const auto byte = static_cast<unsigned char>(c);
  if (byte == ' ' || byte == '\t') return CharClass::Blank;
  if (byte == '\r' || byte == '\n') return CharClass::LineBreak;
  if (byte >= 0x80 || std::isalnum(byte) || byte == '.' || byte == '_') return CharClass::Word;
  return CharClass::Sign;
}

}  // namespace

void TextBox::SetText(std::string text) {
  ++revision_;
  text_ = multi_line_ && HasLineBreak(text) ? NormalizeLineBreaks(text) : std::move(text);
  length_ = utf8::Length(text_);
  sel_start_ = length_;
  sel_length_ = 0;
}

void TextBox::SetSelStart(int position) {
  ++revision_;
  sel_start_ = std::clamp(position, 0, length_);
  sel_length_ = 0;
}

void TextBox::SetSelLength(int length) {
  ++revision_;
  sel_length_ = std::clamp(length, 0, length_ - sel_start_);
}

void TextBox::Select(int start, int length) {
  SetSelStart(start);
  SetSelLength(length);
}

std::string TextBox::SelText() const {
  return std::string(utf8::Left(utf8::Mid(text_, sel_start_), sel_length_));
}

void TextBox::SetSelText(std::string_view replacement) {
  std::string normalized;
  if (multi_line_ && HasLineBreak(replacement)) {
    normalized = NormalizeLineBreaks(replacement);
    replacement = normalized;
  }
  ++revision_;
  std::size_t from = utf8::Offset(text_, sel_start_);
  std::size_t to = utf8::Offset(text_, sel_start_ + sel_length_);
  text_.replace(from, to - from, replacement);
  int inserted = utf8::Length(replacement);
  length_ += inserted - sel_length_;
  sel_start_ += inserted;
  sel_length_ = 0;
}

void TextBox::ApplyKey(int code) {
  if (code <= 0) return;
  if (code == 8) {
    if (sel_length_ == 0) {
      if (sel_start_ == 0) return;
      // A line break of a multi-line box goes as a whole.
      bool crlf =
          multi_line_ && sel_start_ >= 2 && utf8::Mid(text_, sel_start_ - 2).substr(0, 2) == "\r\n";
      Select(sel_start_ - (crlf ? 2 : 1), crlf ? 2 : 1);
    }
    SetSelText("");
    return;
  }
  if (code == 13 || code == 10) {
    if (multi_line_) SetSelText("\r\n");
    return;
  }
  if (code < 32 || code == 127) return;
  SetSelText(utf8::Encode(static_cast<char32_t>(code)));
}

void TextBox::DeleteForward() {
  if (sel_length_ == 0) {
    if (sel_start_ >= length_) return;
    bool crlf = multi_line_ && utf8::Mid(text_, sel_start_).substr(0, 2) == "\r\n";
    SetSelLength(crlf ? 2 : 1);
  }
  SetSelText("");
}

void TextBox::DeleteWordBackward() {
  if (sel_length_ > 0) return SetSelText("");
  const std::size_t caret = utf8::Offset(text_, sel_start_);
  std::size_t from = caret;
  while (from > 0 && ClassOf(text_[from - 1]) == CharClass::Blank) --from;
  if (from > 0) {
    const CharClass run = ClassOf(text_[from - 1]);
    if (run == CharClass::LineBreak) {
      from -= from >= 2 && text_.compare(from - 2, 2, "\r\n") == 0 ? 2 : 1;
    } else {
      while (from > 0 && ClassOf(text_[from - 1]) == run) --from;
    }
  }
  DeleteBytes(from, caret);
}

void TextBox::DeleteWordForward() {
  if (sel_length_ > 0) return SetSelText("");
  const std::size_t caret = utf8::Offset(text_, sel_start_);
  std::size_t to = caret;
  if (to < text_.size()) {
    const CharClass run = ClassOf(text_[to]);
    if (run == CharClass::LineBreak) {
      to += text_.compare(to, 2, "\r\n") == 0 ? 2 : 1;
    } else {
      while (to < text_.size() && ClassOf(text_[to]) == run) ++to;
    }
  }
  while (to < text_.size() && ClassOf(text_[to]) == CharClass::Blank) ++to;
  DeleteBytes(caret, to);
}

void TextBox::DeleteBytes(std::size_t from, std::size_t to) {
  if (from == to) return;
  const std::size_t caret = utf8::Offset(text_, sel_start_);
  const int start = sel_start_ - utf8::Length(std::string_view(text_).substr(from, caret - from));
  Select(start, utf8::Length(std::string_view(text_).substr(from, to - from)));
  SetSelText("");
}

void TextBox::SelectAll() { Select(0, length_); }

}  // namespace quorvel
