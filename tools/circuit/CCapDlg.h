// Capacitor delay calculator window (res/dialogs/capacitor_delay.json), with the circuit of the
// selected mode painted into its frame.
#pragma once

#include "ui/capacitor_delay.h"
#include "winsys/DialogOf.h"

class CCapDlg : public winsys::DialogOf<ui::capacitor_delay::Window> {
 public:
  CCapDlg();

 protected:
  void OnInitDialog() override;

 private:
  void OnCompute();
};
