#include "core/utf8.h"

namespace quorvel::utf8 {
namespace {
bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }
}  // namespace

int Length(std::string_view text) {
  int count = 0;
  for (unsigned char c : text) {
    if (!IsContinuation(c)) ++count;
  }
  return count;
}

std::size_t Offset(std::string_view text, int chars) {
  if (chars <= 0) return 0;
  int seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (!IsContinuation(static_cast<unsigned char>(text[i]))) {
      if (seen == chars) return i;
      ++seen;
    }
  }
  return text.size();
}

std::string_view Left(std::string_view text, int chars) {
  return text.substr(0, Offset(text, chars));
}

std::string_view Mid(std::string_view text, int chars) { return text.substr(Offset(text, chars)); }

void Append(std::string& out, char32_t code) {
  if (code == 0 || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF)) code = 0xFFFD;
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else if (code < 0x10000) {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (code >> 18));
    out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

std::string Encode(char32_t code) {
  std::string out;
  Append(out, code);
  return out;
}

char32_t Next(std::string_view text, std::size_t& i) {
  const auto lead = static_cast<unsigned char>(text[i++]);
  int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
  char32_t code = extra == 0 ? lead : lead & (0x3F >> extra);
  for (; extra > 0 && i < text.size() && IsContinuation(static_cast<unsigned char>(text[i]));
       --extra) {
    code = (code << 6) | (static_cast<unsigned char>(text[i++]) & 0x3F);
  }
  return code;
}

}  // namespace quorvel::utf8
