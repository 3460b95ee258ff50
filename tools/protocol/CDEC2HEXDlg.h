// Decimal/hexadecimal list converter window (template 132).
#pragma once

#include "winsys/Dialog.h"

class CDEC2HEXDlg : public winsys::Dialog {
 public:
  CDEC2HEXDlg();

 private:
  void OnDecToHex();
  void OnHexToDec();
  void OnClear();
};
