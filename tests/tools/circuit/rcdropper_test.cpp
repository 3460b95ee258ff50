#include "tools/circuit/rcdropper.h"

#include <gtest/gtest.h>

namespace {

// Results checked against calculator_model.py in this folder.
TEST(RcDropper, CurrentAndPower) {
  const struct {
    const char* c;
    const char* vo;
    const char* current;
    const char* power;
  } cases[] = {
      {"1", "12", "65.31", "0.78"},
      {"0.47", "24", "28.93", "0.69"},
      {"1", "", "69.08", "0.00"},
      {"1", "100", "37.68", "3.77"},
      {" 2.2 ", " 5 ", "148.52", "0.74"},
      {"1", "-0", "69.08", "-0.00"},
      {"10", "abc", "690.80", "0.00"},
      {"4.7uF", "12V", "306.97", "3.68"},
      {"1e-320", "12", "0.00", "0.00"},
      // An overflowing capacitance leaves no reactance at all.
      {"1e999", "12", "inf", "inf"},
      {"1e999", "0", "inf", "-nan"},
  };
  for (const auto& c : cases) {
    const circuit::DropperResult result = circuit::RcDropper(c.c, c.vo);
    EXPECT_EQ(result.message, "") << c.c << "|" << c.vo;
    EXPECT_EQ(result.current, c.current) << c.c << "|" << c.vo;
    EXPECT_EQ(result.power, c.power) << c.c << "|" << c.vo;
  }
}

TEST(RcDropper, Messages) {
  const struct {
    const char* c;
    const char* vo;
    const char* message;
  } cases[] = {
      {"", "12", "请输入电容值!"},
      {" \t ", "12", "请输入电容值!"},
      {"0", "12", "请正确输入电容值!"},
      {"-1", "12", "请正确输入电容值!"},
      {"abc", "12", "请正确输入电容值!"},
      {"1e-999", "12", "请正确输入电容值!"},
      {"1", "100.5", "请正确输入电压值!"},
      {"1", "-0.01", "请正确输入电压值!"},
      {"1", "1e999", "请正确输入电压值!"},
      // The capacitance is checked first.
      {"0", "200", "请正确输入电容值!"},
  };
  for (const auto& c : cases) {
    const circuit::DropperResult result = circuit::RcDropper(c.c, c.vo);
    EXPECT_EQ(result.message, c.message) << c.c << "|" << c.vo;
    EXPECT_EQ(result.current, "");
    EXPECT_EQ(result.power, "");
  }
}

}  // namespace
