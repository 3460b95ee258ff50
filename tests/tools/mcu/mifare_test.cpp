#include "tools/mcu/mifare.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Outcome = mcu::AccessDecode::Outcome;

TEST(MifareAccess, ConditionItems) {
  const char* items[] = {"0 (0,0,0)", "1 (0,0,1)", "2 (0,1,0)", "3 (0,1,1)",
                         "4 (1,0,0)", "5 (1,0,1)", "6 (1,1,0)", "7 (1,1,1)"};
  for (int condition = 0; condition < 8; ++condition) {
    EXPECT_EQ(mcu::AccessConditionItem(condition), items[condition]);
  }
}

TEST(MifareAccess, Encode) {
  const struct {
    mcu::AccessConditions conditions;
    uint8_t byte9;
    const char* text;
  } cases[] = {
      {{0, 0, 0, 1}, 0x69, "FF 07 80 69"}, {{0, 0, 0, 3}, 0x69, "7F 07 88 69"},
      {{4, 4, 4, 3}, 0x69, "78 77 88 69"}, {{7, 7, 7, 7}, 0x69, "00 F0 FF 69"},
      {{0, 0, 0, 0}, 0x69, "FF 0F 00 69"}, {{0, 0, 0, 0}, 0x00, "FF 0F 00 00"},
      {{1, 2, 4, 0}, 0xAB, "DB 4E 12 AB"}, {{4, 0, 0, 0}, 0xff, "FE 1F 00 FF"},
      {{0, 0, 0, 4}, 0x69, "F7 8F 00 69"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(mcu::AccessBytesText(c.conditions, c.byte9), c.text);
  }
}

TEST(MifareAccess, FreeByte) {
  EXPECT_EQ(mcu::AccessFreeByte("FF 07 80 69"), 0x69);
  EXPECT_EQ(mcu::AccessFreeByte("ff0780 a5"), 0xa5);
  EXPECT_EQ(mcu::AccessFreeByte("FF 07 80 69 12 34"), 0x69);
  EXPECT_EQ(mcu::AccessFreeByte("FF 07 80"), 0x69);
  EXPECT_EQ(mcu::AccessFreeByte(""), 0x69);
}

TEST(MifareAccess, Decode) {
  const struct {
    const char* text;
    Outcome outcome;
    mcu::AccessConditions conditions;
  } cases[] = {
      {"FF 07 80 69", Outcome::kOk, {0, 0, 0, 1}},
      {"ff0780 69", Outcome::kOk, {0, 0, 0, 1}},
      {"ff,07;80-69", Outcome::kOk, {0, 0, 0, 1}},
      {"FF 07 80 68", Outcome::kOk, {0, 0, 0, 1}},
      {"78 77 88 69", Outcome::kOk, {4, 4, 4, 3}},
      {"00 F0 FF 00", Outcome::kOk, {7, 7, 7, 7}},
      {"FF 07 80", Outcome::kByteCount, {}},
      {"FF 07 80 69 00", Outcome::kByteCount, {}},
      {"", Outcome::kByteCount, {}},
      {"F", Outcome::kByteCount, {}},
      {"FF 07 80 6", Outcome::kByteCount, {}},  // a lone digit is no byte
      {"FF 07 80 69 0", Outcome::kOk, {0, 0, 0, 1}},
      {"FFF 07 80 69", Outcome::kOk, {0, 0, 0, 1}},  // "F" alone after the pair
      {"FF 07 81 69", Outcome::kCheck, {}},
      {"FF 17 80 69", Outcome::kCheck, {}},
      {"EF 07 80 69", Outcome::kCheck, {}},
      {"00 00 00 00", Outcome::kCheck, {}},
      {"GG 07 80 69", Outcome::kByteCount, {}},
      {"01 02 03 04 05 06 07 08 09 0A 0B 0C", Outcome::kByteCount, {}},
  };
  for (const auto& c : cases) {
    const mcu::AccessDecode decode = mcu::DecodeAccessBytes(c.text);
    EXPECT_EQ(decode.outcome, c.outcome) << c.text;
    if (c.outcome == Outcome::kOk) {
      EXPECT_EQ(decode.conditions, c.conditions) << c.text;
    }
  }
}

TEST(MifareAccess, EveryConditionSetRoundTripsAndEveryFlippedBitIsCaught) {
  for (int n = 0; n < 4096; ++n) {
    const mcu::AccessConditions conditions = {n & 7, (n >> 3) & 7, (n >> 6) & 7, (n >> 9) & 7};
    const std::string text = mcu::AccessBytesText(conditions, static_cast<uint8_t>(n));
    const mcu::AccessDecode decode = mcu::DecodeAccessBytes(text);
    ASSERT_EQ(decode.outcome, Outcome::kOk) << text;
    ASSERT_EQ(decode.conditions, conditions) << text;
    const auto bits = mcu::AccessBits(conditions);
    for (int flip = 0; flip < 24; ++flip) {
      auto wrong = bits;
      wrong[static_cast<size_t>(flip / 8)] ^= static_cast<uint8_t>(1u << (flip % 8));
      char buffer[16];
      std::snprintf(buffer, sizeof buffer, "%.2X %.2X %.2X 69", wrong[0], wrong[1], wrong[2]);
      ASSERT_EQ(mcu::DecodeAccessBytes(buffer).outcome, Outcome::kCheck) << buffer;
    }
  }
}

TEST(MifareAccess, Messages) {
  EXPECT_STREQ(mcu::AccessDecodeMessage(Outcome::kByteCount),
               "输入错误，请输入4个用两位16进制字符表示的数值并用空格隔开");
  EXPECT_STREQ(mcu::AccessDecodeMessage(Outcome::kCheck), "输入码校验错误!");
  EXPECT_STREQ(mcu::AccessDecodeMessage(Outcome::kOk), "");
}

TEST(MifareAccess, Table) {
  const mcu::AccessTable start = mcu::AccessConditionTable({0, 0, 0, 1});
  const mcu::AccessTable expected_start = {{
      {"Block0", "KEYA|B", "KEYA|B", "KEYA|B", "KEYA|B"},
      {"Block1", "KEYA|B", "KEYA|B", "KEYA|B", "KEYA|B"},
      {"Block2", "KEYA|B", "KEYA|B", "KEYA|B", "KEYA|B"},
      {"KeyA", "Never", "KEYA", "-", "-"},
      {"Access Bits", "KEYA", "KEYA", "-", "-"},
      {"KeyB", "KEYA", "KEYA", "-", "-"},
  }};
  EXPECT_EQ(start, expected_start);
  const mcu::AccessTable mixed = mcu::AccessConditionTable({1, 3, 7, 3});
  const mcu::AccessTable expected_mixed = {{
      {"Block0", "KEYA|B", "Never", "Never", "KEYA|B"},
      {"Block1", "KEYB", "KEYB", "Never", "Never"},
      {"Block2", "Never", "Never", "Never", "Never"},
      {"KeyA", "Never", "KEYB", "-", "-"},
      {"Access Bits", "KEYA|B", "KEYB", "-", "-"},
      {"KeyB", "Never", "KEYB", "-", "-"},
  }};
  EXPECT_EQ(mixed, expected_mixed);
  const mcu::AccessTable more = mcu::AccessConditionTable({6, 5, 2, 2});
  EXPECT_EQ(more[0][3], "KEYB");
  EXPECT_EQ(more[1][1], "KEYB");
  EXPECT_EQ(more[2][4], "Never");
  EXPECT_EQ(more[3][2], "Never");
  EXPECT_EQ(more[5][1], "KEYA");
  EXPECT_EQ(more[5][2], "Never");
}

}  // namespace
