// Character code generator: the code bytes of a text, either its GBK (code page 936) bytes
// or its UTF-16 code units written high byte first.
#pragma once

#include <string>

namespace mcu {

enum class CharacterSet { kMultibyte, kUnicode };

// The input holds at most this many GBK bytes; longer text is cut after its last whole
// character within them.
constexpr size_t kMaxCodeTextBytes = 1023;

struct CodeOptions {
  CharacterSet set = CharacterSet::kMultibyte;
  bool comma = false;   // "," between bytes instead of a blank
  bool prefix = false;  // "0x" before every byte
};

// GBK bytes of UTF-8 `text` (unknown characters as "?"), cut to the byte limit.
std::string LimitedGbk(const std::string& text);

// The code text of UTF-8 `text`: "%.2X" per byte, separated, no separator after the last.
std::string CharacterCodes(const std::string& text, const CodeOptions& options);

}  // namespace mcu
