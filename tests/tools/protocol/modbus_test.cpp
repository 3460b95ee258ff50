#include "tools/protocol/modbus.h"

#include <gtest/gtest.h>

namespace {

using protocol::ModbusFields;

TEST(Modbus, ReadRequests) {
  // Frames from the fields as typed; CRCs checked against a separate bit-reflected
  // implementation of the 0x8005 polynomial.
  const struct {
    ModbusFields fields;
    const char* frame;
  } cases[] = {
      {{"01", "03", "0000", "0001"}, "01 03 00 00 00 01 84 0A "},
      {{"01", "03", "006B", "0003"}, "01 03 00 6B 00 03 74 17 "},
      {{"11", "03", "00 6b", "00 03"}, "11 03 00 6B 00 03 76 87 "},
      {{"F7", "04", "FFFF", "007D"}, "F7 04 FF FF 00 7D 24 99 "},
      // A lone digit is no byte: the address reads as 0.
      {{"1", "03", "0000", "0001"}, "00 03 00 00 00 01 85 DB "},
      // Three digits: the final lone digit is dropped, one byte 10 is the word 0010.
      {{"01", "03", "100", "0001"}, "01 03 00 10 00 01 85 CF "},
      // Surplus bytes of single-byte and word fields are ignored.
      {{"01 02", "03 04", "00 6B 99", "00 03 77"}, "01 03 00 6B 00 03 74 17 "},
      {{"", "", "", ""}, "00 00 00 00 00 00 00 1B "},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(protocol::ReadRequestText(c.fields), c.frame)
        << c.fields.address << "|" << c.fields.start;
  }
}

TEST(Modbus, WriteRequests) {
  const struct {
    ModbusFields fields;
    const char* data;
    const char* frame;
  } cases[] = {
      {{"01", "10", "0001", "0001"}, "00 0A", "01 10 00 01 00 01 02 00 0A 27 86 "},
      {{"01", "03", "0000", "0000"}, "", "01 03 00 00 00 00 00 0B F3 "},
      {{"11", "10", "0001", "0002"}, "000A0102", "11 10 00 01 00 02 04 00 0A 01 02 C6 F0 "},
  };
  for (const auto& c : cases) EXPECT_EQ(protocol::WriteRequestText(c.fields, c.data), c.frame);
}

// "00 01 02 ..." up to `count` bytes.
std::string CountingBytes(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    text += "0123456789ABCDEF"[(i >> 4) & 15];
    text += "0123456789ABCDEF"[i & 15];
    text += ' ';
  }
  return text;
}

TEST(Modbus, WriteRequestTakesAtMostOneHundredDataBytes) {
  EXPECT_EQ(protocol::WriteRequestText({"FF", "10", "1234", "0032"}, CountingBytes(150)),
            "FF 10 12 34 00 32 64 " + CountingBytes(100) + "C1 57 ");
}

TEST(Modbus, DecimalRunsToHex) {
  const struct {
    const char* text;
    const char* hex;
  } cases[] = {
      {"1 255 256", "01 FF 100 "},
      {"-5", "05 "},
      {"99999999999", "7FFFFFFF "},
      {"2147483647,2147483648", "7FFFFFFF 7FFFFFFF "},
      {"abc", ""},
      {"12.5x7", "0C 05 07 "},
      {"00010", "0A "},
      {"中1文65535", "01 FFFF "},
      {"0", "00 "},
  };
  for (const auto& c : cases) EXPECT_EQ(protocol::DecimalRunsToHex(c.text), c.hex) << c.text;
}

TEST(Modbus, DecimalRunsToHexLeavesTheResultAloneForEmptyText) {
  EXPECT_EQ(protocol::DecimalRunsToHex(""), std::nullopt);
}

TEST(Modbus, DecimalRunsToHexReadsTheFirst1023BytesOfTheCp936Text) {
  std::string text(1020, ' ');
  text += "123456";  // cut after "123"
  EXPECT_EQ(protocol::DecimalRunsToHex(text), "7B ");
  // A Chinese character is two bytes there.
  std::string wide;
  for (int i = 0; i < 510; ++i) wide += "中";
  EXPECT_EQ(protocol::DecimalRunsToHex(wide + "123456"), "7B ");
  EXPECT_EQ(protocol::DecimalRunsToHex(wide + "中123456"), "01 ");
}

TEST(Modbus, AppendModbusCrc) {
  const struct {
    const char* text;
    const char* result;
  } cases[] = {
      {"01 03 00 00 00 01", "01 03 00 00 00 01 84 0A"},
      {"01 03 00 00 00 01 84 0A", "01 03 00 00 00 01 84 0A 00 00"},
      {"", " FF FF"},
      {"7", "7 FF FF"},
      {"11 03 00 6B 00 03 ", "11 03 00 6B 00 03  76 87"},
      {"0x11,0x03;006B 0003", "0x11,0x03;006B 0003 76 87"},
  };
  for (const auto& c : cases) EXPECT_EQ(protocol::AppendModbusCrc(c.text), c.result) << c.text;
}

TEST(Modbus, AppendModbusCrcUsesTheFirstHundredBytes) {
  std::string hundred;
  for (int i = 0; i < 100; ++i) hundred += "A5 ";
  EXPECT_EQ(protocol::AppendModbusCrc(hundred + "01 02"), hundred + "01 02 60 05");
}

}  // namespace
