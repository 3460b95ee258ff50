// Mifare Classic 1K (S50) access bits: the access condition (C1, C2, C3) of each block of
// a sector and bytes 6 to 9 of its sector trailer, in both directions, and what each
// condition allows.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace mcu {

// Condition of blocks 0 to 3 (block 3: the sector trailer), each 0 to 7 = C1*4 + C2*2 + C3.
using AccessConditions = std::array<int, 4>;

// "%d (%d,%d,%d)": the condition and its C1, C2 and C3 bits.
std::string AccessConditionItem(int condition);

// Bytes 6, 7 and 8 of the sector trailer.
std::array<uint8_t, 3> AccessBits(const AccessConditions& conditions);

// "%.2X %.2X %.2X %.2X" of bytes 6 to 8 and byte 9, the free data byte.
std::string AccessBytesText(const AccessConditions& conditions, uint8_t byte9);

// Byte 9 of access byte text: its fourth byte, or 0x69 (the card's delivery value) when it
// holds fewer than four.
uint8_t AccessFreeByte(const std::string& text);

struct AccessDecode {
  enum class Outcome { kOk, kByteCount, kCheck };
  Outcome outcome = Outcome::kOk;
  AccessConditions conditions{};  // valid for kOk only
};

// Reads access byte text (exactly four hex bytes, byte 9 not examined) and checks the
// inverted copies of C1, C2 and C3.
AccessDecode DecodeAccessBytes(const std::string& text);

// The message shown for a failed decode; empty for kOk.
const char* AccessDecodeMessage(AccessDecode::Outcome outcome);

// The rows of the condition table: "Block0", "Block1", "Block2", "KeyA", "Access Bits",
// "KeyB", each with its name and the four texts of read, write, increment and
// decrement/transfer/restore.
constexpr int kAccessTableRows = 6;
constexpr int kAccessTableColumns = 5;
using AccessTable = std::array<std::array<std::string, kAccessTableColumns>, kAccessTableRows>;
AccessTable AccessConditionTable(const AccessConditions& conditions);

extern const char kAccessDefaultBytes[];  // "FF 07 80 69"

}  // namespace mcu
