// The checksums of the checksum generator; CRC-16/MODBUS and the telecom frame checksum
// are also used by the Modbus and telecom frame tools.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/tr.h"

namespace protocol {

enum class ChecksumKind {
  kSum8 = 0,
  kSum8Complement = 1,
  kSum16 = 2,
  kSum16Complement = 3,
  kTelecom = 4,
  kCrc8Maxim = 5,
  kCrc16Modbus = 6,
  kCrc16Ccitt = 7,
  kCrc16Xmodem = 8,
};
constexpr int kChecksumKindCount = 9;

// The combo-box item text of each kind, in order.
extern const char* const kChecksumKindNames[kChecksumKindCount];

uint8_t Crc8Maxim(const uint8_t* data, size_t size);
uint16_t Crc16Modbus(const uint8_t* data, size_t size);
uint16_t Crc16Ccitt(const uint8_t* data,
                    size_t size);  // CRC-16/MCRF4XX: reflected 0x8408, init 0xFFFF
uint16_t Crc16Xmodem(const uint8_t* data, size_t size);

// Two's complement of the 16-bit sum of all bytes after the first (the frame's 7E).
uint16_t TelecomChecksum(const uint8_t* data, size_t size);

// What the telecom kind gives for bytes that do not start with 7E.
inline constexpr char kTelecomFormatError[] =
    BASE_TR_NOOP("quorkit", "数据格式错误：第一个字节不是7E");

// Result text of `kind` over `bytes` (1 to 1023 of them), as the result field shows it.
std::string ChecksumText(ChecksumKind kind, const std::vector<uint8_t>& bytes);

// Bytes the input field is read for; more are ignored.
constexpr size_t kChecksumByteLimit = 1023;

// The result of `kind` over the hex byte text `input` as typed (its first kChecksumByteLimit
// bytes); nullopt when it holds no complete byte.
std::optional<std::string> ChecksumOfHexText(ChecksumKind kind, const std::string& input);

}  // namespace protocol
