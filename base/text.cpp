#include "base/text.h"

#include <iconv.h>

#include <cerrno>

namespace base {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

// Length of the (possibly malformed) UTF-8 sequence at `at`: the lead byte and only the
// continuation bytes that follow it, so a broken sequence never swallows the next character.
size_t Utf8Length(const char* at, size_t left) {
  const unsigned char lead = static_cast<unsigned char>(*at);
  size_t expected = 1;
  if (lead >= 0xF0 && lead <= 0xF4) {
    expected = 4;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    expected = 3;
  } else if (lead >= 0xC2 && lead <= 0xDF) {
    expected = 2;
  }
  size_t length = 1;
  while (length < expected && length < left &&
         (static_cast<unsigned char>(at[length]) & 0xC0) == 0x80) {
    ++length;
  }
  return length;
}

// Length of the CP936 character at `at`: two bytes only where a valid trail byte follows.
size_t Cp936Length(const char* at, size_t left) {
  const unsigned char lead = static_cast<unsigned char>(at[0]);
  if (lead < 0x81 || lead > 0xFE || left < 2) return 1;
  const unsigned char trail = static_cast<unsigned char>(at[1]);
  return trail >= 0x40 && trail <= 0xFE && trail != 0x7F ? 2 : 1;
}

// Converts with iconv; on a sequence that cannot be converted, writes "?" and skips one
// character of the source as measured by `char_length`.
std::string Convert(const char* to, const char* from, const std::string& in,
                    size_t (*char_length)(const char*, size_t)) {
  iconv_t cd = iconv_open(to, from);
  if (cd == reinterpret_cast<iconv_t>(-1)) return in;
  std::string out;
  out.reserve(in.size() * 2 + 4);
  char buffer[256];
  char* src = const_cast<char*>(in.data());
  size_t src_left = in.size();
  while (src_left > 0) {
    char* dst = buffer;
    size_t dst_left = sizeof buffer;
    const size_t result = iconv(cd, &src, &src_left, &dst, &dst_left);
    out.append(buffer, static_cast<size_t>(dst - buffer));
    if (result != static_cast<size_t>(-1)) break;
    if (errno == E2BIG) continue;
    // EILSEQ or EINVAL: replace one source character.
    const size_t skip = char_length(src, src_left);
    src += skip;
    src_left -= skip;
    out.push_back('?');
    iconv(cd, nullptr, nullptr, nullptr, nullptr);
  }
  iconv_close(cd);
  return out;
}

}  // namespace

std::string Trim(const std::string& text) {
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && IsBlank(text[begin])) ++begin;
  while (end > begin && IsBlank(text[end - 1])) --end;
  return text.substr(begin, end - begin);
}

std::string ToCp936(const std::string& utf8) {
  return Convert("CP936", "UTF-8", utf8, Utf8Length);
}

std::string FromCp936(const std::string& cp936) {
  return Convert("UTF-8", "CP936", cp936, Cp936Length);
}

std::vector<std::string> Split(const std::string& text, const std::string& separator) {
  std::vector<std::string> pieces;
  if (separator.empty()) {
    pieces.push_back(text);
    return pieces;
  }
  size_t start = 0;
  for (;;) {
    const size_t at = text.find(separator, start);
    if (at == std::string::npos) {
      pieces.push_back(text.substr(start));
      return pieces;
    }
    pieces.push_back(text.substr(start, at - start));
    start = at + separator.size();
  }
}

std::string FoldCaseCp936(std::string bytes, LetterCase to) {
  const char from_a = to == LetterCase::kUpper ? 'a' : 'A';
  const char to_a = to == LetterCase::kUpper ? 'A' : 'a';
  for (size_t i = 0; i < bytes.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(bytes[i]);
    if (c >= 0x81 && c <= 0xFE && i + 1 < bytes.size()) {
      ++i;
    } else if (c >= from_a && c <= from_a + 25) {
      bytes[i] = static_cast<char>(c - from_a + to_a);
    }
  }
  return bytes;
}

int HexDigitValue(char c, LetterCase letters) {
  const char a = letters == LetterCase::kUpper ? 'A' : 'a';
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= a && c <= a + 5) return c - a + 10;
  return -1;
}

}  // namespace base
