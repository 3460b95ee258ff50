#include "tools/circuit/CCrDlg.h"

#include "tools/circuit/rcdropper.h"

namespace id = ui::rc_dropper;

CCrDlg::CCrDlg() = default;

void CCrDlg::OnOK() {
  const circuit::DropperResult result =
      circuit::RcDropper(GetText(id::capacitance), GetText(id::voltage));
  if (!result.message.empty()) {
    MessageBox(result.message);
    return;
  }
  SetText(id::current, result.current);
  SetText(id::load_power, result.power);
}
