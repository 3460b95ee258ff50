#include "base/cnum.h"

#include <gtest/gtest.h>

#include "base/format.h"

namespace {

TEST(ReadLong, FollowsStrtolWithThirtyTwoBitSaturation) {
  const struct {
    const char* text;
    int32_t value;
  } cases[] = {
      {"", 0},
      {"abc", 0},
      {"12abc", 12},
      {"0x1A", 0},
      {"  -42", -42},
      {"+7", 7},
      {"2147483647", 2147483647},
      {"2147483648", 2147483647},
      {"-2147483649", INT32_MIN},
      {"99999999999999999999999", 2147483647},
      {"- 5", 0},
  };
  for (const auto& c : cases) EXPECT_EQ(base::ReadLong(c.text), c.value) << c.text;
}

TEST(ReadULong, NegatesModuloAndSaturates) {
  EXPECT_EQ(base::ReadULong("-1"), 4294967295u);
  EXPECT_EQ(base::ReadULong("4294967295"), 4294967295u);
  EXPECT_EQ(base::ReadULong("4294967296"), 4294967295u);
  EXPECT_EQ(base::ReadULong("-4294967296"), 4294967295u);
  EXPECT_EQ(base::ReadULong("12abc"), 12u);
}

TEST(ReadDecimalDouble, AcceptsOnlyDecimalNotation) {
  size_t used = 0;
  EXPECT_DOUBLE_EQ(base::ReadDecimalDouble(" 1.5e3x", &used), 1500.0);
  EXPECT_EQ(used, 6u);
  EXPECT_DOUBLE_EQ(base::ReadDecimalDouble("-.25"), -0.25);
  EXPECT_DOUBLE_EQ(base::ReadDecimalDouble("3."), 3.0);
  EXPECT_DOUBLE_EQ(base::ReadDecimalDouble("2e"), 2.0);
  EXPECT_DOUBLE_EQ(base::ReadDecimalDouble("0x1A"), 0.0);
  EXPECT_DOUBLE_EQ(base::ReadDecimalDouble("inf"), 0.0);
  EXPECT_DOUBLE_EQ(base::ReadDecimalDouble("nan"), 0.0);
  EXPECT_DOUBLE_EQ(base::ReadDecimalDouble("."), 0.0);
}

TEST(CNumbers, CalculatorFieldsAreGivenUnlessBlank) {
  struct Case {
    const char* text;
    bool given;
    double value;
  } cases[] = {{"", false, 0},   {" \t\r\n", false, 0}, {" 12.5 ", true, 12.5},
               {"abc", true, 0}, {"-3e2x", true, -300}, {"\v7", true, 7}};
  for (const Case& c : cases) {
    const base::Field field = base::ReadField(c.text);
    EXPECT_EQ(field.given, c.given) << c.text;
    EXPECT_DOUBLE_EQ(field.value, c.value) << c.text;
  }
}

TEST(Format, PrintsLikePrintf) {
  EXPECT_EQ(base::Format("0x%.2X(%d)", 10, 10), "0x0A(10)");
  EXPECT_EQ(base::Format("%f", 1.0), "1.000000");
  EXPECT_EQ(base::Format("%s", ""), "");
  EXPECT_EQ(base::Format("%s", std::string(5000, 'a').c_str()).size(), 5000u);
}

}  // namespace
