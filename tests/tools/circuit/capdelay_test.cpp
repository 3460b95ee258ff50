#include "tools/circuit/capdelay.h"

#include <gtest/gtest.h>

namespace {

using circuit::CapField;
using circuit::CapMode;

constexpr CapMode kD = CapMode::kDischarge;
constexpr CapMode kC = CapMode::kCharge;

// Results checked against calculator_model.py in this folder.
TEST(CapacitorDelay, ComputedField) {
  const struct {
    CapMode mode;
    circuit::CapFields fields;  // Ve, Vx1, Vx2, R, C, T
    CapField field;
    const char* value;
  } cases[] = {
      {kD, {"", "5", "1", "1000", "100", ""}, CapField::kT, "160.943791"},
      {kD, {"", "5", "1", "1000", "100", "999"}, CapField::kT, "160.943791"},
      {kD, {"9", "5", "1", "", "100", "160.943791"}, CapField::kR, "999.999998"},
      {kD, {"", "5", "1", "1000", "", "160.943791"}, CapField::kC, "100.000000"},
      {kD, {" ", " 5 ", "\t1", "1k", "100uF", ""}, CapField::kT, "0.160944"},
      {kC, {"5", "0", "2.5", "10000", "10", ""}, CapField::kT, "69.314718"},
      {kC, {"5", "0", "2.5", "10000", "", "69.314718"}, CapField::kC, "10.000000"},
      {kC, {"5", "0", "2.5", "", "10", "69.314718"}, CapField::kR, "9999.999992"},
      {kC, {"5", "0", "2.5", "-1000", "1", ""}, CapField::kT, "-0.693147"},
      {kC, {"5", "0", "0", "1000", "1", ""}, CapField::kT, "0.000000"},
      {kD, {"", "-1", "-5", "1000", "1", ""}, CapField::kT, "-1.609438"},
      // Logarithms that the checks let through: the arithmetic decides.
      {kD, {"", "3", "3", "1000", "1", ""}, CapField::kT, "0.000000"},
      {kD, {"", "3", "3", "1000", "", "1"}, CapField::kC, "inf"},
      {kC, {"5", "2.5", "5", "1000", "1", ""}, CapField::kT, "inf"},
      {kD, {"", "5", "-1", "1000", "1", ""}, CapField::kT, "-nan"},
      {kC, {"-5", "-5", "-5", "1000", "1", ""}, CapField::kT, "-nan"},
      {kD, {"", "1e999", "1", "1000", "1", ""}, CapField::kT, "inf"},
  };
  for (const auto& c : cases) {
    const circuit::CapResult result = circuit::CapacitorDelay(c.mode, c.fields);
    const std::string label = c.fields.ve + "|" + c.fields.vx1 + "|" + c.fields.vx2 + "|" +
                              c.fields.r + "|" + c.fields.c + "|" + c.fields.t;
    EXPECT_EQ(result.message, "") << label;
    EXPECT_EQ(result.field, c.field) << label;
    EXPECT_EQ(result.value, c.value) << label;
  }
}

TEST(CapacitorDelay, Messages) {
  const struct {
    CapMode mode;
    circuit::CapFields fields;
    const char* message;
  } cases[] = {
      {kD, {"", "5", "", "1000", "1", ""}, "请输入正确的电压值!"},
      {kD, {"", "", "1", "1000", "1", ""}, "请输入正确的电压值!"},
      {kD, {"", "1", "5", "1000", "1", ""}, "请输入正确的电压值!"},
      {kC, {"5", "3", "2", "1000", "1", ""}, "请输入正确的电压值!"},
      {kC, {"2", "0", "2.5", "1000", "1", ""}, "请输入正确的电压值!"},
      {kC, {"2", "3", "2", "1000", "1", ""}, "请输入正确的电压值!"},
      {kC, {"", "0", "2.5", "1000", "1", ""}, "请输入正确的电压值!"},
      // The voltages are checked before the count of R, C and T.
      {kD, {"", "1", "5", "", "", ""}, "请输入正确的电压值!"},
      {kD, {"", "5", "1", "", "", "10"}, "输入参数有误！"},
      {kD, {"", "5", "1", "", "", ""}, "输入参数有误！"},
      {kD, {"", "5", "1", "1000", "", ""}, "输入参数有误！"},
      {kD, {"", "5", "1", "0", "0", "0"}, "输入参数有误！"},
      {kC, {"5", "0", "2.5", "", "", "1"}, "输入参数有误！"},
  };
  for (const auto& c : cases) {
    const circuit::CapResult result = circuit::CapacitorDelay(c.mode, c.fields);
    EXPECT_EQ(result.message, c.message)
        << c.fields.ve << "|" << c.fields.vx1 << "|" << c.fields.vx2 << "|" << c.fields.r << "|"
        << c.fields.c << "|" << c.fields.t;
    EXPECT_EQ(result.value, "");
  }
}

}  // namespace
