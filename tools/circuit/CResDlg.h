// Resistor divider calculator window (res/dialogs/resistor_divider.json).
#pragma once

#include "ui/resistor_divider.h"
#include "winsys/DialogOf.h"

class CResDlg : public winsys::DialogOf<ui::resistor_divider::Window> {
 public:
  CResDlg();

 protected:
  void OnInitDialog() override;

 private:
  void OnSolve();
  void OnLookUp();
  void OnChoose();
};
