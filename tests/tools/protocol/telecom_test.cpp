#include "tools/protocol/telecom.h"

#include <gtest/gtest.h>

namespace {

using protocol::TelecomFields;

// The hex byte text of the characters of `frame`.
std::string CharCodes(const std::string& frame) {
  std::string out;
  for (const char c : frame) {
    out += "0123456789ABCDEF"[static_cast<unsigned char>(c) >> 4];
    out += "0123456789ABCDEF"[c & 15];
    out += ' ';
  }
  return out;
}

TEST(Telecom, Frames) {
  // Frames checked against a separate model of the framing rules.
  const struct {
    TelecomFields fields;
    const char* data;
    const char* frame;
  } cases[] = {
      {{"20", "01", "46", "42"}, "01", "~20014642E00201FD35\r"},
      {{"20", "01", "46", "42"}, "", "~200146420000FDAD\r"},
      {{"21", "01", "40", "41"}, "01 02 03 04 05 06 07 08", "~21014041F0100102030405060708FA78\r"},
      {{"20", "05", "4a", "4f"},
       "F0F1F2F3F4F5F6F7F8F9FAFBFCFDFEFF",
       "~20054A4FE020F0F1F2F3F4F5F6F7F8F9FAFBFCFDFEFFF571\r"},
      {{"20", "01", "46", "42"}, "AB AB AB AB AB AB AB", "~20014642200EABABABABABABABFA01\r"},
      {{"20", "01", "46", "42"}, "AB AB AB AB AB AB AB AB", "~20014642F010ABABABABABABABABF97E\r"},
      // Fields without a complete byte are 0; surplus bytes are ignored.
      {{"2", "01 02", "", "x"}, "", "~000100000000FDBF\r"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(protocol::TelecomFrameText(c.fields, c.data), CharCodes(c.frame)) << c.frame;
  }
}

TEST(Telecom, FrameTakesAtMostOneHundredInfoBytes) {
  std::string data, info;
  for (int i = 0; i < 120; ++i) data += "AB ";
  for (int i = 0; i < 100; ++i) info += "AB";
  // LENID 0C8 (200 characters), LCHKSUM C.
  EXPECT_EQ(protocol::TelecomFrameText({"20", "01", "46", "42"}, data),
            CharCodes("~20014642C0C8" + info + "CA53\r"));
}

TEST(Telecom, AsciiHexPairToByte) {
  EXPECT_EQ(protocol::AsciiHexPairToByte('4', '1'), 0x41);
  EXPECT_EQ(protocol::AsciiHexPairToByte('f', 'F'), 0xFF);
  EXPECT_EQ(protocol::AsciiHexPairToByte('a', '0'), 0xA0);
  // Other bytes count with their own value: 'G' = 47h, 47h * 16 + 1 kept to 8 bits.
  EXPECT_EQ(protocol::AsciiHexPairToByte('G', '1'), 0x71);
  EXPECT_EQ(protocol::AsciiHexPairToByte('0', 0xFF), 0xFF);
  EXPECT_EQ(protocol::AsciiHexPairToByte(0x00, ' '), 0x20);
}

TEST(Telecom, Decoders) {
  using Decoder = std::string (*)(const std::string&);
  const struct {
    Decoder decode;
    const char* data;
    const char* result;
  } cases[] = {
      {protocol::TelecomGetByte, "34 31", "65(0x41)"},
      {protocol::TelecomGetByte, "66 66", "255(0xFF)"},
      {protocol::TelecomGetByte, "46 46 30", "255(0xFF)"},
      {protocol::TelecomGetByte, "34", "Null"},
      {protocol::TelecomGetByte, "", "Null"},
      {protocol::TelecomGetWord, "31 32 33 34", "4660(0x1234)"},
      {protocol::TelecomGetWord, "46 46 46 46", "65535(0xFFFF)"},
      {protocol::TelecomGetWord, "31 32 33", "Null"},
      {protocol::TelecomGetFloat, "30 30 30 30 38 30 33 46", "1.000000(00 00 80 3F)"},
      {protocol::TelecomGetFloat, "30 30 30 30 38 30 33", "Null"},
      // Encodings from another language's IEEE 754 packing.
      {protocol::TelecomGetFloat, "44 42 30 46 34 39 34 30", "3.141593(DB 0F 49 40)"},
      {protocol::TelecomGetFloat, "30 30 30 30 32 30 43 30 30 30", "-2.500000(00 00 20 C0)"},
      {protocol::TelecomGetFloat, "36 35 32 30 46 31 34 37", "123456.789062(65 20 F1 47)"},
      {protocol::TelecomGetFloat, "30 31 30 30 30 30 30 30", "0.000000(01 00 00 00)"},
      {protocol::TelecomGetFloat, "30 30 30 30 38 30 37 46", "inf(00 00 80 7F)"},
      {protocol::TelecomGetFloat, "30 30 30 30 38 30 46 46", "-inf(00 00 80 FF)"},
      {protocol::TelecomGetFloat, "30 30 30 30 43 30 37 46", "nan(00 00 C0 7F)"},
      {protocol::TelecomGetFloat, "66 66 66 66 37 66 37 66",
       "340282346638528859811704183484516925440.000000(FF FF 7F 7F)"},
      // Not digits: 'G' 'G' is 47h * 16 + 47h = 4B7h, kept to B7h.
      {protocol::TelecomGetByte, "47 47", "183(0xB7)"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.decode(c.data), c.result) << c.data;
}

TEST(Telecom, DecodersTakeInvalidTextAsSeparators) {
  EXPECT_EQ(protocol::TelecomGetByte("\xff"
                                     "34\x80\xc0"
                                     "31\xe4"),
            "65(0x41)");
  EXPECT_EQ(protocol::TelecomGetWord("\xff\xfe\x80"), "Null");
}

}  // namespace
