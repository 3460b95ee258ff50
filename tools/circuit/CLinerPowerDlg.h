// Linear power supply calculator window (template 164). "计算" is the OK button, so Enter
// computes too, and the window stays open.
#pragma once

#include "winsys/Dialog.h"

class CLinerPowerDlg : public winsys::Dialog {
 public:
  CLinerPowerDlg();

 protected:
  void OnOK() override;
};
