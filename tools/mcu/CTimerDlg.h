// Timer delay calculator window (res/dialogs/timer.json).
#pragma once

#include "ui/timer.h"
#include "winsys/DialogOf.h"

class CTimerDlg : public winsys::DialogOf<ui::timer::Window> {
 public:
  CTimerDlg();

 protected:
  void OnInitDialog() override;
  void OnOK() override;  // "计算", also on Enter
};
