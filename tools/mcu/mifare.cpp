#include "tools/mcu/mifare.h"

#include <vector>

#include "base/format.h"
#include "base/tr.h"
#include "tools/protocol/hexbytes.h"

namespace mcu {

namespace {

constexpr size_t kByteLimit = 10;
constexpr char kAB[] = "KEYA|B";
constexpr char kA[] = "KEYA";
constexpr char kB[] = "KEYB";
constexpr char kNever[] = "Never";
constexpr char kNone[] = "-";

using Texts = std::array<const char*, 4>;

// Read, write, increment, decrement/transfer/restore of a data block, by condition.
constexpr std::array<Texts, 8> kDataBlock = {{
    {kAB, kAB, kAB, kAB},
    {kAB, kNever, kNever, kAB},
    {kAB, kNever, kNever, kNever},
    {kB, kB, kNever, kNever},
    {kAB, kB, kNever, kNever},
    {kB, kNever, kNever, kNever},
    {kAB, kB, kB, kAB},
    {kNever, kNever, kNever, kNever},
}};

// Read and write of key A, of the access bits and of key B, by condition of the trailer.
constexpr std::array<Texts, 8> kKeyA = {{
    {kNever, kA, kNone, kNone},
    {kNever, kA, kNone, kNone},
    {kNever, kNever, kNone, kNone},
    {kNever, kB, kNone, kNone},
    {kNever, kB, kNone, kNone},
    {kNever, kNever, kNone, kNone},
    {kNever, kNever, kNone, kNone},
    {kNever, kNever, kNone, kNone},
}};
constexpr std::array<Texts, 8> kAccessBitsRow = {{
    {kA, kNever, kNone, kNone},
    {kA, kA, kNone, kNone},
    {kA, kNever, kNone, kNone},
    {kAB, kB, kNone, kNone},
    {kAB, kNever, kNone, kNone},
    {kAB, kB, kNone, kNone},
    {kAB, kNever, kNone, kNone},
    {kAB, kNever, kNone, kNone},
}};
constexpr std::array<Texts, 8> kKeyB = {{
    {kA, kA, kNone, kNone},
    {kA, kA, kNone, kNone},
    {kA, kNever, kNone, kNone},
    {kNever, kB, kNone, kNone},
    {kNever, kB, kNone, kNone},
    {kNever, kNever, kNone, kNone},
    {kNever, kNever, kNone, kNone},
    {kNever, kNever, kNone, kNone},
}};

// The three access bits of a block; any value keeps only its low three bits.
unsigned Condition(int value) {
  return static_cast<unsigned>(value) & 7u;
}

}  // namespace

const char kAccessDefaultBytes[] = "FF 07 80 69";

std::string AccessConditionItem(int condition) {
  const int bits = static_cast<int>(Condition(condition));
  return base::Format("%d (%d,%d,%d)", bits, (bits >> 2) & 1, (bits >> 1) & 1, bits & 1);
}

std::array<uint8_t, 3> AccessBits(const AccessConditions& conditions) {
  unsigned c1 = 0, c2 = 0, c3 = 0;  // bit k: that bit of block k's condition
  for (size_t block = 0; block < conditions.size(); ++block) {
    const unsigned condition = Condition(conditions[block]);
    c1 |= ((condition >> 2) & 1u) << block;
    c2 |= ((condition >> 1) & 1u) << block;
    c3 |= (condition & 1u) << block;
  }
  return {static_cast<uint8_t>(((~c2 & 0xf) << 4) | (~c1 & 0xf)),
          static_cast<uint8_t>((c1 << 4) | (~c3 & 0xf)), static_cast<uint8_t>((c3 << 4) | c2)};
}

std::string AccessBytesText(const AccessConditions& conditions, uint8_t byte9) {
  const auto bits = AccessBits(conditions);
  return base::Format("%.2X %.2X %.2X %.2X", bits[0], bits[1], bits[2], byte9);
}

uint8_t AccessFreeByte(const std::string& text) {
  const std::vector<uint8_t> bytes = protocol::ReadHexBytes(text, kByteLimit);
  return bytes.size() >= 4 ? bytes[3] : 0x69;
}

AccessDecode DecodeAccessBytes(const std::string& text) {
  AccessDecode result;
  const std::vector<uint8_t> bytes = protocol::ReadHexBytes(text, kByteLimit);
  if (bytes.size() != 4) {
    result.outcome = AccessDecode::Outcome::kByteCount;
    return result;
  }
  const unsigned b6 = bytes[0], b7 = bytes[1], b8 = bytes[2];
  const unsigned c1 = b7 >> 4, c2 = b8 & 0xf, c3 = b8 >> 4;
  if (((b6 & 0xf) ^ c1) != 0xf || ((b6 >> 4) ^ c2) != 0xf || ((b7 & 0xf) ^ c3) != 0xf) {
    result.outcome = AccessDecode::Outcome::kCheck;
    return result;
  }
  for (size_t block = 0; block < result.conditions.size(); ++block) {
    result.conditions[block] =
        static_cast<int>(((c1 >> block) & 1) * 4 + ((c2 >> block) & 1) * 2 + ((c3 >> block) & 1));
  }
  return result;
}

const char* AccessDecodeMessage(AccessDecode::Outcome outcome) {
  switch (outcome) {
    case AccessDecode::Outcome::kByteCount:
      return base::Tr("quorkit", "输入错误，请输入4个用两位16进制字符表示的数值并用空格隔开");
    case AccessDecode::Outcome::kCheck:
      return base::Tr("quorkit", "输入码校验错误!");
    case AccessDecode::Outcome::kOk:
      break;
  }
  return "";
}

AccessTable AccessConditionTable(const AccessConditions& conditions) {
  static const char* const kNames[kAccessTableRows] = {"Block0", "Block1",      "Block2",
                                                       "KeyA",   "Access Bits", "KeyB"};
  const unsigned trailer = Condition(conditions[3]);
  const Texts* rows[kAccessTableRows] = {
      &kDataBlock[Condition(conditions[0])],
      &kDataBlock[Condition(conditions[1])],
      &kDataBlock[Condition(conditions[2])],
      &kKeyA[trailer],
      &kAccessBitsRow[trailer],
      &kKeyB[trailer],
  };
  AccessTable table;
  for (size_t row = 0; row < table.size(); ++row) {
    table[row][0] = kNames[row];
    for (size_t column = 0; column < 4; ++column) table[row][column + 1] = (*rows[row])[column];
  }
  return table;
}

}  // namespace mcu
