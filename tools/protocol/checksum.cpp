#include "tools/protocol/checksum.h"

#include "base/format.h"
#include "base/tr.h"
#include "tools/protocol/crcmodels.h"
#include "tools/protocol/hexbytes.h"

namespace protocol {

// Translated where they are shown.
const char* const kChecksumKindNames[kChecksumKindCount] = {
    BASE_TR_NOOP("quorkit", "单字节累加和"),
    BASE_TR_NOOP("quorkit", "单字节累加和求余"),
    BASE_TR_NOOP("quorkit", "双字节累加和"),
    BASE_TR_NOOP("quorkit", "双字节累加和求余"),
    BASE_TR_NOOP("quorkit", "电总协议"),
    "CRC8_iButton(X^8+X^5+X^4+1[0x8c,Init:0x00])",
    "CRC16_MODBUS(X^16+X^15+X^2+1[0xA001,Init:0xffff])",
    "CRC16_CCITT(X^16+X^12+X^5+1[0x8408,Init:0xffff])",
    "CRC16_XMODEM(X^16+X^12+X^5+1[0x1201,Init:0x0000])",
};

namespace {

// The CRC kinds are catalogue models, computed by the one CRC engine.
uint64_t Crc(const char* model, const uint8_t* data, size_t size) {
  return ComputeCrc(*FindCrcModel(model), data, size);
}

}  // namespace

uint8_t Crc8Maxim(const uint8_t* data, size_t size) {
  return static_cast<uint8_t>(Crc("CRC-8/MAXIM-DOW", data, size));
}

uint16_t Crc16Modbus(const uint8_t* data, size_t size) {
  return static_cast<uint16_t>(Crc("CRC-16/MODBUS", data, size));
}

uint16_t Crc16Ccitt(const uint8_t* data, size_t size) {
  return static_cast<uint16_t>(Crc("CRC-16/MCRF4XX", data, size));
}

uint16_t Crc16Xmodem(const uint8_t* data, size_t size) {
  return static_cast<uint16_t>(Crc("CRC-16/XMODEM", data, size));
}

uint16_t TelecomChecksum(const uint8_t* data, size_t size) {
  uint16_t sum = 0;
  for (size_t i = 1; i < size; ++i) sum = static_cast<uint16_t>(sum + data[i]);
  return static_cast<uint16_t>(0x10000 - sum);
}

namespace {

std::string OneByte(unsigned value) {
  return base::Format("0x%.2X(%d)", value, value);
}

std::string TwoBytes(unsigned first, unsigned second) {
  return base::Format("0x%.2X(%d) 0x%.2X(%d)", first, first, second, second);
}

std::string HighFirst(uint16_t value) {
  return TwoBytes(value >> 8, value & 0xFF);
}

}  // namespace

std::string ChecksumText(ChecksumKind kind, const std::vector<uint8_t>& bytes) {
  const uint8_t* data = bytes.data();
  const size_t size = bytes.size();
  unsigned sum = 0;
  for (uint8_t b : bytes) sum += b;
  switch (kind) {
    case ChecksumKind::kSum8:
      return OneByte(sum & 0xFF);
    case ChecksumKind::kSum8Complement:
      return OneByte((256 - (sum & 0xFF)) & 0xFF);
    case ChecksumKind::kSum16:
      return HighFirst(static_cast<uint16_t>(sum));
    case ChecksumKind::kSum16Complement:
      return HighFirst(static_cast<uint16_t>(0x10000 - (sum & 0xFFFF)));
    case ChecksumKind::kTelecom: {
      if (size == 0 || data[0] != 0x7E) return base::Tr("quorkit", kTelecomFormatError);
      const uint16_t check = TelecomChecksum(data, size);
      const char* digits = "0123456789ABCDEF";
      return base::Format("%.2X %.2X %.2X %.2X 0D", digits[(check >> 12) & 0xF],
                          digits[(check >> 8) & 0xF], digits[(check >> 4) & 0xF],
                          digits[check & 0xF]);
    }
    case ChecksumKind::kCrc8Maxim:
      return OneByte(Crc8Maxim(data, size));
    case ChecksumKind::kCrc16Modbus: {
      const uint16_t crc = Crc16Modbus(data, size);
      return TwoBytes(crc & 0xFF, crc >> 8);
    }
    case ChecksumKind::kCrc16Ccitt:
      return HighFirst(Crc16Ccitt(data, size));
    case ChecksumKind::kCrc16Xmodem:
      return HighFirst(Crc16Xmodem(data, size));
  }
  return std::string();
}

std::optional<std::string> ChecksumOfHexText(ChecksumKind kind, const std::string& input) {
  const std::vector<uint8_t> bytes = ReadHexBytes(input, kChecksumByteLimit);
  if (bytes.empty()) return std::nullopt;
  return ChecksumText(kind, bytes);
}

}  // namespace protocol
