// Character code generator window (res/dialogs/char_code.json).
#pragma once

#include "ui/char_code.h"
#include "winsys/DialogOf.h"

class CTextDialog : public winsys::DialogOf<ui::char_code::Window> {
 public:
  CTextDialog();

 protected:
  void OnInitDialog() override;

 private:
  void OnGenerate();
};
