#include "tools/engineering/CHeating.h"

namespace id = ui::heating;

namespace {

using engineering::HeatingField;
constexpr winsys::FieldControls<HeatingField, id::Window, 11> kFieldControls{{
    {HeatingField::kVolume, id::volume},
    {HeatingField::kStart, id::start_temperature},
    {HeatingField::kEnd, id::end_temperature},
    {HeatingField::kJoules, id::water_joules},
    {HeatingField::kWaterKwh, id::water_kwh},
    {HeatingField::kVoltage, id::voltage},
    {HeatingField::kCurrent, id::current},
    {HeatingField::kResistance, id::resistance},
    {HeatingField::kPower, id::power},
    {HeatingField::kHours, id::hours},
    {HeatingField::kEnergyKwh, id::energy_kwh},
}};
static_assert(kFieldControls.InFieldOrder());
}  // namespace

CHeating::CHeating() {
  OnClicked(id::compute_water, [this] { OnWater(); });
  OnClicked(id::compute_power, [this] { OnPower(); });
  OnClicked(id::compute_energy, [this] { OnEnergy(); });
}

void CHeating::OnWater() {
  Apply(engineering::ComputeWater({GetText(id::volume), GetText(id::start_temperature),
                                   GetText(id::end_temperature), GetText(id::water_joules),
                                   GetText(id::water_kwh)}));
}

void CHeating::OnPower() {
  Apply(engineering::ComputePower(
      {GetText(id::voltage), GetText(id::current), GetText(id::resistance), GetText(id::power)}));
}

void CHeating::OnEnergy() {
  Apply(engineering::ComputeEnergy(
      {GetText(id::power), GetText(id::hours), GetText(id::energy_kwh)}));
}

void CHeating::Apply(const engineering::HeatingOutcome& outcome) {
  for (const auto& [field, text] : outcome.writes) SetText(kFieldControls[field], text);
  if (outcome.message) MessageBox(outcome.message->text, outcome.message->title);
  if (outcome.time_label) SetText(id::time_label, *outcome.time_label);
}
