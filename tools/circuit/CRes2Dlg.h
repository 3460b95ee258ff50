// Resistor parallel calculator window (res/dialogs/resistor_parallel.json). "计算" is the OK
// button, so Enter computes too, and the window stays open.
#pragma once

#include "ui/resistor_parallel.h"
#include "winsys/DialogOf.h"

class CRes2Dlg : public winsys::DialogOf<ui::resistor_parallel::Window> {
 public:
  CRes2Dlg();

 protected:
  void OnOK() override;
};
