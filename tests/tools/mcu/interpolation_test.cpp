#include "tools/mcu/interpolation.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Target = mcu::LineResult::Target;

// Values checked against interpolation_model.py in this folder.

TEST(Interpolate, ComputesTheOtherCoordinate) {
  const struct {
    mcu::LineFields fields;
    Target target;
    const char* text;
  } cases[] = {
      {{"0", "0", "100", "3.3", "25", ""}, Target::kY, "0.825000"},
      {{"0", "0", "100", "3.3", "", "1"}, Target::kX, "30.303030"},
      // x wins whatever y holds.
      {{"0", "0", "100", "3.3", "25", "2"}, Target::kY, "0.825000"},
      {{"10", "5", "20", "25", "30", ""}, Target::kY, "45.000000"},
      {{"10", "5", "20", "25", "", "-15"}, Target::kX, "0.000000"},
      {{"100", "3.3", "0", "0", "-2.5e1", ""}, Target::kY, "-0.825000"},
      {{" 1 ", "\t2", "3V", "4mA", " 2.5 ", ""}, Target::kY, "3.500000"},
      {{"5", "0", "5", "10", "", "7"}, Target::kX, "5.000000"},
      {{"0", "7", "10", "7", "3", ""}, Target::kY, "7.000000"},
  };
  for (const auto& c : cases) {
    const auto result = mcu::Interpolate(c.fields);
    ASSERT_TRUE(result) << c.text;
    EXPECT_EQ(result->target, c.target) << c.text;
    EXPECT_EQ(result->text, c.text);
  }
}

TEST(Interpolate, RefusesWhatTheLineCannotAnswer) {
  const mcu::LineFields cases[] = {
      {"", "0", "100", "3.3", "25", ""},       // X1 empty
      {"0", " ", "100", "3.3", "25", ""},      // Y1 blank
      {"0", "0", "", "3.3", "25", ""},         // X2 empty
      {"0", "0", "100", "", "25", ""},         // Y2 empty
      {"5", "0", "5.0", "10", "1", ""},        // X1 = X2 with x
      {"0", "7", "10", "7", "", "7"},          // Y1 = Y2 with y only
      {"0", "0", "100", "3.3", "", ""},        // neither x nor y
      {"0", "0", "1e-300", "1e300", "1", ""},  // beyond the double range
      {"a", "b", "c", "d", "e", ""},           // all read as 0
  };
  for (const auto& fields : cases) {
    EXPECT_FALSE(mcu::Interpolate(fields)) << fields.x1 << "|" << fields.x2 << "|" << fields.x;
  }
}

}  // namespace
