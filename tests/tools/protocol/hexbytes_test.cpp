#include "tools/protocol/hexbytes.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

using protocol::FormatHexBytes;
using protocol::ReadHexByte;
using protocol::ReadHexBytes;
using protocol::ReadHexWord;

std::string Read(const std::string& text, size_t limit = 100) {
  return FormatHexBytes(ReadHexBytes(text, limit));
}

TEST(ReadHexBytes, Table) {
  const struct {
    const char* text;
    const char* bytes;
  } cases[] = {
      {"", ""},
      {"1", ""},
      {"01 22", "01 22 "},
      {"0122", "01 22 "},
      {"01,22", "01 22 "},
      {"1 22", "22 "},
      {"012", "01 "},
      {"12 3", "12 "},
      {"ab cD", "AB CD "},
      {"0x12, 0x34", "12 34 "},
      {"GG 12", "12 "},
      {"1G2", ""},
      {"\t0a\r\n0B", "0A 0B "},
  };
  for (const auto& c : cases) EXPECT_EQ(Read(c.text), c.bytes) << c.text;
}

TEST(ReadHexBytes, ShortTextLeavesBufferUntouched) {
  uint8_t buffer[4] = {0x55, 0x55, 0x55, 0x55};
  EXPECT_EQ(ReadHexBytes("1", buffer, 3), 0u);
  EXPECT_EQ(buffer[0], 0x55);
  EXPECT_EQ(ReadHexBytes("", buffer, 3), 0u);
  EXPECT_EQ(buffer[0], 0x55);
}

TEST(ReadHexBytes, StopsAtTheLimit) {
  std::string text;
  for (int i = 0; i < 150; ++i) text += "A5 ";
  EXPECT_EQ(ReadHexBytes(text, 100).size(), 100u);
  EXPECT_EQ(ReadHexBytes("01 02 03 04 05 06 07 08 09 0A 0B 0C", 10).size(), 10u);
  EXPECT_EQ(Read("01 02 03 04 05 06 07 08 09 0A 0B 0C", 10), "01 02 03 04 05 06 07 08 09 0A ");
}

TEST(ReadHexBytes, ScansDoubleByteCharactersByTheirCodePageBytes) {
  // "谢" is D0 BB in CP936: no digit. "丄" is 81 41: its trail byte is the digit A.
  EXPECT_EQ(Read("谢12"), "12 ");
  EXPECT_EQ(Read("丄1"), "A1 ");
  // A trail byte in the lower-case letter range is not upper-cased: "乧" is 81 63 ('c').
  EXPECT_EQ(Read("乧1 2"), "");
  // A character CP936 lacks becomes "?", a separator.
  EXPECT_EQ(Read("1\xF0\x9F\x98\x80"
                 "2"),
            "");
}

TEST(ReadHexWordAndByte, Table) {
  EXPECT_EQ(ReadHexWord("0100"), 0x0100);
  EXPECT_EQ(ReadHexWord("01 00"), 0x0100);
  EXPECT_EQ(ReadHexWord("01"), 0x0001);
  EXPECT_EQ(ReadHexWord("100"), 0x0010);
  EXPECT_EQ(ReadHexWord("12 34 56"), 0x1234);
  EXPECT_EQ(ReadHexWord(""), 0);
  EXPECT_EQ(ReadHexByte("05"), 0x05);
  EXPECT_EQ(ReadHexByte("5"), 0x00);
  EXPECT_EQ(ReadHexByte("FF 01"), 0xFF);
}

TEST(FormatHexBytes, EveryByteEndsInASpace) {
  const uint8_t bytes[] = {0x01, 0x03, 0x0A};
  EXPECT_EQ(FormatHexBytes(bytes, 3), "01 03 0A ");
  EXPECT_EQ(FormatHexBytes(bytes, 0), "");
}

}  // namespace
