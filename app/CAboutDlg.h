// The About box (template 100): version line, release history and legal notice.
#pragma once

#include "winsys/Dialog.h"

class CAboutDlg : public winsys::Dialog {
 public:
  CAboutDlg() : Dialog(100) {}

 protected:
  void OnInitDialog() override;
};
