// Modbus RTU request generator window (res/dialogs/modbus.json).
#pragma once

#include "ui/modbus.h"
#include "winsys/DialogOf.h"

class CModBusDlg : public winsys::DialogOf<ui::modbus::Window> {
 public:
  CModBusDlg();

 private:
  void OnReadRequest();
  void OnWriteRequest();
  void OnDecToHex();
  void OnAddCrc();
};
