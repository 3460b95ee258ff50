#include "app/cli/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <variant>

namespace cli {
namespace {

struct NumberCase {
  const char* text;
  Unit unit;
  double value;  // NAN: refused
};

TEST(CliNumbers, ReadsWholeNumbersOrRefuses) {
  const NumberCase cases[] = {
      {"10000", Unit::kOhm, 10000},
      {"10k", Unit::kOhm, 10000},
      {"4k7", Unit::kOhm, 4700},
      {"4.7k", Unit::kOhm, 4700},
      {"4.7e3", Unit::kOhm, 4700},
      {"2R2", Unit::kOhm, 2.2},
      {"10R", Unit::kOhm, 10},
      {"10kΩ", Unit::kOhm, 10000},
      {"4k7Ω", Unit::kOhm, 4700},
      {"10kohm", Unit::kOhm, 10000},
      {"1M", Unit::kOhm, 1e6},
      {"12MHz", Unit::kHertz, 12e6},
      {"12M", Unit::kHertz, 12e6},
      {"11059200", Unit::kHertz, 11059200},
      {"32.768kHz", Unit::kHertz, 32768},
      {"100n", Unit::kFarad, 100e-9},
      {"100nF", Unit::kFarad, 100e-9},
      {"4u7", Unit::kFarad, 4.7e-6},
      {"4µ7", Unit::kFarad, 4.7e-6},
      {"4.7uF", Unit::kFarad, 4.7e-6},
      {"22p", Unit::kFarad, 22e-12},
      {"3V3", Unit::kVolt, 3.3},
      {"5ms", Unit::kSecond, 0.005},
      {"1G", Unit::kNone, 1e9},
      {"-2.5", Unit::kNone, -2.5},
      {".5", Unit::kNone, 0.5},
      {"0.3", Unit::kNone, 0.3},
      // Refused: what the C-style fields read up to their first odd character.
      {"", Unit::kOhm, NAN},
      {" 10", Unit::kOhm, NAN},
      {"10 ", Unit::kOhm, NAN},
      {"10x", Unit::kOhm, NAN},
      {"12MHz", Unit::kOhm, NAN},
      {"10kΩ", Unit::kHertz, NAN},
      {"2R2", Unit::kNone, NAN},
      {"4k7k", Unit::kOhm, NAN},
      {"4.7k7", Unit::kOhm, NAN},
      {"k7", Unit::kOhm, NAN},
      {"0x10", Unit::kNone, NAN},
      {"inf", Unit::kNone, NAN},
      {"nan", Unit::kNone, NAN},
      {"1e", Unit::kNone, NAN},
      {"1e999", Unit::kNone, NAN},
      {"1e-999", Unit::kNone, NAN},
      {"1,5", Unit::kNone, NAN},
      {"12hz", Unit::kHertz, NAN},
      {"5K", Unit::kNone, NAN},
  };
  for (const NumberCase& c : cases) {
    const NumberResult result = ReadNumber(c.text, c.unit);
    if (std::isnan(c.value)) {
      EXPECT_TRUE(std::holds_alternative<std::string>(result)) << c.text;
    } else if (const double* value = std::get_if<double>(&result)) {
      EXPECT_EQ(*value, c.value) << c.text;
    } else {
      ADD_FAILURE() << c.text << ": " << std::get<std::string>(result);
    }
  }
}

TEST(CliNumbers, NamesWhatIsWrong) {
  EXPECT_EQ(std::get<std::string>(ReadNumber("10x", Unit::kOhm)),
            "'10x' is not a number (write e.g. 4700, 4.7k, 4k7 or 4.7kΩ)");
  EXPECT_EQ(std::get<std::string>(ReadNumber("", Unit::kOhm)), "is empty");
}

struct HexCase {
  const char* text;
  size_t limit;
  std::vector<uint8_t> bytes;
  const char* message;  // nullptr: read
};

TEST(CliNumbers, ReadsHexBytesStrictly) {
  const HexCase cases[] = {
      {"01 22", 10, {0x01, 0x22}, nullptr},
      {"0122", 10, {0x01, 0x22}, nullptr},
      {"01,22\r\n\tab", 10, {0x01, 0x22, 0xAB}, nullptr},
      {"", 10, {}, nullptr},
      {"01 3",
       10,
       {},
       "'3' has an odd number of hex digits: write every byte as two digits, "
       "e.g. 01 or 00 0A"},
      {"012",
       10,
       {},
       "'012' has an odd number of hex digits: write every byte as two digits, "
       "e.g. 01 or 00 0A"},
      {"GG 12",
       10,
       {},
       "'G' is neither a hex digit nor a separator (blank, tab, comma, line "
       "break)"},
      {"12 字",
       10,
       {},
       "'字' is neither a hex digit nor a separator (blank, tab, comma, line "
       "break)"},
      {"0x12",
       10,
       {},
       "0x is no hex byte text: write the bytes as pairs of hex digits, e.g. "
       "00 0A"},
      {"01 02 03", 2, {}, "holds more than 2 bytes"},
  };
  for (const HexCase& c : cases) {
    const HexBytesResult result = ReadHexBytesStrictly(c.text, c.limit);
    if (c.message) {
      ASSERT_TRUE(std::holds_alternative<std::string>(result)) << c.text;
      EXPECT_EQ(std::get<std::string>(result), c.message);
    } else {
      ASSERT_TRUE(std::holds_alternative<std::vector<uint8_t>>(result)) << c.text;
      EXPECT_EQ(std::get<std::vector<uint8_t>>(result), c.bytes) << c.text;
    }
  }
}

TEST(CliNumbers, HexFieldsHoldExactlyTheirBytes) {
  EXPECT_EQ(std::get<std::vector<uint8_t>>(ReadHexField("00 0A", 2)),
            (std::vector<uint8_t>{0x00, 0x0A}));
  EXPECT_EQ(std::get<std::string>(ReadHexField("10", 2)),
            "'10' is not two bytes, high byte first, e.g. 00 0A");
  EXPECT_EQ(std::get<std::string>(ReadHexField("1", 1)),
            "'1' is not one byte as two hex digits, e.g. 01");
  EXPECT_EQ(std::get<std::string>(ReadHexField("0x03", 1)),
            "'0x03' is not one byte as two hex digits, e.g. 01");
  EXPECT_EQ(std::get<std::string>(ReadHexField("01 02", 1)),
            "'01 02' is not one byte as two hex digits, e.g. 01");
}

}  // namespace
}  // namespace cli
