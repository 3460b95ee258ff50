// Heating calculator: the heat that warms a volume of water (4200 J per kg and °C, a litre
// counting as a kilogram), and the electric power and energy of a heater.
#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace engineering {

enum class HeatingField {
  kVolume,
  kStart,
  kEnd,
  kJoules,
  kWaterKwh,
  kVoltage,
  kCurrent,
  kResistance,
  kPower,
  kHours,
  kEnergyKwh,
};

struct HeatingMessage {
  std::string text;
  std::string title;  // empty: the application's name
};

struct HeatingOutcome {
  std::vector<std::pair<HeatingField, std::string>> writes;  // in order
  std::optional<HeatingMessage> message;
  std::optional<std::string> time_label;  // the hours-and-minutes label, when it changes
};

struct WaterFields {
  std::string volume;  // L
  std::string start;   // °C
  std::string end;     // °C
  std::string joules;
  std::string kwh;
};

struct PowerFields {
  std::string voltage;
  std::string current;
  std::string resistance;
  std::string power;
};

struct EnergyFields {
  std::string power;  // W
  std::string hours;
  std::string kwh;
};

// "计算做功" of the water panel: energy, volume or end temperature from what is filled in.
HeatingOutcome ComputeWater(const WaterFields& fields);
// "计算功率": two of voltage, current, resistance and power from the others.
HeatingOutcome ComputePower(const PowerFields& fields);
// "计算做功" of the electric panel: one of power, time and energy from the other two; the
// time label always follows.
HeatingOutcome ComputeEnergy(const EnergyFields& fields);

// "%d小时%d分钟" of a time in hours counted in whole thousandths; empty for a whole number
// of hours and for a negative time.
std::string HoursAndMinutes(double hours);

}  // namespace engineering
