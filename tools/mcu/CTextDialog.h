// Character code generator window (template 134).
#pragma once

#include "winsys/Dialog.h"

class CTextDialog : public winsys::Dialog {
 public:
  CTextDialog();

 protected:
  void OnInitDialog() override;

 private:
  void OnGenerate();
};
