#include "core/text_box.h"

#include <algorithm>
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

}  // namespace quorvel
