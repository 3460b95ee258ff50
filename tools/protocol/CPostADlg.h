// Telecom power-protocol frame generator and INFO decoder window (res/dialogs/telecom.json).
#pragma once

#include "ui/telecom.h"
#include "winsys/DialogOf.h"

class CPostADlg : public winsys::DialogOf<ui::telecom::Window> {
 public:
  CPostADlg();

 private:
  void OnGenerate();
};
