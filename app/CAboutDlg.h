// The About box (res/dialogs/about.json): version line, release history and legal notice.
#pragma once

#include "ui/about.h"
#include "winsys/DialogOf.h"

class CAboutDlg : public winsys::DialogOf<ui::about::Window> {
 public:
  CAboutDlg() = default;

 protected:
  void OnInitDialog() override;
};
