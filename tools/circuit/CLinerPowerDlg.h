// Linear power supply calculator window (res/dialogs/linear_supply.json). "计算" is the OK button,
// so Enter computes too, and the window stays open.
#pragma once

#include "ui/linear_supply.h"
#include "winsys/DialogOf.h"

class CLinerPowerDlg : public winsys::DialogOf<ui::linear_supply::Window> {
 public:
  CLinerPowerDlg();

 protected:
  void OnOK() override;
};
