// Linear interpolation calculator window (res/dialogs/interpolation.json).
#pragma once

#include "ui/interpolation.h"
#include "winsys/DialogOf.h"

class CMidValueDlg : public winsys::DialogOf<ui::interpolation::Window> {
 public:
  CMidValueDlg();

 private:
  void OnCompute();
};
