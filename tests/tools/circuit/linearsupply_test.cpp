#include "tools/circuit/linearsupply.h"

#include <gtest/gtest.h>

namespace {

// Texts checked against calculator_model.py in this folder.
TEST(LinearSupply, Texts) {
  const struct {
    circuit::LinearSupplyFields fields;
    const char* text;
  } cases[] = {
      {{"7", "10", "12", "0.5"},
       "初级输入电压范围(V):\r\n235.4 - 198.0\r\n\r\n"
       "次级峰值(直流空载)电压范围(V):\r\n18.16 - 15.27\r\n\r\n"
       "直流额定负载电压范围(V):\r\n15.41 - 12.96\r\n\r\n"
       "滤波电容 > 166 (uF)\r\n"},
      {{"0", "0", "12", "0.5"},
       "初级输入电压范围(V):\r\n220.0 - 220.0\r\n\r\n"
       "次级峰值(直流空载)电压范围(V):\r\n16.97 - 16.97\r\n\r\n"
       "直流额定负载电压范围(V):\r\n14.40 - 14.40\r\n\r\n"
       "滤波电容 > 149 (uF)\r\n"},
      // No current, no capacitor line.
      {{"7", "10", "12", "0"},
       "初级输入电压范围(V):\r\n235.4 - 198.0\r\n\r\n"
       "次级峰值(直流空载)电压范围(V):\r\n18.16 - 15.27\r\n\r\n"
       "直流额定负载电压范围(V):\r\n15.41 - 12.96\r\n\r\n"},
      {{"7", "10", "12", ""},
       "初级输入电压范围(V):\r\n235.4 - 198.0\r\n\r\n"
       "次级峰值(直流空载)电压范围(V):\r\n18.16 - 15.27\r\n\r\n"
       "直流额定负载电压范围(V):\r\n15.41 - 12.96\r\n\r\n"},
      {{"7", "10", "12", "-1"},
       "初级输入电压范围(V):\r\n235.4 - 198.0\r\n\r\n"
       "次级峰值(直流空载)电压范围(V):\r\n18.16 - 15.27\r\n\r\n"
       "直流额定负载电压范围(V):\r\n15.41 - 12.96\r\n\r\n"},
      {{"10", "15", "9", "1.2"},
       "初级输入电压范围(V):\r\n242.0 - 187.0\r\n\r\n"
       "次级峰值(直流空载)电压范围(V):\r\n14.00 - 10.82\r\n\r\n"
       "直流额定负载电压范围(V):\r\n11.88 - 9.18\r\n\r\n"
       "滤波电容 > 562 (uF)\r\n"},
      {{" 7", "10 ", "24V", "2A"},
       "初级输入电压范围(V):\r\n235.4 - 198.0\r\n\r\n"
       "次级峰值(直流空载)电压范围(V):\r\n36.32 - 30.55\r\n\r\n"
       "直流额定负载电压范围(V):\r\n30.82 - 25.92\r\n\r\n"
       "滤波电容 > 332 (uF)\r\n"},
      // Just below a drop of 100 % there is still a supply.
      {{"7", "99.9", "12", "0.5"},
       "初级输入电压范围(V):\r\n235.4 - 0.2\r\n\r\n"
       "次级峰值(直流空载)电压范围(V):\r\n18.16 - 0.02\r\n\r\n"
       "直流额定负载电压范围(V):\r\n15.41 - 0.01\r\n\r\n"
       "滤波电容 > 149254 (uF)\r\n"},
      {{"-0", "-0", "5", "0.1"},
       "初级输入电压范围(V):\r\n220.0 - 220.0\r\n\r\n"
       "次级峰值(直流空载)电压范围(V):\r\n7.07 - 7.07\r\n\r\n"
       "直流额定负载电压范围(V):\r\n6.00 - 6.00\r\n\r\n"
       "滤波电容 > 72 (uF)\r\n"},
      // Overflowing inputs print as the C library prints them.
      {{"1e999", "10", "12", "0.5"},
       "初级输入电压范围(V):\r\ninf - 198.0\r\n\r\n"
       "次级峰值(直流空载)电压范围(V):\r\ninf - 15.27\r\n\r\n"
       "直流额定负载电压范围(V):\r\ninf - 12.96\r\n\r\n"
       "滤波电容 > 166 (uF)\r\n"},
      {{"7", "10", "1e999", "0.5"},
       "初级输入电压范围(V):\r\n235.4 - 198.0\r\n\r\n"
       "次级峰值(直流空载)电压范围(V):\r\ninf - -nan\r\n\r\n"
       "直流额定负载电压范围(V):\r\ninf - -nan\r\n\r\n"
       "滤波电容 > -nan (uF)\r\n"},
  };
  for (const auto& c : cases) {
    const circuit::LinearSupplyResult result = circuit::LinearSupply(c.fields);
    EXPECT_EQ(result.message, "") << c.fields.up << "|" << c.fields.down << "|" << c.fields.voltage
                                  << "|" << c.fields.current;
    EXPECT_EQ(result.text, c.text) << c.fields.up << "|" << c.fields.down << "|" << c.fields.voltage
                                   << "|" << c.fields.current;
  }
}

TEST(LinearSupply, Messages) {
  const struct {
    circuit::LinearSupplyFields fields;
    const char* message;
  } cases[] = {
      {{"-1", "10", "12", "0.5"}, "输入电压波动范围输入异常!"},
      {{"7", "-1", "12", "0.5"}, "输入电压波动范围输入异常!"},
      // A drop of 100 % or more leaves no supply at all.
      {{"7", "100", "12", "0.5"}, "输入电压波动范围输入异常!"},
      {{"7", "150", "12", "0.5"}, "输入电压波动范围输入异常!"},
      {{"7", "1e999", "12", "0.5"}, "输入电压波动范围输入异常!"},
      {{"7", "100", "0", "0.5"}, "输入电压波动范围输入异常!"},
      {{"7", "10", "0", "0.5"}, "输入变压器电压异常!"},
      {{"7", "10", "-5", "0.5"}, "输入变压器电压异常!"},
      {{"7", "10", "abc", "0.5"}, "输入变压器电压异常!"},
      {{"7", "10", "", "0.5"}, "输入变压器电压异常!"},
  };
  for (const auto& c : cases) {
    const circuit::LinearSupplyResult result = circuit::LinearSupply(c.fields);
    EXPECT_EQ(result.message, c.message) << c.fields.up << "|" << c.fields.down << "|"
                                         << c.fields.voltage << "|" << c.fields.current;
    EXPECT_EQ(result.text, "");
  }
}

}  // namespace
