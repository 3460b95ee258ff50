#include "tools/mcu/charcode.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using mcu::CharacterSet;

// Texts checked against charcode_model.py in this folder (Python's codecs).

TEST(CharacterCodes, BytesAndCodeUnits) {
  const struct {
    std::string text;
    mcu::CodeOptions options;
    std::string codes;
  } cases[] = {
      {"中A", {CharacterSet::kMultibyte, false, false}, "D6 D0 41"},
      {"中A", {CharacterSet::kMultibyte, true, true}, "0xD6,0xD0,0x41"},
      {"中A", {CharacterSet::kMultibyte, true, false}, "D6,D0,41"},
      {"中A", {CharacterSet::kMultibyte, false, true}, "0xD6 0xD0 0x41"},
      {"中A", {CharacterSet::kUnicode, false, false}, "4E 2D 00 41"},
      {"中A", {CharacterSet::kUnicode, true, true}, "0x4E,0x2D,0x00,0x41"},
      {" a ", {CharacterSet::kMultibyte, false, false}, "20 61 20"},
      {"，！", {CharacterSet::kUnicode, false, false}, "FF 0C FF 01"},
      // Characters GBK lacks are "?" in both forms; the euro sign is 0x80 in code page 936.
      {"€©😀Ω", {CharacterSet::kMultibyte, false, false}, "80 3F 3F A6 B8"},
      {"€©😀Ω", {CharacterSet::kUnicode, false, false}, "20 AC 00 3F 00 3F 03 A9"},
      {"", {CharacterSet::kMultibyte, true, true}, ""},
      {"", {CharacterSet::kUnicode, false, false}, ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(mcu::CharacterCodes(c.text, c.options), c.codes) << c.text;
  }
}

TEST(CharacterCodes, LimitKeepsWholeCharacters) {
  std::string double_bytes;
  for (int i = 0; i < 600; ++i) double_bytes += "中";
  const struct {
    std::string text;
    size_t bytes;
  } cases[] = {
      {std::string(1100, 'a'), 1023},
      {std::string(1023, 'a'), 1023},
      {"a" + double_bytes, 1023},
      {double_bytes, 1022},
      {std::string(1022, 'b') + "码", 1022},
      {std::string(1021, 'b') + "码", 1023},
  };
  for (const auto& c : cases) {
    const std::string gbk = mcu::LimitedGbk(c.text);
    EXPECT_EQ(gbk.size(), c.bytes);
    // The cut never leaves a lead byte without its trail byte.
    const std::string codes = mcu::CharacterCodes(c.text, {CharacterSet::kMultibyte, false, false});
    EXPECT_EQ(codes.size(), c.bytes * 3 - 1);
    EXPECT_NE(codes.substr(codes.size() - 2), "D6");
  }
  // 511 whole characters in UTF-16 too.
  const std::string units =
      mcu::CharacterCodes(double_bytes, {CharacterSet::kUnicode, false, false});
  EXPECT_EQ(units.size(), 511u * 2 * 3 - 1);
  EXPECT_EQ(units.substr(units.size() - 5), "4E 2D");
}

}  // namespace
