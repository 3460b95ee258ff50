#include "tools/protocol/storagecode.h"

#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "base/cnum.h"
#include "base/format.h"
#include "base/text.h"
#include "tools/protocol/hexbytes.h"

namespace protocol {

namespace {

// The least significant `width` bytes of `value`, in code order.
std::vector<uint8_t> CodeBytes(uint64_t value, size_t width, bool reverse) {
  std::vector<uint8_t> bytes(width);
  for (size_t i = 0; i < width; ++i) bytes[i] = static_cast<uint8_t>(value >> (8 * i));
  if (reverse) std::vector<uint8_t>(bytes.rbegin(), bytes.rend()).swap(bytes);
  return bytes;
}

std::string JoinCode(const std::vector<uint8_t>& bytes) {
  std::string out;
  for (size_t i = 0; i < bytes.size(); ++i) {
    if (i > 0) out += ' ';
    out += base::Format("%.2X", bytes[i]);
  }
  return out;
}

// The first `width` bytes as an unsigned value; the first byte is the least significant
// one unless `reverse`.
uint64_t CodeValue(const std::vector<uint8_t>& bytes, size_t width, bool reverse) {
  uint64_t value = 0;
  for (size_t i = 0; i < width; ++i) {
    const uint64_t byte = bytes[reverse ? i : width - 1 - i];
    value = (value << 8) | byte;
  }
  return value;
}

// Nearest single to `value`; beyond the largest finite single it rounds to infinity as
// IEEE 754 does (a plain cast of such a value is undefined in C++).
float ToSingle(double value) {
  constexpr double kOverflow = 0x1.ffffffp+127;  // halfway to 2^128
  constexpr float kInfinity = std::numeric_limits<float>::infinity();
  if (value >= kOverflow) return kInfinity;
  if (value <= -kOverflow) return -kInfinity;
  return static_cast<float>(value);
}

size_t Width(StorageType type) {
  switch (type) {
    case StorageType::kShort:
    case StorageType::kUShort:
      return 2;
    case StorageType::kInt:
    case StorageType::kUInt:
    case StorageType::kFloat:
      return 4;
    case StorageType::kDouble:
      return 8;
    case StorageType::kUChar:
    case StorageType::kAscii:
      return 1;
  }
  return 1;
}

}  // namespace

std::string ValueToStorageCode(StorageType type, const std::string& text, bool reverse) {
  switch (type) {
    case StorageType::kUChar:
      return base::Format("%.2x", static_cast<uint8_t>(base::ReadLong(text)));
    case StorageType::kShort:
    case StorageType::kUShort:
    case StorageType::kInt:
      return JoinCode(CodeBytes(static_cast<uint32_t>(base::ReadLong(text)), Width(type), reverse));
    case StorageType::kUInt:
      return JoinCode(CodeBytes(base::ReadULong(text), 4, reverse));
    case StorageType::kFloat: {
      const float value = ToSingle(base::ReadDecimalDouble(text));
      uint32_t bits;
      std::memcpy(&bits, &value, sizeof bits);
      return JoinCode(CodeBytes(bits, 4, reverse));
    }
    case StorageType::kDouble: {
      const double value = base::ReadDecimalDouble(text);
      uint64_t bits;
      std::memcpy(&bits, &value, sizeof bits);
      return JoinCode(CodeBytes(bits, 8, reverse));
    }
    case StorageType::kAscii: {
      const std::string bytes = base::ToCp936(text).substr(0, kStorageByteLimit);
      return FormatHexBytes(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
    }
  }
  return std::string();
}

std::string StorageCodeToValue(StorageType type, const std::string& code, bool reverse) {
  const std::vector<uint8_t> bytes = ReadHexBytes(code, kStorageByteLimit);
  if (type == StorageType::kUChar) return base::Format("%d", bytes.empty() ? 0 : bytes[0]);
  if (type == StorageType::kAscii) {
    const std::string text(bytes.begin(), bytes.end());
    return base::FromCp936(text.substr(0, text.find('\0')));
  }
  const size_t width = Width(type);
  if (bytes.size() < width) return "null";
  const uint64_t value = CodeValue(bytes, width, reverse);
  switch (type) {
    case StorageType::kShort:
      return base::Format("%d", static_cast<int16_t>(value));
    case StorageType::kUShort:
      return base::Format("%d", static_cast<uint16_t>(value));
    case StorageType::kInt:
      return base::Format("%d", static_cast<int32_t>(value));
    case StorageType::kUInt:
      return base::Format("%u", static_cast<uint32_t>(value));
    case StorageType::kFloat: {
      const uint32_t bits = static_cast<uint32_t>(value);
      float single;
      std::memcpy(&single, &bits, sizeof single);
      return base::Format("%f", static_cast<double>(single));
    }
    case StorageType::kDouble: {
      double number;
      std::memcpy(&number, &value, sizeof number);
      return base::Format("%lf", number);
    }
    case StorageType::kUChar:
    case StorageType::kAscii:
      break;
  }
  return std::string();
}

}  // namespace protocol
