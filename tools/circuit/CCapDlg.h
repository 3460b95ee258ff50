// Capacitor delay calculator window (template 150), with the circuit of the selected mode
// painted into its frame.
#pragma once

#include "winsys/Dialog.h"

class CCapDlg : public winsys::Dialog {
 public:
  CCapDlg();

 protected:
  void OnInitDialog() override;

 private:
  void OnCompute();
};
