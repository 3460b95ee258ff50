// Checksum generator window (template 131).
#pragma once

#include "winsys/Dialog.h"

class CCheckDlg : public winsys::Dialog {
 public:
  CCheckDlg();

 protected:
  void OnInitDialog() override;

 private:
  void OnGenerate();
};
