#include "tools/circuit/ntctable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "base/text.h"

namespace {

using circuit::NtcDivider;
using circuit::NtcOptions;

std::vector<std::string> Lines(const std::string& text) {
  return base::Split(text, "\r\n");
}

// Entries checked against calculator_model.py in this folder.
TEST(NtcTable, Entries) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  const struct {
    double value;
    NtcOptions options;  // hex, tenfold, integer
    const char* entry;
  } cases[] = {
      {1000.9, {}, "1000.90,"},
      {1000.9, {false, false, true}, "1001,"},
      // Hexadecimal truncates, the integer option rounds and has no effect beside it.
      {1000.9, {true, false, false}, "0x03E8,"},
      {1000.9, {true, false, true}, "0x03E8,"},
      {1000.9, {true, true, false}, "0x2719,"},
      {1000.9, {false, true, true}, "10009,"},
      {0.5, {false, false, true}, "0,"},
      {0, {true, false, false}, "0x0000,"},
      {0.5, {true, true, false}, "0x0005,"},
      {65534.99, {true, false, false}, "0xFFFE,"},
      {65534.99, {false, false, true}, "65535,"},
      {65535, {true, false, false}, "0xFFFF,"},
      // Ten-fold comes before the limit.
      {6553.4, {true, true, false}, "0xFFFE,"},
      {6553.5, {true, true, false}, "0xFFFF,"},
      {6553.5, {true, false, false}, "0x1999,"},
      {1e300, {true, false, false}, "0xFFFF,"},
      {inf, {true, false, false}, "0xFFFF,"},
      // A value that is no number shows the limit too.
      {nan, {true, false, false}, "0xFFFF,"},
      {-nan, {true, true, true}, "0xFFFF,"},
      {inf, {}, "inf,"},
      {-nan, {}, "-nan,"},
      {nan, {false, false, true}, "nan,"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(circuit::NtcEntry(c.value, c.options), c.entry)
        << c.value << " " << c.options.hex << c.options.tenfold << c.options.integer;
  }
}

TEST(NtcTable, Resistance) {
  EXPECT_EQ(circuit::NtcResistance(10000, 3450, 25), 10000.0);
  const std::string text = circuit::NtcResistanceTable(10000, 3450, {});
  const std::vector<std::string> lines = Lines(text);
  ASSERT_EQ(lines.size(), 18u);  // header, 16 lines, nothing after the last line end
  EXPECT_EQ(lines[0], "//-40℃ ~ 119℃对应阻值(Ω):");
  EXPECT_EQ(lines[1],
            "251783.39,236364.04,222008.28,208635.11,196170.26,184545.58,173698.46,163571.41,"
            "154111.55,145270.24,//-40℃ ~ -31℃");
  EXPECT_EQ(lines[7],
            "12181.85,11704.09,11248.11,10812.80,10397.09,10000.00,9620.58,9257.94,8911.24,"
            "8579.69,//20℃ ~ 29℃");
  EXPECT_EQ(lines[16],
            "767.62,749.83,732.55,715.75,699.42,683.55,668.11,653.10,638.50,624.30,//110℃ ~ "
            "119℃");
  EXPECT_EQ(lines[17], "");

  const std::vector<std::string> hex = Lines(circuit::NtcResistanceTable(10000, 3450, {true}));
  EXPECT_EQ(hex[3],
            "0xFFFF,0xFFFF,0xFFFF,0xFFFF,0xF72D,0xEAA8,0xDEDD,0xD3BE,0xC942,0xBF5E,//-20℃ ~ "
            "-11℃");
}

TEST(NtcTable, Adc) {
  const std::vector<std::string> upper =
      Lines(circuit::NtcAdcTable(10000, 3450, 10000, 1024, NtcDivider::kUpper, {}));
  ASSERT_EQ(upper.size(), 18u);
  EXPECT_EQ(upper[0], "//-40℃ ~ 119℃对应AD值:");
  EXPECT_EQ(upper[1].substr(0, 7), "984.88,");
  EXPECT_EQ(upper[7],
            "562.36,552.20,542.07,532.00,521.97,512.00,502.10,492.27,482.52,472.86,//20℃ ~ "
            "29℃");
  const std::vector<std::string> lower = Lines(
      circuit::NtcAdcTable(10000, 3450, 10000, 1024, NtcDivider::kLower, {false, false, true}));
  EXPECT_EQ(lower[1], "39,42,44,47,50,53,56,59,62,66,//-40℃ ~ -31℃");
}

TEST(NtcTable, OverflowingResistanceInHex) {
  // exp underflows at the top of the range: infinity times 0 is no number.
  const std::vector<std::string> lines =
      Lines(circuit::NtcResistanceTable(1e308, 1e5, {true, true, false}));
  for (size_t n = 1; n <= 16; ++n) {
    EXPECT_EQ(lines[n].substr(0, 70),
              "0xFFFF,0xFFFF,0xFFFF,0xFFFF,0xFFFF,0xFFFF,0xFFFF,0xFFFF,0xFFFF,0xFFFF,");
  }
  const std::vector<std::string> adc =
      Lines(circuit::NtcAdcTable(1e308 * 10, 3450, 10, 4096, NtcDivider::kLower, {}));
  EXPECT_EQ(adc[1], "-nan,-nan,-nan,-nan,-nan,-nan,-nan,-nan,-nan,-nan,//-40℃ ~ -31℃");
}

TEST(NtcTable, Fields) {
  const struct {
    const char* r25;
    const char* b;
    const char* rd;
    bool resistance_ok;
    bool adc_ok;
  } cases[] = {
      {"10000", "3450", "10000", true, true},  {" 10", "10", "10", true, true},
      {"9.99", "3450", "10000", false, false}, {"10000", "", "10000", false, false},
      {"10000", "3450", "5", true, false},     {"abc", "3450", "10000", false, false},
      {"10000", "9.9", "10000", false, false}, {"1e999", "3450", "10000", true, true},
  };
  for (const auto& c : cases) {
    const circuit::NtcResult resistance = circuit::NtcResistanceTableFromFields(c.r25, c.b, {});
    EXPECT_EQ(resistance.message, c.resistance_ok ? "" : "输入值范围超限!") << c.r25 << "|" << c.b;
    EXPECT_EQ(resistance.text.empty(), !c.resistance_ok);
    const circuit::NtcResult adc =
        circuit::NtcAdcTableFromFields(c.r25, c.b, c.rd, 0, NtcDivider::kUpper, {});
    EXPECT_EQ(adc.message, c.adc_ok ? "" : "输入值范围超限!") << c.r25 << "|" << c.b << "|" << c.rd;
    EXPECT_EQ(adc.text.empty(), !c.adc_ok);
  }
  // Index 0 is 10 bits; any other index is 12 bits.
  EXPECT_EQ(
      circuit::NtcAdcTableFromFields("10000", "3450", "10000", 1, NtcDivider::kUpper, {}).text,
      circuit::NtcAdcTable(10000, 3450, 10000, 4096, NtcDivider::kUpper, {}));
  EXPECT_EQ(
      circuit::NtcAdcTableFromFields("10000", "3450", "10000", 0, NtcDivider::kLower, {}).text,
      circuit::NtcAdcTable(10000, 3450, 10000, 1024, NtcDivider::kLower, {}));
}

TEST(NtcTable, HelpText) {
  const std::string help = circuit::NtcHelpText();
  EXPECT_EQ(Lines(help)[0], "NTC阻值计算公式:");
  EXPECT_EQ(Lines(help).size(), 8u);
  EXPECT_EQ(Lines(help)[7], "T1和T2指的是K度即开尔文温度，K度=273.15(绝对温度)+摄氏度；");
}

}  // namespace
