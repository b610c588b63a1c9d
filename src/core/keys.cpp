#include "core/keys.h"

namespace quorvel::keys {

int KeyCodeForCharacter(int c) {
  if (c >= '0' && c <= '9') return c;
  if (c >= 'A' && c <= 'Z') return c;
  if (c >= 'a' && c <= 'z') return c - 'a' + 'A';
  switch (c) {
    case 8:
      return kBack;
    case 9:
      return kTab;
    case 10:
    case 13:
      return kReturn;
    case 27:
      return kEscape;
    case ' ':
      return kSpace;
    case '*':
      return '8';
    case '$':
      return '4';
    case '+':
    case '=':
      return 187;
    case ',':
      return 188;
    case '-':
      return 189;
    case '.':
      return 190;
    case '/':
      return 191;
    default:
      return 0;
  }
}

}  // namespace quorvel::keys
