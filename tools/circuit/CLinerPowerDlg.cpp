#include "tools/circuit/CLinerPowerDlg.h"

#include "tools/circuit/linearsupply.h"

namespace id = ui::linear_supply;

CLinerPowerDlg::CLinerPowerDlg() = default;

void CLinerPowerDlg::OnOK() {
  const circuit::LinearSupplyResult result =
      circuit::LinearSupply({GetText(id::rise_percent), GetText(id::fall_percent),
                             GetText(id::transformer_voltage), GetText(id::load_current)});
  if (!result.message.empty()) {
    MessageBox(result.message, circuit::kLinearSupplyMessageTitle);
    return;
  }
  SetText(id::result, result.text);
}
