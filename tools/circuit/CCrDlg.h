// RC dropper supply calculator window (res/dialogs/rc_dropper.json). "计算" is the OK button, so
// Enter computes too, and the window stays open.
#pragma once

#include "ui/rc_dropper.h"
#include "winsys/DialogOf.h"

class CCrDlg : public winsys::DialogOf<ui::rc_dropper::Window> {
 public:
  CCrDlg();

 protected:
  void OnOK() override;
};
