#include "tools/circuit/resdivider.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace {

using circuit::DividerField;
using circuit::Series;

// Texts marked "model" come whole from resistor_model.py in this folder.

TEST(SolveDivider, ComputesTheEmptyField) {
  const struct {
    circuit::DividerFields fields;
    DividerField field;
    const char* value;
    std::optional<std::string> power;
  } cases[] = {
      // model
      {{"5", "", "10000", "10000"},
       DividerField::kUx,
       "2.500000",
       "R1功率: 0.000625(W)\r\n"
       "R2功率: 0.000625(W) \r\n"
       "电流I  : 0.000250(A)\r\n"},
      {{"", "2.5", "10000", "10000"},
       DividerField::kU,
       "5.000000",
       "R1功率: 0.000625(W)\r\n"
       "R2功率: 0.000625(W) \r\n"
       "电流I  : 0.000250(A)\r\n"},
      {{"12", "3.3", "", "10000"},
       DividerField::kR1,
       "26363.636364",
       "R1功率: 0.002871(W)\r\n"
       "R2功率: 0.001089(W) \r\n"
       "电流I  : 0.000330(A)\r\n"},
      {{"12", "3.3", "4700", ""},
       DividerField::kR2,
       "1782.758621",
       "R1功率: 0.016104(W)\r\n"
       "R2功率: 0.006109(W) \r\n"
       "电流I  : 0.001851(A)\r\n"},
      {{" 5 ", "\t", "1000", "2000"},
       DividerField::kUx,
       "3.333333",
       "R1功率: 0.002778(W)\r\n"
       "R2功率: 0.005556(W) \r\n"
       "电流I  : 0.001667(A)\r\n"},
      {{"3.3V", "", "1k", "2k"},
       DividerField::kUx,
       "2.200000",
       "R1功率: 1.210000(W)\r\n"
       "R2功率: 2.420000(W) \r\n"
       "电流I  : 1.100000(A)\r\n"},
      {{"-5", "", "1000", "3000"},
       DividerField::kUx,
       "-3.750000",
       "R1功率: 0.001563(W)\r\n"
       "R2功率: 0.004687(W) \r\n"
       "电流I  : -0.001250(A)\r\n"},
      {{"24", "", "1e6", "1"},
       DividerField::kUx,
       "0.000024",
       "R1功率: 0.000576(W)\r\n"
       "R2功率: 0.000000(W) \r\n"
       "电流I  : 0.000024(A)\r\n"},
      {{"abc", "", "1", "1"},
       DividerField::kUx,
       "0.000000",
       "R1功率: 0.000000(W)\r\n"
       "R2功率: 0.000000(W) \r\n"
       "电流I  : 0.000000(A)\r\n"},
      {{"", "-2", "1000", "-3000"},
       DividerField::kU,
       "-1.333333",
       "R1功率: 0.000444(W)\r\n"
       "R2功率: -0.001333(W) \r\n"
       "电流I  : 0.000667(A)\r\n"},
      // R1 + R2 = 0: the value, but no current.
      {{"", "1", "100", "-100"}, DividerField::kU, "-0.000000", std::nullopt},
      {{"12", "3.3", "0", ""}, DividerField::kR2, "0.000000", std::nullopt},
  };
  for (const auto& c : cases) {
    const auto solution = circuit::SolveDivider(c.fields);
    ASSERT_TRUE(solution.has_value()) << c.fields.u << "|" << c.fields.ux << "|" << c.fields.r1;
    EXPECT_EQ(solution->field, c.field) << c.value;
    EXPECT_EQ(solution->value, c.value);
    EXPECT_EQ(solution->power, c.power) << c.value;
  }
}

TEST(SolveDivider, NothingHappensWithoutExactlyOneSolvableGap) {
  const circuit::DividerFields cases[] = {
      {"5", "5", "", "1000"},          // U = Ux
      {"5", "6", "1000", ""},          // U < Ux
      {"5", "0", "", "1000"},          // Ux = 0
      {"5", "abc", "1000", ""},        // Ux reads as 0
      {"", "1", "1000", "0"},          // R2 = 0
      {"5", "", "100", "-100"},        // R1 + R2 = 0
      {"5", "", "0", "0"},             //
      {"5", "2.5", "10000", "10000"},  // nothing empty
      {"5", "", "", "10000"},          // two empty
      {" ", "\t", "", ""},             // all empty
      {"", "", "", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(circuit::SolveDivider(c), std::nullopt)
        << c.u << "|" << c.ux << "|" << c.r1 << "|" << c.r2;
  }
}

TEST(NearestValues, FiveNearestInOrder) {
  const struct {
    Series series;
    const char* input;
    const char* text;
  } cases[] = {
      // model; among equal distances the value met first (lower mantissa) comes first
      {Series::kE12, "4500",
       "1.电阻型号：4700.000000\r\n"
       "  误差:200.000000\r\n"
       "\r\n"
       "2.电阻型号：3900.000000\r\n"
       "  误差:600.000000\r\n"
       "\r\n"
       "3.电阻型号：5600.000000\r\n"
       "  误差:1100.000000\r\n"
       "\r\n"
       "4.电阻型号：3300.000000\r\n"
       "  误差:1200.000000\r\n"
       "\r\n"
       "5.电阻型号：2700.000000\r\n"
       "  误差:1800.000000\r\n"
       "\r\n"},
      {Series::kE96, "4500",
       "1.电阻型号：4530.000000\r\n"
       "  误差:30.000000\r\n"
       "\r\n"
       "2.电阻型号：4420.000000\r\n"
       "  误差:80.000000\r\n"
       "\r\n"
       "3.电阻型号：4640.000000\r\n"
       "  误差:140.000000\r\n"
       "\r\n"
       "4.电阻型号：4320.000000\r\n"
       "  误差:180.000000\r\n"
       "\r\n"
       "5.电阻型号：4750.000000\r\n"
       "  误差:250.000000\r\n"
       "\r\n"},
      {Series::kE12, "1",
       "1.电阻型号：1.000000\r\n"
       "  误差:0.000000\r\n"
       "\r\n"
       "2.电阻型号：1.200000\r\n"
       "  误差:0.200000\r\n"
       "\r\n"
       "3.电阻型号：1.500000\r\n"
       "  误差:0.500000\r\n"
       "\r\n"
       "4.电阻型号：1.800000\r\n"
       "  误差:0.800000\r\n"
       "\r\n"
       "5.电阻型号：0.000000\r\n"
       "  误差:1.000000\r\n"
       "\r\n"},
      {Series::kE24, "4500",
       "1.电阻型号：4300.000000\r\n"
       "  误差:200.000000\r\n"
       "\r\n"
       "2.电阻型号：4700.000000\r\n"
       "  误差:200.000000\r\n"
       "\r\n"
       "3.电阻型号：3900.000000\r\n"
       "  误差:600.000000\r\n"
       "\r\n"
       "4.电阻型号：5100.000000\r\n"
       "  误差:600.000000\r\n"
       "\r\n"
       "5.电阻型号：3600.000000\r\n"
       "  误差:900.000000\r\n"
       "\r\n"},
      {Series::kE96, "1",
       "1.电阻型号：1.000000\r\n"
       "  误差:0.000000\r\n"
       "\r\n"
       "2.电阻型号：1.020000\r\n"
       "  误差:0.020000\r\n"
       "\r\n"
       "3.电阻型号：1.050000\r\n"
       "  误差:0.050000\r\n"
       "\r\n"
       "4.电阻型号：1.070000\r\n"
       "  误差:0.070000\r\n"
       "\r\n"
       "5.电阻型号：1.100000\r\n"
       "  误差:0.100000\r\n"
       "\r\n"},
      {Series::kE96, "9999999",
       "1.电阻型号：9760000.000000\r\n"
       "  误差:239999.000000\r\n"
       "\r\n"
       "2.电阻型号：9530000.000000\r\n"
       "  误差:469999.000000\r\n"
       "\r\n"
       "3.电阻型号：9310000.000000\r\n"
       "  误差:689999.000000\r\n"
       "\r\n"
       "4.电阻型号：9090000.000000\r\n"
       "  误差:909999.000000\r\n"
       "\r\n"
       "5.电阻型号：8870000.000000\r\n"
       "  误差:1129999.000000\r\n"
       "\r\n"},
      {Series::kE24, "0.5",
       "1.电阻型号：0.000000\r\n"
       "  误差:0.500000\r\n"
       "\r\n"
       "2.电阻型号：0.000000\r\n"
       "  误差:0.500000\r\n"
       "\r\n"
       "3.电阻型号：0.000000\r\n"
       "  误差:0.500000\r\n"
       "\r\n"
       "4.电阻型号：0.000000\r\n"
       "  误差:0.500000\r\n"
       "\r\n"
       "5.电阻型号：0.000000\r\n"
       "  误差:0.500000\r\n"
       "\r\n"},
      {Series::kE96, "-30",
       "1.电阻型号：0.000000\r\n"
       "  误差:30.000000\r\n"
       "\r\n"
       "2.电阻型号：0.000000\r\n"
       "  误差:30.000000\r\n"
       "\r\n"
       "3.电阻型号：0.000000\r\n"
       "  误差:30.000000\r\n"
       "\r\n"
       "4.电阻型号：0.000000\r\n"
       "  误差:30.000000\r\n"
       "\r\n"
       "5.电阻型号：0.000000\r\n"
       "  误差:30.000000\r\n"
       "\r\n"},
      {Series::kE24, "11",
       "1.电阻型号：11.000000\r\n"
       "  误差:0.000000\r\n"
       "\r\n"
       "2.电阻型号：10.000000\r\n"
       "  误差:1.000000\r\n"
       "\r\n"
       "3.电阻型号：12.000000\r\n"
       "  误差:1.000000\r\n"
       "\r\n"
       "4.电阻型号：9.100000\r\n"
       "  误差:1.900000\r\n"
       "\r\n"
       "5.电阻型号：13.000000\r\n"
       "  误差:2.000000\r\n"
       "\r\n"},
      {Series::kE96, "1e12",
       "1.电阻型号：9760000.000000\r\n"
       "  误差:999990240000.000000\r\n"
       "\r\n"
       "2.电阻型号：9530000.000000\r\n"
       "  误差:999990470000.000000\r\n"
       "\r\n"
       "3.电阻型号：9310000.000000\r\n"
       "  误差:999990690000.000000\r\n"
       "\r\n"
       "4.电阻型号：9090000.000000\r\n"
       "  误差:999990910000.000000\r\n"
       "\r\n"
       "5.电阻型号：8870000.000000\r\n"
       "  误差:999991130000.000000\r\n"
       "\r\n"},
      {Series::kE12, " 2.5k",
       "1.电阻型号：2.700000\r\n"
       "  误差:0.200000\r\n"
       "\r\n"
       "2.电阻型号：2.200000\r\n"
       "  误差:0.300000\r\n"
       "\r\n"
       "3.电阻型号：1.800000\r\n"
       "  误差:0.700000\r\n"
       "\r\n"
       "4.电阻型号：3.300000\r\n"
       "  误差:0.800000\r\n"
       "\r\n"
       "5.电阻型号：1.500000\r\n"
       "  误差:1.000000\r\n"
       "\r\n"},
      {Series::kE24, "1.05",
       "1.电阻型号：1.000000\r\n"
       "  误差:0.050000\r\n"
       "\r\n"
       "2.电阻型号：1.100000\r\n"
       "  误差:0.050000\r\n"
       "\r\n"
       "3.电阻型号：1.200000\r\n"
       "  误差:0.150000\r\n"
       "\r\n"
       "4.电阻型号：1.300000\r\n"
       "  误差:0.250000\r\n"
       "\r\n"
       "5.电阻型号：1.500000\r\n"
       "  误差:0.450000\r\n"
       "\r\n"},
      {Series::kE96, "333",
       "1.电阻型号：332.000000\r\n"
       "  误差:1.000000\r\n"
       "\r\n"
       "2.电阻型号：340.000000\r\n"
       "  误差:7.000000\r\n"
       "\r\n"
       "3.电阻型号：324.000000\r\n"
       "  误差:9.000000\r\n"
       "\r\n"
       "4.电阻型号：348.000000\r\n"
       "  误差:15.000000\r\n"
       "\r\n"
       "5.电阻型号：316.000000\r\n"
       "  误差:17.000000\r\n"
       "\r\n"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(circuit::NearestValuesText(c.series, c.input), c.text) << c.input;
  }
}

TEST(NearestValues, NothingNearerThanZero) {
  const std::string zeros =
      "1.电阻型号：0.000000\r\n  误差:0.000000\r\n\r\n"
      "2.电阻型号：0.000000\r\n  误差:0.000000\r\n\r\n"
      "3.电阻型号：0.000000\r\n  误差:0.000000\r\n\r\n"
      "4.电阻型号：0.000000\r\n  误差:0.000000\r\n\r\n"
      "5.电阻型号：0.000000\r\n  误差:0.000000\r\n\r\n";
  for (const char* input : {"0", "abc", " ", "-0"}) {
    EXPECT_EQ(circuit::NearestValuesText(Series::kE96, input), zeros) << input;
  }
  EXPECT_EQ(circuit::NearestValuesText(Series::kE12, ""), std::nullopt);
}

TEST(DividerChoice, WidestSwing) {
  const struct {
    const char* r2_min;
    const char* r2_max;
    const char* supply;
    const char* text;
  } cases[] = {
      // model; past a product of about 1e14 the range ends at 9999999
      {"1000", "2000", "3.3",
       "R1=1414(Ω) 时Ux变化范围最大\r\n"
       "Ux电压范围:1.367026(V) ~ 1.933216 (V)\r\n"
       "Ux变化量(V):0.566190"},
      {"1", "2", "5",
       "R1=2(Ω) 时Ux变化范围最大\r\n"
       "Ux电压范围:1.666667(V) ~ 2.500000 (V)\r\n"
       "Ux变化量(V):0.833333"},
      {"10", "1e9", "12",
       "R1=100000(Ω) 时Ux变化范围最大\r\n"
       "Ux电压范围:0.001200(V) ~ 11.998800 (V)\r\n"
       "Ux变化量(V):11.997600"},
      {"1e7", "2e7", "5",
       "R1=9999999(Ω) 时Ux变化范围最大\r\n"
       "Ux电压范围:2.500000(V) ~ 3.333333 (V)\r\n"
       "Ux变化量(V):0.833333"},
      {"47", "4700", "",
       "R1=470(Ω) 时Ux变化范围最大\r\n"
       "Ux电压范围:0.000000(V) ~ 0.000000 (V)\r\n"
       "Ux变化量(V):0.000000"},
      {"100.5", "100.7", "3.3",
       "R1=101(Ω) 时Ux变化范围最大\r\n"
       "Ux电压范围:1.645906(V) ~ 1.647546 (V)\r\n"
       "Ux变化量(V):0.001640"},
      {"1", "1.0000000001", "1",
       "R1=1(Ω) 时Ux变化范围最大\r\n"
       "Ux电压范围:0.500000(V) ~ 0.500000 (V)\r\n"
       "Ux变化量(V):0.000000"},
      {"1e7", "1e8", "5",
       "R1=9999999(Ω) 时Ux变化范围最大\r\n"
       "Ux电压范围:2.500000(V) ~ 4.545455 (V)\r\n"
       "Ux变化量(V):2.045454"},
      {"0.001", "0.002", "1",
       "R1=1(Ω) 时Ux变化范围最大\r\n"
       "Ux电压范围:0.000999(V) ~ 0.001996 (V)\r\n"
       "Ux变化量(V):0.000997"},
      {"  220 ", "330abc", "5V",
       "R1=269(Ω) 时Ux变化范围最大\r\n"
       "Ux电压范围:2.249489(V) ~ 2.754591 (V)\r\n"
       "Ux变化量(V):0.505102"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(circuit::DividerChoiceText(c.r2_min, c.r2_max, c.supply), c.text)
        << c.r2_min << " " << c.r2_max;
  }
}

TEST(DividerChoice, InvalidLimits) {
  const struct {
    const char* r2_min;
    const char* r2_max;
  } cases[] = {
      {"1000", "1000"}, {"2000", "1000"}, {"0", "1000"},     {"-1", "1000"},     {"-2000", "-1000"},
      {"", ""},         {"abc", "1000"},  {"1000", "1e999"}, {"1e999", "1e999"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(circuit::DividerChoiceText(c.r2_min, c.r2_max, "3.3"), "非法输入!")
        << c.r2_min << " " << c.r2_max;
  }
}

TEST(DividerChoice, PeakAndTies) {
  // Swings fall on both sides of sqrt(min * max); the peak for 1 and 4 is at exactly 2.
  EXPECT_EQ(circuit::ChooseDividerR1(1, 4), 2);
  EXPECT_EQ(circuit::ChooseDividerR1(4, 9), 6);
  // Here R and R + 1 give bit-identical swings: the smaller R is kept.
  EXPECT_EQ(circuit::ChooseDividerR1(1, 12), 3);
  EXPECT_EQ(circuit::ChooseDividerR1(1, 30), 5);
  EXPECT_EQ(circuit::ChooseDividerR1(1, 0.5), std::nullopt);
}

}  // namespace
