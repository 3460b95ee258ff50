#include "base/text.h"

#include <gtest/gtest.h>

namespace {

TEST(Trim, StripsWhiteSpaceAtBothEnds) {
  EXPECT_EQ(base::Trim(" \t a b \r\n"), "a b");
  EXPECT_EQ(base::Trim("   "), "");
  EXPECT_EQ(base::Trim(""), "");
}

TEST(Cp936, ConvertsBothWaysAndReplacesWhatItLacks) {
  EXPECT_EQ(base::ToCp936("中A"),
            "\xD6\xD0"
            "A");
  EXPECT_EQ(base::FromCp936("\xD6\xD0"
                            "A"),
            "中A");
  // An emoji has no CP936 code; a malformed UTF-8 byte neither.
  EXPECT_EQ(base::ToCp936("a\xF0\x9F\x98\x80z"), "a?z");
  EXPECT_EQ(base::ToCp936("a\xFFz"), "a?z");
  // A broken sequence stands for one "?" and never swallows the characters after it.
  EXPECT_EQ(base::ToCp936("\xE4"
                          "31 32"),
            "?31 32");
  EXPECT_EQ(base::ToCp936("\xE4\xB8"
                          "1"),
            "?1");
  // A lone lead byte at the end is not a character.
  EXPECT_EQ(base::FromCp936("a\xD6"), "a?");
  EXPECT_EQ(base::FromCp936("\xD6"
                            "12"),
            "?12");
}

TEST(Split, KeepsEmptyPieces) {
  EXPECT_EQ(base::Split("a\r\n\r\nb", "\r\n"), (std::vector<std::string>{"a", "", "b"}));
  EXPECT_EQ(base::Split("", "\r\n"), (std::vector<std::string>{""}));
}

}  // namespace
