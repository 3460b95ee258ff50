#include "tools/protocol/storagecode.h"

#include <gtest/gtest.h>

namespace {

using protocol::StorageType;
using T = StorageType;

struct Case {
  StorageType type;
  const char* input;
  bool reverse;
  const char* result;
};

TEST(StorageCode, ValueToCode) {
  const Case cases[] = {
      {T::kShort, "-2", false, "FE FF"},
      {T::kShort, "-2", true, "FF FE"},
      {T::kShort, "70000", false, "70 11"},
      {T::kUShort, "-1", false, "FF FF"},
      {T::kUShort, "65535", true, "FF FF"},
      {T::kUShort, "4660", true, "12 34"},
      {T::kUChar, "255", false, "ff"},
      {T::kUChar, "256", false, "00"},
      {T::kUChar, "-1", false, "ff"},
      {T::kUChar, "171", true, "ab"},
      {T::kInt, "1", false, "01 00 00 00"},
      {T::kInt, "99999999999", false, "FF FF FF 7F"},
      {T::kInt, "-99999999999", false, "00 00 00 80"},
      {T::kInt, "-123456789", false, "EB 32 A4 F8"},
      {T::kInt, "-123456789", true, "F8 A4 32 EB"},
      // strtol: white space, sign, digits up to the first other character.
      {T::kInt, "  +12abc", false, "0C 00 00 00"},
      {T::kInt, "0x1A", false, "00 00 00 00"},
      {T::kInt, "abc", false, "00 00 00 00"},
      {T::kInt, "", false, "00 00 00 00"},
      {T::kUInt, "4294967295", false, "FF FF FF FF"},
      {T::kUInt, "4294967296", false, "FF FF FF FF"},
      {T::kUInt, "-1", false, "FF FF FF FF"},
      {T::kUInt, "3000000000", false, "00 5E D0 B2"},
      {T::kUInt, "3000000000", true, "B2 D0 5E 00"},
      // IEEE 754 encodings from another language's packing.
      {T::kFloat, "1.5", false, "00 00 C0 3F"},
      {T::kFloat, "0.1", false, "CD CC CC 3D"},
      {T::kFloat, "3.14159", false, "D0 0F 49 40"},
      {T::kFloat, "3.14159", true, "40 49 0F D0"},
      {T::kFloat, "-0.0", false, "00 00 00 80"},
      {T::kFloat, "1e-40", false, "C2 16 01 00"},
      {T::kFloat, "1e-46", false, "00 00 00 00"},
      {T::kFloat, "16777217", false, "00 00 80 4B"},
      {T::kFloat, "3.40282356e38", false, "FF FF 7F 7F"},
      {T::kFloat, "3.4028236e38", false, "00 00 80 7F"},
      {T::kFloat, "-1e39", false, "00 00 80 FF"},
      // Read as a double first (1 + 2^-24, a tie), then rounded to even: not 1 + 2^-23.
      {T::kFloat, "1.00000005960464477539062500000000000001", false, "00 00 80 3F"},
      {T::kDouble, "1e400", false, "00 00 00 00 00 00 F0 7F"},
      {T::kFloat, "2.5E+1xyz", false, "00 00 C8 41"},
      {T::kFloat, "inf", false, "00 00 00 00"},
      {T::kFloat, "nan", false, "00 00 00 00"},
      {T::kFloat, "0x1p3", false, "00 00 00 00"},
      {T::kDouble, "1", false, "00 00 00 00 00 00 F0 3F"},
      {T::kDouble, "3.141592653589793", false, "18 2D 44 54 FB 21 09 40"},
      {T::kDouble, "-2.5e-3", true, "BF 64 7A E1 47 AE 14 7B"},
      {T::kDouble, "1e308", false, "A0 C8 EB 85 F3 CC E1 7F"},
      {T::kDouble, "123456789012345678", false, "35 0F 63 BA B4 69 7B 43"},
      {T::kDouble, "", false, "00 00 00 00 00 00 00 00"},
      {T::kAscii, "AB", false, "41 42 "},
      {T::kAscii, "中文ABC", true, "D6 D0 CE C4 41 42 43 "},
      {T::kAscii, "", false, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(protocol::ValueToStorageCode(c.type, c.input, c.reverse), c.result)
        << static_cast<int>(c.type) << " " << c.input << " " << c.reverse;
  }
}

TEST(StorageCode, CodeToValue) {
  const Case cases[] = {
      {T::kShort, "12 34", false, "13330"},
      {T::kShort, "12 34", true, "4660"},
      {T::kShort, "FF FF", false, "-1"},
      {T::kShort, "00 80", false, "-32768"},
      {T::kUShort, "FF FF", false, "65535"},
      {T::kUShort, "00 80", false, "32768"},
      {T::kShort, "12", false, "null"},
      {T::kShort, "12 34 56", false, "13330"},
      {T::kInt, "12", false, "null"},
      {T::kInt, "15 CD 5B 07", false, "123456789"},
      {T::kInt, "FF FF FF FE", true, "-2"},
      {T::kUInt, "00 5E D0 B2", false, "3000000000"},
      {T::kUInt, "FF FF FF FF", false, "4294967295"},
      {T::kUChar, "12", false, "18"},
      {T::kUChar, "", false, "0"},
      {T::kUChar, "1", false, "0"},
      {T::kUChar, "ff 01", true, "255"},
      // Separators between bytes are optional; 0x and dashes separate.
      {T::kShort, "1234", false, "13330"},
      {T::kShort, "0x12,0x34", false, "13330"},
      {T::kShort, "12-34", false, "13330"},
      {T::kShort, "123", false, "null"},
      {T::kShort, "1 2 3", false, "null"},
      {T::kFloat, "00 00 80 3F", false, "1.000000"},
      {T::kFloat, "3F 80 00 00", true, "1.000000"},
      {T::kFloat, "DB 0F 49 40", false, "3.141593"},
      {T::kFloat, "FF FF 7F 7F", false, "340282346638528859811704183484516925440.000000"},
      {T::kFloat, "00 00 80 7F", false, "inf"},
      {T::kFloat, "00 00 80 FF", false, "-inf"},
      {T::kFloat, "00 00 C0 7F", false, "nan"},
      {T::kFloat, "00 00 C0 FF", false, "-nan"},
      {T::kFloat, "00 00 80", false, "null"},
      {T::kDouble, "00 00 00 00 00 00 F0 3F", false, "1.000000"},
      {T::kDouble, "7B 14 AE 47 E1 7A 84 BF", false, "-0.010000"},
      {T::kDouble, "40 09 21 FB 54 44 2D 18", true, "3.141593"},
      {T::kDouble, "00 00 00 00 00 00 F0 7F", false, "inf"},
      {T::kDouble, "00 00 00 00 00 00 F0", false, "null"},
      {T::kAscii, "41 42 4", false, "AB"},
      {T::kAscii, "41 00 42", false, "A"},
      {T::kAscii, "D6 D0 CE C4", false, "中文"},
      {T::kAscii, "", false, ""},
      // A lone lead byte is no character.
      {T::kAscii, "41 D6", false, "A?"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(protocol::StorageCodeToValue(c.type, c.input, c.reverse), c.result)
        << static_cast<int>(c.type) << " " << c.input << " " << c.reverse;
  }
}

TEST(StorageCode, TakesAtMost1023Bytes) {
  std::string code, text;
  for (int i = 0; i < 1100; ++i) code += "41 ";
  EXPECT_EQ(protocol::StorageCodeToValue(T::kAscii, code, false), std::string(1023, 'A'));
  std::string expected;
  for (int i = 0; i < 1023; ++i) expected += "41 ";
  EXPECT_EQ(protocol::ValueToStorageCode(T::kAscii, std::string(1100, 'A'), false), expected);
}

TEST(StorageCode, InvalidTextIsNeverACrash) {
  EXPECT_EQ(protocol::ValueToStorageCode(T::kAscii, "a\xff", false), "61 3F ");
  EXPECT_EQ(protocol::ValueToStorageCode(T::kInt,
                                         "\xff"
                                         "5",
                                         false),
            "00 00 00 00");
  EXPECT_EQ(protocol::StorageCodeToValue(T::kAscii, "FF 41 FF", false), "?A?");
}

}  // namespace
