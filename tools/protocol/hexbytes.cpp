#include "tools/protocol/hexbytes.h"

#include "base/format.h"
#include "base/text.h"

namespace protocol {

size_t ReadHexBytes(const std::string& text, uint8_t* buffer, size_t limit) {
  const std::string bytes = base::FoldCaseCp936(base::ToCp936(text), base::LetterCase::kUpper);
  if (bytes.size() < 2) return 0;
  size_t count = 0;
  bool half = false;
  for (const char ch : bytes) {
    if (count >= limit) break;
    const int value = base::HexDigitValue(ch, base::LetterCase::kUpper);
    if (value < 0) {
      half = false;
      continue;
    }
    if (!half) {
      buffer[count] = static_cast<uint8_t>(value * 16);
      half = true;
    } else {
      buffer[count] = static_cast<uint8_t>(buffer[count] + value);
      half = false;
      ++count;
    }
  }
  return count;
}

std::vector<uint8_t> ReadHexBytes(const std::string& text, size_t limit) {
  std::vector<uint8_t> buffer(limit + 1, 0);
  buffer.resize(ReadHexBytes(text, buffer.data(), limit));
  return buffer;
}

uint8_t ReadHexByte(const std::string& text) {
  const std::vector<uint8_t> bytes = ReadHexBytes(text, 100);
  return bytes.empty() ? 0 : bytes[0];
}

uint16_t ReadHexWord(const std::string& text) {
  const std::vector<uint8_t> bytes = ReadHexBytes(text, 100);
  if (bytes.empty()) return 0;
  if (bytes.size() == 1) return bytes[0];
  return static_cast<uint16_t>(bytes[0] * 256 + bytes[1]);
}

std::string FormatHexBytes(const uint8_t* bytes, size_t count) {
  std::string out;
  out.reserve(count * 3);
  for (size_t i = 0; i < count; ++i) out += base::Format("%.2X ", bytes[i]);
  return out;
}

std::string FormatHexBytes(const std::vector<uint8_t>& bytes) {
  return FormatHexBytes(bytes.data(), bytes.size());
}

}  // namespace protocol
