#pragma once
// What every fuzz target shares: a check that stops the run at the first
// broken property (libFuzzer then keeps the input that broke it), and a
// readable form of the texts the message shows.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace quorvel::fuzz {

// The text with every byte outside printable ASCII written as \xHH, in quotes,
// so that a failure message shows exactly which bytes were involved.
inline std::string Quoted(std::string_view text) {
  static const char kHex[] = "0123456789ABCDEF";
  std::string out = "\"";
  for (unsigned char c : text) {
    if (c >= 0x20 && c < 0x7F && c != '\\' && c != '"') {
      out += static_cast<char>(c);
    } else {
      out += "\\x";
      out += kHex[c >> 4];
      out += kHex[c & 0xF];
    }
  }
  return out + "\"";
}

// A double with all 17 digits, for messages.
inline std::string Digits(double value) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%.17g", value);
  return buffer;
}

[[noreturn]] inline void Fail(const char* file, int line, const char* condition,
                              const std::string& detail) {
  std::fprintf(stderr, "\n%s:%d: property broken: %s\n  %s\n", file, line, condition,
               detail.c_str());
  std::fflush(stderr);
  __builtin_trap();
}

// The bytes of a fuzz input, taken from the front: a few control bytes
// first, then the rest as text.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  // The next byte, or 0 once the input is used up.
  std::uint8_t Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  // The next eight bytes as a double, bit for bit (zero bytes past the end).
  double Bits() {
    std::uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits = bits << 8 | Byte();
    return __builtin_bit_cast(double, bits);
  }
  // Everything not taken yet.
  std::string_view Rest() {
    std::string_view rest(reinterpret_cast<const char*>(data_) + pos_, size_ - pos_);
    pos_ = size_;
    return rest;
  }

 private:
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t pos_ = 0;
};

}  // namespace quorvel::fuzz

// Stops the fuzzer when `condition` does not hold; `detail` (a std::string
// expression) is only built on failure.
#define FUZZ_CHECK(condition, detail)                                                  \
  do {                                                                                 \
    if (!(condition)) ::quorvel::fuzz::Fail(__FILE__, __LINE__, #condition, (detail)); \
  } while (false)
