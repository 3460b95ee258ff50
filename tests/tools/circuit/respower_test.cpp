#include "tools/circuit/respower.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using Fields = std::array<std::string, 4>;  // V, I, R, P

// The fields after the results are written; checked against calculator_model.py here.
Fields Apply(const Fields& in, const circuit::PowerResult& result) {
  return {result.v.value_or(in[0]), result.i.value_or(in[1]), result.r.value_or(in[2]),
          result.p.value_or(in[3])};
}

TEST(ResistorPower, SixCasesInTheirOrder) {
  const struct {
    Fields in;
    Fields out;
  } cases[] = {
      {{"12", "", "100", ""}, {"12", "0.120000", "100", "1.440000"}},
      {{"5", "0.02", "", ""}, {"5", "0.02", "250.000000", "0.100000"}},
      {{"", "0.02", "250", ""}, {"5.000000", "0.02", "250", "0.100000"}},
      {{"", "0.1", "", "2"}, {"20.000000", "0.1", "200.000000", "2"}},
      {{"-12", "", "", "1"}, {"-12", "-0.083333", "144.000000", "1"}},
      {{"", "", "1000", "0.25"}, {"15.811388", "0.015811", "1000", "0.25"}},
      // A typed current is replaced by case 1; with all four, case 4 recomputes V and R.
      {{"12", "0.5", "100", ""}, {"12", "0.120000", "100", "1.440000"}},
      {{"20", "0.1", "200", "2"}, {"20.000000", "0.1", "200.000000", "2"}},
      {{"1", "0.1", "1", "2"}, {"20.000000", "0.1", "200.000000", "2"}},
      // Negative currents and voltages pass.
      {{"-5", "", "100", ""}, {"-5", "-0.050000", "100", "0.250000"}},
      {{"5", "-0.02", "", ""}, {"5", "-0.02", "-250.000000", "-0.100000"}},
      {{"", "-0.1", "", "2"}, {"-20.000000", "-0.1", "200.000000", "2"}},
      {{" 12 ", "\t", " 100 ", ""}, {" 12 ", "0.120000", " 100 ", "1.440000"}},
      {{"-0", "", "100", ""}, {"-0", "-0.000000", "100", "0.000000"}},
      {{"1e200", "", "1e-200", ""}, {"1e200", "inf", "1e-200", "inf"}},
  };
  for (const auto& c : cases) {
    const circuit::PowerResult result =
        circuit::ResistorPower({c.in[0], c.in[1], c.in[2], c.in[3]});
    EXPECT_EQ(result.message, "") << c.in[0] << "|" << c.in[1] << "|" << c.in[2] << "|" << c.in[3];
    EXPECT_EQ(Apply(c.in, result), c.out)
        << c.in[0] << "|" << c.in[1] << "|" << c.in[2] << "|" << c.in[3];
  }
}

TEST(ResistorPower, Messages) {
  const struct {
    Fields in;
    const char* message;
  } cases[] = {
      {{"5", "", "", ""}, "请至少给出两个参数!"},
      {{"", "", "", "1"}, "请至少给出两个参数!"},
      {{" ", "\t", "", ""}, "请至少给出两个参数!"},
      {{"5", "", "0", ""}, "通过电压和电阻计算功率和电流时，发现电阻值异常！"},
      {{"5", "", "-1", ""}, "通过电压和电阻计算功率和电流时，发现电阻值异常！"},
      {{"5", "0", "", ""}, "通过电压和电流计算功率和电阻时，发现电流值异常！"},
      {{"", "0.1", "-5", ""}, "通过电阻和电流计算功率和电压时，发现电阻值异常！"},
      {{"", "0.1", "", "-2"}, "通过功率和电流计算电压和电阻时，发现功率值异常！"},
      {{"", "0", "", "2"}, "通过功率和电流计算电压和电阻时，发现电流值异常！"},
      {{"", "0", "", "0"}, "通过功率和电流计算电压和电阻时，发现功率值异常！"},
      {{"10", "", "", "0"}, "通过功率和电压计算电流和电阻时，发现功率值异常！"},
      {{"0", "", "", "1"}, "通过功率和电压计算电流和电阻时，发现电压值异常！"},
      {{"", "", "0", "1"}, "通过功率和电阻计算电流和电压时，发现电阻值异常！"},
      {{"", "", "1000", "abc"}, "通过功率和电阻计算电流和电压时，发现功率值异常！"},
  };
  for (const auto& c : cases) {
    const circuit::PowerResult result =
        circuit::ResistorPower({c.in[0], c.in[1], c.in[2], c.in[3]});
    EXPECT_EQ(result.message, c.message)
        << c.in[0] << "|" << c.in[1] << "|" << c.in[2] << "|" << c.in[3];
    EXPECT_EQ(Apply(c.in, result), c.in);
  }
}

}  // namespace
