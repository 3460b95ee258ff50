// RC dropper supply calculator window (template 159). "计算" is the OK button, so Enter
// computes too, and the window stays open.
#pragma once

#include "winsys/Dialog.h"

class CCrDlg : public winsys::Dialog {
 public:
  CCrDlg();

 protected:
  void OnOK() override;
};
