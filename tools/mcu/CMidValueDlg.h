// Linear interpolation calculator window (template 156).
#pragma once

#include "winsys/Dialog.h"

class CMidValueDlg : public winsys::Dialog {
 public:
  CMidValueDlg();

 private:
  void OnCompute();
};
