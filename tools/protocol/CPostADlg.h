// Telecom power-protocol frame generator and INFO decoder window (template 130).
#pragma once

#include "winsys/Dialog.h"

class CPostADlg : public winsys::Dialog {
 public:
  CPostADlg();

 private:
  void OnGenerate();
};
