// Timer delay calculator window (template 161).
#pragma once

#include "winsys/Dialog.h"

class CTimerDlg : public winsys::Dialog {
 public:
  CTimerDlg();

 protected:
  void OnInitDialog() override;
  void OnOK() override;  // "计算", also on Enter
};
