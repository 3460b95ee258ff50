#include "tools/circuit/CCrDlg.h"

#include "tools/circuit/rcdropper.h"

namespace {
constexpr int kCapacitance = 1001;
constexpr int kVoltage = 1002;
constexpr int kCurrent = 1003;
constexpr int kPower = 1005;
}  // namespace

CCrDlg::CCrDlg() : Dialog(159) {}

void CCrDlg::OnOK() {
  const circuit::DropperResult result =
      circuit::RcDropper(GetText(kCapacitance), GetText(kVoltage));
  if (!result.message.empty()) {
    MessageBox(result.message);
    return;
  }
  SetText(kCurrent, result.current);
  SetText(kPower, result.power);
}
