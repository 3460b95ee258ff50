// Frames of the ASCII-framed telecom power-supply protocol, and numbers decoded from the
// INFO characters of a received frame.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace protocol {

// Byte limit of the tool's hex byte fields; also the most INFO bytes a frame carries here.
constexpr size_t kTelecomByteLimit = 100;

// The frame's characters: "~", VER, ADR, CID1, CID2, LENGTH (LCHKSUM + LENID = 2n), INFO,
// CHKSUM, CR; every field after "~" as upper-case hex characters. INFO beyond
// kTelecomByteLimit bytes is ignored.
std::string BuildTelecomFrame(uint8_t version, uint8_t address, uint8_t cid1, uint8_t cid2,
                              const std::vector<uint8_t>& info);

// The frame fields as typed: hex byte text, one byte each (0 without a complete byte).
struct TelecomFields {
  std::string version;
  std::string address;
  std::string cid1;
  std::string cid2;
};

// The frame for the fields and the INFO bytes of `data`, as hex byte text of its
// character codes.
std::string TelecomFrameText(const TelecomFields& fields, const std::string& data);

// High digit × 16 + low digit, kept to 8 bits. Digits are 0-9, A-F, a-f; any other byte
// counts with its own value.
uint8_t AsciiHexPairToByte(uint8_t high, uint8_t low);

// Decoders of INFO characters typed as hex byte text of their codes ("34 31" for "41").
// Each gives "Null" when the text holds too few bytes.
std::string TelecomGetByte(const std::string& data);   // "%d(0x%.2X)", 2 characters
std::string TelecomGetWord(const std::string& data);   // "%d(0x%.4X)", 4 characters
std::string TelecomGetFloat(const std::string& data);  // "%f(%.2X %.2X %.2X %.2X)", 8

}  // namespace protocol
