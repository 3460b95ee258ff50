#include "tools/engineering/heating.h"

#include <cmath>

#include "base/cnum.h"
#include "base/format.h"
#include "base/tr.h"

namespace engineering {

namespace {

constexpr double kSpecificHeat = 4200;  // J/(kg·°C)
constexpr double kJoulesPerKwh = 3600000;
constexpr double kWattsPerKw = 1000;

const char kNoData[] = BASE_TR_NOOP("quorkit", "无有效数据!");

HeatingOutcome Message(const char* text, const char* title) {
  HeatingOutcome outcome;
  outcome.message = HeatingMessage{text, title};
  return outcome;
}

// Whole joules. Printed through a double so that 2^31 J and more keep their value.
std::string WholeJoules(double q) {
  return base::Format("%.0f", std::trunc(q));
}

// The energy of water steps 2 and 3: kWh before J; the other field follows from it.
double Energy(double joules, double kwh, HeatingOutcome* outcome) {
  if (kwh > 0) {
    const double q = kwh * kJoulesPerKwh;
    outcome->writes.emplace_back(HeatingField::kJoules, WholeJoules(q));
    return q;
  }
  outcome->writes.emplace_back(HeatingField::kWaterKwh,
                               base::Format("%.6f", joules / kJoulesPerKwh));
  return joules;
}

}  // namespace

HeatingOutcome ComputeWater(const WaterFields& fields) {
  const double volume = base::ReadField(fields.volume).value;
  const base::Field start = base::ReadField(fields.start);
  const base::Field end = base::ReadField(fields.end);
  const double joules = base::ReadField(fields.joules).value;
  const double kwh = base::ReadField(fields.kwh).value;
  const bool has_energy = kwh > 0 || joules > 0;

  HeatingOutcome outcome;
  if (start.given && end.given && volume > 0) {
    if (start.value >= end.value) return Message(base::Tr("quorkit", "温度输入错误!"), "");
    const double q = kSpecificHeat * volume * (end.value - start.value);
    outcome.writes.emplace_back(HeatingField::kJoules, WholeJoules(q));
    outcome.writes.emplace_back(HeatingField::kWaterKwh, base::Format("%.6f", q / kJoulesPerKwh));
    return outcome;
  }
  if (start.given && end.given && has_energy) {
    if (end.value <= start.value) return Message(base::Tr("quorkit", "温度输入错误!"), "");
    const double q = Energy(joules, kwh, &outcome);
    outcome.writes.emplace_back(
        HeatingField::kVolume, base::Format("%.3f", q / kSpecificHeat / (end.value - start.value)));
    return outcome;
  }
  if (start.given && !end.given && has_energy && volume > 0) {
    const double q = Energy(joules, kwh, &outcome);
    outcome.writes.emplace_back(HeatingField::kEnd,
                                base::Format("%.1f", q / kSpecificHeat / volume + start.value));
    return outcome;
  }
  return Message(base::Tr("quorkit", kNoData), base::Tr("quorkit", "提示"));
}

HeatingOutcome ComputePower(const PowerFields& fields) {
  const double v = base::ReadField(fields.voltage).value;
  const double i = base::ReadField(fields.current).value;
  const double r = base::ReadField(fields.resistance).value;
  const double p = base::ReadField(fields.power).value;
  const auto result = [](HeatingField first, double a, HeatingField second, double b) {
    HeatingOutcome outcome;
    outcome.writes.emplace_back(first, base::Format("%.3f", a));
    outcome.writes.emplace_back(second, base::Format("%.3f", b));
    return outcome;
  };
  if (v > 0 && i > 0) return result(HeatingField::kPower, v * i, HeatingField::kResistance, v / i);
  if (v > 0 && r > 0) {
    return result(HeatingField::kPower, v * v / r, HeatingField::kCurrent, v / r);
  }
  if (i > 0 && r > 0) return result(HeatingField::kPower, i * i * r, HeatingField::kVoltage, i * r);
  if (p > 0 && v > 0) {
    const double current = p / v;
    return result(HeatingField::kCurrent, current, HeatingField::kResistance, v / current);
  }
  if (p > 0 && i > 0) {
    const double voltage = p / i;
    return result(HeatingField::kVoltage, voltage, HeatingField::kResistance, voltage / i);
  }
  return Message(base::Tr("quorkit", kNoData), base::Tr("quorkit", "提示"));
}

HeatingOutcome ComputeEnergy(const EnergyFields& fields) {
  const double p = base::ReadField(fields.power).value;
  double t = base::ReadField(fields.hours).value;
  const double e = base::ReadField(fields.kwh).value;
  HeatingOutcome outcome;
  if (p > 0 && e > 0) {
    t = e * kWattsPerKw / p;
    outcome.writes.emplace_back(HeatingField::kHours, base::Format("%.1f", t));
  } else if (p > 0 && t > 0) {
    outcome.writes.emplace_back(HeatingField::kEnergyKwh,
                                base::Format("%.3f", p * t / kWattsPerKw));
  } else if (t > 0 && e > 0) {
    outcome.writes.emplace_back(HeatingField::kPower, base::Format("%.3f", kWattsPerKw * e / t));
  } else {
    outcome.message = HeatingMessage{base::Tr("quorkit", kNoData), base::Tr("quorkit", "提示")};
  }
  outcome.time_label = HoursAndMinutes(t);
  return outcome;
}

std::string HoursAndMinutes(double hours) {
  // A negative or unbounded time has no hours and minutes to show.
  if (!(hours >= 0) || std::isinf(hours)) return "";
  const double thousandths = std::trunc(hours * 1000);
  const double rest = std::fmod(thousandths, 1000);
  if (rest == 0) return "";
  const double whole = (thousandths - rest) / 1000;
  return base::Format(base::Tr("quorkit", "%.0f小时%.0f分钟"), whole, std::floor(60 * rest / 1000));
}

}  // namespace engineering
