#include "tools/protocol/dechex.h"

#include <gtest/gtest.h>

namespace {

TEST(DecimalToHex, Table) {
  const struct {
    const char* text;
    bool prefix;
    bool commas;
    const char* hex;
  } cases[] = {
      {"1 2 255", false, false, "01 02 ff "},
      {"1 2 255", true, false, "0x01 0x02 0xff "},
      {"1,2,255", false, true, "01 ,02 ,ff "},
      {"1,2,255", true, true, "0x01 ,0x02 ,0xff "},
      {"256 65535", false, false, "100 ffff "},
      {"99999999999", false, false, "7fffffff "},
      {"-5", false, false, "05 "},
      {"12.5", false, false, "0c 05 "},
      {"7", false, true, "07 "},
      {"十进制输入规则：\r\n空格或任意非数字字符被看做是分隔符", false, false, ""},
      {"abc", true, true, ""},
      {"\r\n3\r\n4\r\n", false, false, "03 04 "},
      {"0", false, false, "00 "},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(protocol::DecimalToHexText(c.text, c.prefix, c.commas), c.hex) << c.text;
  }
  EXPECT_EQ(protocol::DecimalToHexText("", true, true), std::nullopt);
}

TEST(DecimalToHex, ReadsTheFirst2047BytesOfTheCp936Text) {
  EXPECT_EQ(protocol::DecimalToHexText(std::string(2045, ' ') + "1234", false, false), "0c ");
  // A Chinese character is two bytes there: 1020 of them leave room for 7 digits.
  std::string wide;
  for (int i = 0; i < 1020; ++i) wide += "中";
  EXPECT_EQ(protocol::DecimalToHexText(wide + "12345678", false, false), "12d687 ");
}

TEST(DecimalRuns, SaturateAndSeparate) {
  EXPECT_EQ(protocol::DecimalRuns("2147483647 2147483648 -2147483649 0007", 100),
            (std::vector<int32_t>{2147483647, 2147483647, 2147483647, 7}));
  EXPECT_EQ(protocol::DecimalRuns(std::string(5000, '9'), 10000),
            (std::vector<int32_t>{2147483647}));
  EXPECT_EQ(protocol::DecimalRuns("12\xff"
                                  "34\xe4",
                                  100),
            (std::vector<int32_t>{12, 34}));
  EXPECT_EQ(protocol::DecimalRuns("1 2 3", 3), (std::vector<int32_t>{1, 2}));
}

TEST(HexToDecimal, Table) {
  const struct {
    const char* text;
    bool commas;
    const char* decimal;
  } cases[] = {
      {"01 02 ff", false, "1 2 255 "},
      {"01 02 ff ", false, "1 2 255 "},
      {"01 02 ff", true, "1 ,2 ,255 "},
      {"0x01 ,0x02 ,0xff", false, "1 2 255 "},
      {"0x01 ,0x02 ,0xff ", true, "1 ,2 ,255 "},
      {"0X0A 0XFF", false, "10 255 "},
      {"1234", false, "4660 "},
      {"ffffffff", false, "-1 "},
      {"FFFFFFFF", false, "-1 "},
      {"80000000", false, "-2147483648 "},
      {"12  34", false, "18 52 "},
      // Ten digits, the low 32 bits of them; further digits of the run are passed over.
      {"123456789a", false, "878082202 "},
      {"123456789abcdef 1", false, "878082202 1 "},
      {"0000000000123456789a", false, "878082202 "},
      {"xyz: ghi", false, ""},
      {"12,34", false, "18 52 "},
      {"1-2", false, "1 2 "},
      // Numbers written with zeros only are 0; commas and a lone x add nothing.
      {"01 00 02", false, "1 0 2 "},
      {"01 00 02", true, "1 ,0 ,2 "},
      {"0x00 0x01", false, "0 1 "},
      {"0 0", false, "0 0 "},
      {"00", false, "0 "},
      {"0x", false, ""},
      {"x x", false, ""},
      {",,", true, ""},
      {"0,0,1", false, "0 0 1 "},
      {"0x00,0x01", false, "0 1 "},
      // Scanned as CP936 bytes: a lower-case trail byte a to f is a digit, an upper-case
      // one (letters are lowered only outside double-byte characters) separates.
      {"中12文ab", false, "18 171 "},
      {"癮12", false, "2578 "},    // B0 61
      {"乤", false, "10 "},        // 81 61
      {"丄1", false, "1 "},        // 81 41
      {"0x00，1", false, "0 1 "},  // a full-width comma (A3 AC) is no comma
  };
  for (const auto& c : cases) {
    EXPECT_EQ(protocol::HexToDecimalText(c.text, c.commas), c.decimal) << c.text;
  }
}

TEST(HexToDecimal, SingleCharacterDoesNothing) {
  EXPECT_EQ(protocol::HexToDecimalText("", false), std::nullopt);
  EXPECT_EQ(protocol::HexToDecimalText("7", false), std::nullopt);
  EXPECT_EQ(protocol::HexToDecimalText("€", false), std::nullopt);  // one CP936 byte
  EXPECT_EQ(protocol::HexToDecimalText("7 ", false), "7 ");
  // Two bytes: converted, and the empty result clears the decimal field.
  EXPECT_EQ(protocol::HexToDecimalText("中", true), "");
}

}  // namespace
