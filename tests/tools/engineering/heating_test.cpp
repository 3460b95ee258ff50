#include "tools/engineering/heating.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using engineering::HeatingField;
using engineering::HeatingOutcome;
using Writes = std::vector<std::pair<HeatingField, std::string>>;

// Texts checked against heating_model.py in this folder.

const char kNoData[] = "无有效数据!";
const char kBadTemperature[] = "温度输入错误!";

struct Expected {
  Writes writes;
  const char* message = nullptr;
  const char* title = nullptr;
};

void Check(const HeatingOutcome& outcome, const Expected& expected, const std::string& name) {
  EXPECT_EQ(outcome.writes, expected.writes) << name;
  if (expected.message) {
    ASSERT_TRUE(outcome.message) << name;
    EXPECT_EQ(outcome.message->text, expected.message) << name;
    EXPECT_EQ(outcome.message->title, expected.title) << name;
  } else {
    EXPECT_FALSE(outcome.message) << name;
  }
}

TEST(ComputeWater, EveryCaseInItsOrder) {
  const struct {
    engineering::WaterFields fields;
    Expected expected;
  } cases[] = {
      {{"100", "15", "65", "", ""},
       {{{HeatingField::kJoules, "21000000"}, {HeatingField::kWaterKwh, "5.833333"}}}},
      // The energy fields are ignored when the volume is there.
      {{"100", "15", "65", "5", "7"},
       {{{HeatingField::kJoules, "21000000"}, {HeatingField::kWaterKwh, "5.833333"}}}},
      {{"", "15", "65", "", "5.833333"},
       {{{HeatingField::kJoules, "20999998"}, {HeatingField::kVolume, "100.000"}}}},
      {{"", "10", "20", "42000", ""},
       {{{HeatingField::kWaterKwh, "0.011667"}, {HeatingField::kVolume, "1.000"}}}},
      {{"", "0", "100", "1", "0.42"},
       {{{HeatingField::kJoules, "1512000"}, {HeatingField::kVolume, "3.600"}}}},
      {{"-1", "15", "65", "", "1"},
       {{{HeatingField::kJoules, "3600000"}, {HeatingField::kVolume, "17.143"}}}},
      {{"100", "15", "", "", "1"},
       {{{HeatingField::kJoules, "3600000"}, {HeatingField::kEnd, "23.6"}}}},
      {{" 2 ", "20", "", "84000", "0"},
       {{{HeatingField::kWaterKwh, "0.023333"}, {HeatingField::kEnd, "30.0"}}}},
      {{"1", "-20", "-5", "", ""},
       {{{HeatingField::kJoules, "63000"}, {HeatingField::kWaterKwh, "0.017500"}}}},
      // 2^31 J and beyond keep their value.
      {{"100000", "0", "100", "", ""},
       {{{HeatingField::kJoules, "42000000000"}, {HeatingField::kWaterKwh, "11666.666667"}}}},
      {{"", "0", "100", "", "596.5232355"},
       {{{HeatingField::kJoules, "2147483647"}, {HeatingField::kVolume, "5113.056"}}}},
      {{"", "0", "100", "", "596.52323556"},
       {{{HeatingField::kJoules, "2147483648"}, {HeatingField::kVolume, "5113.056"}}}},
      {{"100", "65", "15", "", ""}, {{}, kBadTemperature, ""}},
      {{"100", "15", "15", "", ""}, {{}, kBadTemperature, ""}},
      {{"", "65", "65", "1000", ""}, {{}, kBadTemperature, ""}},
      {{"", "", "", "", ""}, {{}, kNoData, "提示"}},
      {{"100", "15", "", "", ""}, {{}, kNoData, "提示"}},
      {{"100", "", "65", "", "1"}, {{}, kNoData, "提示"}},
      {{"", "15", "", "", "1"}, {{}, kNoData, "提示"}},
      {{"-5", "15", "65", "-1", "abc"}, {{}, kNoData, "提示"}},
  };
  for (const auto& c : cases) {
    Check(engineering::ComputeWater(c.fields), c.expected,
          c.fields.volume + "|" + c.fields.start + "|" + c.fields.end + "|" + c.fields.kwh);
  }
}

TEST(ComputePower, FirstRowThatHolds) {
  const struct {
    engineering::PowerFields fields;
    Expected expected;
  } cases[] = {
      {{"220", "5", "", ""},
       {{{HeatingField::kPower, "1100.000"}, {HeatingField::kResistance, "44.000"}}}},
      {{"220", "", "44", ""},
       {{{HeatingField::kPower, "1100.000"}, {HeatingField::kCurrent, "5.000"}}}},
      {{"", "5", "44", ""},
       {{{HeatingField::kPower, "1100.000"}, {HeatingField::kVoltage, "220.000"}}}},
      {{"220", "", "", "1100"},
       {{{HeatingField::kCurrent, "5.000"}, {HeatingField::kResistance, "44.000"}}}},
      {{"", "5", "", "1100"},
       {{{HeatingField::kVoltage, "220.000"}, {HeatingField::kResistance, "44.000"}}}},
      {{"-220", "0.5", "10", ""},
       {{{HeatingField::kPower, "2.500"}, {HeatingField::kVoltage, "5.000"}}}},
      {{"3.3", "0.007", "470", "1"},
       {{{HeatingField::kPower, "0.023"}, {HeatingField::kResistance, "471.429"}}}},
      {{"", "", "44", "1100"}, {{}, kNoData, "提示"}},
      {{"", "", "", ""}, {{}, kNoData, "提示"}},
  };
  for (const auto& c : cases) {
    Check(engineering::ComputePower(c.fields), c.expected, c.fields.voltage + "|" + c.fields.power);
  }
}

TEST(ComputeEnergy, ResultAndTimeLabel) {
  const struct {
    engineering::EnergyFields fields;
    Expected expected;
    const char* label;
  } cases[] = {
      {{"2000", "1.5", ""}, {{{HeatingField::kEnergyKwh, "3.000"}}}, "1小时30分钟"},
      {{"2000", "", "5"}, {{{HeatingField::kHours, "2.5"}}}, "2小时30分钟"},
      {{"1000", "", "2"}, {{{HeatingField::kHours, "2.0"}}}, ""},
      {{"", "0.1", "0.2"}, {{{HeatingField::kPower, "2000.000"}}}, "0小时6分钟"},
      {{"750", "9", "1"}, {{{HeatingField::kHours, "1.3"}}}, "1小时19分钟"},
      {{"1000", "3000000.5", ""},
       {{{HeatingField::kEnergyKwh, "3000000.500"}}},
       "3000000小时30分钟"},
      {{"", "1.25", ""}, {{}, kNoData, "提示"}, "1小时15分钟"},
      {{"", "", ""}, {{}, kNoData, "提示"}, ""},
      {{"", "-1.5", ""}, {{}, kNoData, "提示"}, ""},
      {{"-100", "-0.5", "2"}, {{}, kNoData, "提示"}, ""},
  };
  for (const auto& c : cases) {
    const HeatingOutcome outcome = engineering::ComputeEnergy(c.fields);
    Check(outcome, c.expected, c.fields.power + "|" + c.fields.hours + "|" + c.fields.kwh);
    ASSERT_TRUE(outcome.time_label);
    EXPECT_EQ(*outcome.time_label, c.label);
  }
}

TEST(HoursAndMinutes, ThousandthsOfAnHour) {
  const struct {
    double hours;
    const char* label;
  } cases[] = {
      {1.5, "1小时30分钟"},
      {0.1, "0小时6分钟"},
      {0.001, "0小时0分钟"},
      {0.999, "0小时59分钟"},
      {2.0, ""},
      {0.0004, ""},
      {-1.5, ""},
      {-0.25, ""},
  };
  for (const auto& c : cases) EXPECT_EQ(engineering::HoursAndMinutes(c.hours), c.label) << c.hours;
}

}  // namespace
