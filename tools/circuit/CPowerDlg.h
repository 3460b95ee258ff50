// Resistor power calculator window (res/dialogs/resistor_power.json). "计算" is the OK button, so
// Enter computes too, and the window stays open.
#pragma once

#include "ui/resistor_power.h"
#include "winsys/DialogOf.h"

class CPowerDlg : public winsys::DialogOf<ui::resistor_power::Window> {
 public:
  CPowerDlg();

 protected:
  void OnOK() override;
};
