#include "tools/circuit/CPowerDlg.h"

#include "tools/circuit/respower.h"

namespace {
constexpr int kVoltage = 1001;
constexpr int kCurrent = 1002;
constexpr int kResistance = 1003;
constexpr int kPower = 1005;
}  // namespace

CPowerDlg::CPowerDlg() : Dialog(163) {}

void CPowerDlg::OnOK() {
  const circuit::PowerResult result = circuit::ResistorPower(
      {GetText(kVoltage), GetText(kCurrent), GetText(kResistance), GetText(kPower)});
  if (!result.message.empty()) {
    MessageBox(result.message, circuit::kPowerMessageTitle);
    return;
  }
  if (result.v) SetText(kVoltage, *result.v);
  if (result.i) SetText(kCurrent, *result.i);
  if (result.r) SetText(kResistance, *result.r);
  if (result.p) SetText(kPower, *result.p);
}
