#include "tools/protocol/checksum.h"

#include <gtest/gtest.h>

#include "tools/protocol/hexbytes.h"

namespace {

using protocol::ChecksumKind;

std::string Text(int kind, const std::string& hex) {
  return protocol::ChecksumText(static_cast<ChecksumKind>(kind), protocol::ReadHexBytes(hex, 1023));
}

TEST(Checksum, AllKindsOverTheStandardCheckString) {
  const std::string input = "31 32 33 34 35 36 37 38 39";
  const char* expected[] = {
      "0xDD(221)",
      "0x23(35)",
      "0x01(1) 0xDD(221)",
      "0xFE(254) 0x23(35)",
      "数据格式错误：第一个字节不是7E",
      "0xA1(161)",
      "0x37(55) 0x4B(75)",
      "0x6F(111) 0x91(145)",
      "0x31(49) 0xC3(195)",
  };
  for (int kind = 0; kind < protocol::kChecksumKindCount; ++kind) {
    EXPECT_EQ(Text(kind, input), expected[kind]) << kind;
  }
}

TEST(Checksum, OtherInputs) {
  const struct {
    int kind;
    const char* input;
    const char* result;
  } cases[] = {
      {6, "01 03 00 00 00 01", "0x84(132) 0x0A(10)"},
      {4, "7E 32 30 30 31 34 36 34 32 45 30 30 32 30 30", "46 44 33 36 0D"},
      {4, "7E", "30 30 30 30 0D"},
      {1, "00", "0x00(0)"},
      {3, "00", "0x00(0) 0x00(0)"},
      {6, "FF FF", "0x00(0) 0x00(0)"},
      {7, "FF FF", "0x00(0) 0x00(0)"},
      // Values cross-checked with an independent CRC catalogue implementation.
      {5, "00", "0x00(0)"},
      {5, "FF", "0x35(53)"},
      {6, "00", "0xBF(191) 0x40(64)"},
      {7, "00", "0x0F(15) 0x87(135)"},
      {8, "00", "0x00(0) 0x00(0)"},
      {8, "FF", "0x1E(30) 0xF0(240)"},
      {2, "FF FF FF", "0x02(2) 0xFD(253)"},
      {0, "FF FF", "0xFE(254)"},
      {1, "FF FF", "0x02(2)"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Text(c.kind, c.input), c.result) << c.kind << " " << c.input;
}

TEST(Checksum, Crc16ModbusOfAFrameEndingInItsCrcIsZero) {
  std::vector<uint8_t> frame = {0x01, 0x03, 0x00, 0x6B, 0x00, 0x03};
  const uint16_t crc = protocol::Crc16Modbus(frame.data(), frame.size());
  EXPECT_EQ(crc, 0x1774);
  frame.push_back(static_cast<uint8_t>(crc & 0xFF));
  frame.push_back(static_cast<uint8_t>(crc >> 8));
  EXPECT_EQ(protocol::Crc16Modbus(frame.data(), frame.size()), 0);
}

}  // namespace

TEST(Checksum, OfHexTextAsTyped) {
  EXPECT_EQ(protocol::ChecksumOfHexText(ChecksumKind::kSum8, ""), std::nullopt);
  EXPECT_EQ(protocol::ChecksumOfHexText(ChecksumKind::kSum8, "1"), std::nullopt);
  EXPECT_EQ(protocol::ChecksumOfHexText(ChecksumKind::kSum8, "01 02 0"), Text(0, "01 02"));
  // Bytes past the field's limit are ignored.
  std::string many;
  for (int i = 0; i < 1024; ++i) many += i == 1023 ? "FF " : "01 ";
  EXPECT_EQ(protocol::ChecksumOfHexText(ChecksumKind::kSum16, many), "0x03(3) 0xFF(255)");
}
