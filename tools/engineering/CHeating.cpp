#include "tools/engineering/CHeating.h"

namespace {
constexpr int kVolume = 1001;
constexpr int kStart = 1002;
constexpr int kEnd = 1003;
constexpr int kJoules = 1005;
constexpr int kWaterKwh = 1006;
constexpr int kWaterButton = 1000;
constexpr int kVoltage = 1007;
constexpr int kCurrent = 1008;
constexpr int kResistance = 1010;
constexpr int kPower = 1011;
constexpr int kHours = 1012;
constexpr int kTimeLabel = 1047;
constexpr int kEnergyKwh = 1013;
constexpr int kPowerButton = 1004;
constexpr int kEnergyButton = 1009;

int FieldId(engineering::HeatingField field) {
  using engineering::HeatingField;
  switch (field) {
    case HeatingField::kVolume:
      return kVolume;
    case HeatingField::kStart:
      return kStart;
    case HeatingField::kEnd:
      return kEnd;
    case HeatingField::kJoules:
      return kJoules;
    case HeatingField::kWaterKwh:
      return kWaterKwh;
    case HeatingField::kVoltage:
      return kVoltage;
    case HeatingField::kCurrent:
      return kCurrent;
    case HeatingField::kResistance:
      return kResistance;
    case HeatingField::kPower:
      return kPower;
    case HeatingField::kHours:
      return kHours;
    case HeatingField::kEnergyKwh:
      break;
  }
  return kEnergyKwh;
}
}  // namespace

CHeating::CHeating() : Dialog(174) {
  OnClicked(kWaterButton, [this] { OnWater(); });
  OnClicked(kPowerButton, [this] { OnPower(); });
  OnClicked(kEnergyButton, [this] { OnEnergy(); });
}

void CHeating::OnWater() {
  Apply(engineering::ComputeWater(
      {GetText(kVolume), GetText(kStart), GetText(kEnd), GetText(kJoules), GetText(kWaterKwh)}));
}

void CHeating::OnPower() {
  Apply(engineering::ComputePower(
      {GetText(kVoltage), GetText(kCurrent), GetText(kResistance), GetText(kPower)}));
}

void CHeating::OnEnergy() {
  Apply(engineering::ComputeEnergy({GetText(kPower), GetText(kHours), GetText(kEnergyKwh)}));
}

void CHeating::Apply(const engineering::HeatingOutcome& outcome) {
  for (const auto& [field, text] : outcome.writes) SetText(FieldId(field), text);
  if (outcome.message) MessageBox(outcome.message->text, outcome.message->title);
  if (outcome.time_label) SetText(kTimeLabel, *outcome.time_label);
}
