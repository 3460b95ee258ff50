// Decimal/hexadecimal list converter window (res/dialogs/dec_hex.json).
#pragma once

#include "ui/dec_hex.h"
#include "winsys/DialogOf.h"

class CDEC2HEXDlg : public winsys::DialogOf<ui::dec_hex::Window> {
 public:
  CDEC2HEXDlg();

 private:
  void OnDecToHex();
  void OnHexToDec();
  void OnClear();
};
