#include "base/json.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(JsonString, EscapesWhatJsonNeedsAndKeepsEveryOtherByte) {
  const struct {
    std::string text, json;
  } cases[] = {
      {"", "\"\""},
      {"a \"b\" \\ c", "\"a \\\"b\\\" \\\\ c\""},
      {"line\r\n  ", "\"line\\r\\n  \""},
      {"\t\b\f", "\"\\t\\b\\f\""},
      {std::string("\x01\x1f\x00", 3), "\"\\u0001\\u001f\\u0000\""},
      {"\x7f", "\"\x7f\""},
      {"中A😀", "\"中A😀\""},
      // Bytes that are not UTF-8 stand for U+FFFD each, the text after them kept.
      {"a\xFFz", "\"a\\ufffdz\""},
      {"\xE4\xB8", "\"\\ufffd\\ufffd\""},
      {"\xC0\xAF", "\"\\ufffd\\ufffd\""},                        // overlong
      {"\xED\xA0\x80", "\"\\ufffd\\ufffd\\ufffd\""},             // surrogate
      {"\xF4\x90\x80\x80", "\"\\ufffd\\ufffd\\ufffd\\ufffd\""},  // past U+10FFFF
  };
  for (const auto& c : cases) EXPECT_EQ(base::JsonString(c.text), c.json) << c.json;
}

TEST(IsUtf8, AcceptsWellFormedTextOnly) {
  EXPECT_TRUE(base::IsUtf8(""));
  EXPECT_TRUE(base::IsUtf8("abc 中 \xF4\x8F\xBF\xBF"));
  for (const char* bad :
       {"\x80", "\xC2", "\xE0\x80\x80", "\xED\xBF\xBF", "\xF5\x80\x80\x80", "a\xE4\xB8"}) {
    EXPECT_FALSE(base::IsUtf8(bad)) << bad;
  }
  EXPECT_EQ(base::Utf8SequenceLength("中", 0), 3u);
  EXPECT_EQ(base::Utf8SequenceLength("a", 0), 1u);
}

}  // namespace
