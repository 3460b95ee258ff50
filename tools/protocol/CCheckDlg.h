// Checksum generator window (res/dialogs/checksum.json).
#pragma once

#include "ui/checksum.h"
#include "winsys/DialogOf.h"

class CCheckDlg : public winsys::DialogOf<ui::checksum::Window> {
 public:
  CCheckDlg();

 protected:
  void OnInitDialog() override;

 private:
  void OnGenerate();
};
