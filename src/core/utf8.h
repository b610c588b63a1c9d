#pragma once
// Text boxes count caret positions in characters, while the model keeps its
// texts as UTF-8. These helpers translate between the two without ever
// splitting a multi-byte character.

#include <cstddef>
#include <string>
#include <string_view>

namespace quorvel::utf8 {

// Number of characters (code points) in a UTF-8 text.
int Length(std::string_view text);

// Byte offset of the character at index `chars`; the text's size when
// `chars` lies beyond its end, 0 when it is negative.
std::size_t Offset(std::string_view text, int chars);

// The first `chars` characters.
std::string_view Left(std::string_view text, int chars);

// Everything from character index `chars` on.
std::string_view Mid(std::string_view text, int chars);

// Appends the UTF-8 bytes of one code point; a NUL, a surrogate or a code
// beyond U+10FFFF becomes U+FFFD, the replacement character.
void Append(std::string& out, char32_t code);
std::string Encode(char32_t code);

// Decodes the character at byte `i` and moves `i` past it. A byte that
// cannot start a character comes through as itself.
char32_t Next(std::string_view text, std::size_t& i);

}  // namespace quorvel::utf8
