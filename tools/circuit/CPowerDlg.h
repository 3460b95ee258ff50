// Resistor power calculator window (template 163). "计算" is the OK button, so Enter
// computes too, and the window stays open.
#pragma once

#include "winsys/Dialog.h"

class CPowerDlg : public winsys::Dialog {
 public:
  CPowerDlg();

 protected:
  void OnOK() override;
};
