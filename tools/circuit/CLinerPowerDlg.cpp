#include "tools/circuit/CLinerPowerDlg.h"

#include "tools/circuit/linearsupply.h"

namespace {
constexpr int kUp = 1001;
constexpr int kDown = 1002;
constexpr int kVoltage = 1003;
constexpr int kCurrent = 1005;
constexpr int kResult = 1008;
}  // namespace

CLinerPowerDlg::CLinerPowerDlg() : Dialog(164) {}

void CLinerPowerDlg::OnOK() {
  const circuit::LinearSupplyResult result =
      circuit::LinearSupply({GetText(kUp), GetText(kDown), GetText(kVoltage), GetText(kCurrent)});
  if (!result.message.empty()) {
    MessageBox(result.message, circuit::kLinearSupplyMessageTitle);
    return;
  }
  SetText(kResult, result.text);
}
