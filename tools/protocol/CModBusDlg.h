// Modbus RTU request generator window (template 103).
#pragma once

#include "winsys/Dialog.h"

class CModBusDlg : public winsys::Dialog {
 public:
  CModBusDlg();

 private:
  void OnReadRequest();
  void OnWriteRequest();
  void OnDecToHex();
  void OnAddCrc();
};
