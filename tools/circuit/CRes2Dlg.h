// Resistor parallel calculator window (template 157). "计算" is the OK button, so Enter
// computes too, and the window stays open.
#pragma once

#include "winsys/Dialog.h"

class CRes2Dlg : public winsys::Dialog {
 public:
  CRes2Dlg();

 protected:
  void OnOK() override;
};
