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

}  // namespace quorvel::utf8
