#include "tools/circuit/CPowerDlg.h"

#include "tools/circuit/respower.h"

namespace id = ui::resistor_power;

CPowerDlg::CPowerDlg() = default;

void CPowerDlg::OnOK() {
  const circuit::PowerResult result = circuit::ResistorPower(
      {GetText(id::voltage), GetText(id::current), GetText(id::resistance), GetText(id::power)});
  if (!result.message.empty()) {
    MessageBox(result.message, circuit::kPowerMessageTitle);
    return;
  }
  if (result.v) SetText(id::voltage, *result.v);
  if (result.i) SetText(id::current, *result.i);
  if (result.r) SetText(id::resistance, *result.r);
  if (result.p) SetText(id::power, *result.p);
}
