#include "tools/protocol/telecom.h"

#include <algorithm>
#include <cstring>

#include "base/format.h"
#include "tools/protocol/hexbytes.h"

namespace protocol {

namespace {

char HexChar(unsigned nibble) {
  return "0123456789ABCDEF"[nibble & 0xF];
}

void AppendHexByte(std::string* frame, uint8_t byte) {
  frame->push_back(HexChar(byte >> 4));
  frame->push_back(HexChar(byte));
}

unsigned DigitValue(uint8_t c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return c;
}

// The decoded byte of the character pair at `index` (two bytes of `chars`).
uint8_t PairAt(const std::vector<uint8_t>& chars, size_t index) {
  return AsciiHexPairToByte(chars[index], chars[index + 1]);
}

}  // namespace

std::string BuildTelecomFrame(uint8_t version, uint8_t address, uint8_t cid1, uint8_t cid2,
                              const std::vector<uint8_t>& info) {
  const size_t n = std::min(info.size(), kTelecomByteLimit);
  std::string frame = "~";
  frame.reserve(18 + 2 * n);
  for (const uint8_t field : {version, address, cid1, cid2}) AppendHexByte(&frame, field);
  const unsigned lenid = static_cast<unsigned>(2 * n);
  const unsigned digit_sum = ((lenid >> 8) & 0xF) + ((lenid >> 4) & 0xF) + (lenid & 0xF);
  frame.push_back(HexChar((16 - digit_sum % 16) % 16));
  frame.push_back(HexChar(lenid >> 8));
  frame.push_back(HexChar(lenid >> 4));
  frame.push_back(HexChar(lenid));
  for (size_t i = 0; i < n; ++i) AppendHexByte(&frame, info[i]);
  unsigned sum = 0;
  for (size_t i = 1; i < frame.size(); ++i) sum += static_cast<unsigned char>(frame[i]);
  const unsigned checksum = (65536 - sum % 65536) % 65536;
  AppendHexByte(&frame, static_cast<uint8_t>(checksum >> 8));
  AppendHexByte(&frame, static_cast<uint8_t>(checksum & 0xFF));
  frame.push_back('\r');
  return frame;
}

std::string TelecomFrameText(const TelecomFields& fields, const std::string& data) {
  const std::string frame = BuildTelecomFrame(
      ReadHexByte(fields.version), ReadHexByte(fields.address), ReadHexByte(fields.cid1),
      ReadHexByte(fields.cid2), ReadHexBytes(data, kTelecomByteLimit));
  return FormatHexBytes(reinterpret_cast<const uint8_t*>(frame.data()), frame.size());
}

uint8_t AsciiHexPairToByte(uint8_t high, uint8_t low) {
  return static_cast<uint8_t>(DigitValue(high) * 16 + DigitValue(low));
}

std::string TelecomGetByte(const std::string& data) {
  const std::vector<uint8_t> chars = ReadHexBytes(data, kTelecomByteLimit);
  if (chars.size() < 2) return "Null";
  const int b = PairAt(chars, 0);
  return base::Format("%d(0x%.2X)", b, b);
}

std::string TelecomGetWord(const std::string& data) {
  const std::vector<uint8_t> chars = ReadHexBytes(data, kTelecomByteLimit);
  if (chars.size() < 4) return "Null";
  const int w = PairAt(chars, 0) * 256 + PairAt(chars, 2);
  return base::Format("%d(0x%.4X)", w, w);
}

std::string TelecomGetFloat(const std::string& data) {
  const std::vector<uint8_t> chars = ReadHexBytes(data, kTelecomByteLimit);
  if (chars.size() < 8) return "Null";
  const uint8_t b[4] = {PairAt(chars, 0), PairAt(chars, 2), PairAt(chars, 4), PairAt(chars, 6)};
  // b[0] is the least significant byte of the single.
  const uint32_t bits = static_cast<uint32_t>(b[0]) | (static_cast<uint32_t>(b[1]) << 8) |
                        (static_cast<uint32_t>(b[2]) << 16) | (static_cast<uint32_t>(b[3]) << 24);
  float value;
  std::memcpy(&value, &bits, sizeof value);
  return base::Format("%f(%.2X %.2X %.2X %.2X)", static_cast<double>(value), b[0], b[1], b[2],
                      b[3]);
}

}  // namespace protocol
