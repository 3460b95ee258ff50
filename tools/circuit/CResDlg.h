// Resistor divider calculator window (template 153).
#pragma once

#include "winsys/Dialog.h"

class CResDlg : public winsys::Dialog {
 public:
  CResDlg();

 protected:
  void OnInitDialog() override;

 private:
  void OnSolve();
  void OnLookUp();
  void OnChoose();
};
