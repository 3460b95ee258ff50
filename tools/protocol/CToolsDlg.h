// Numeric storage code converter window (template 129).
#pragma once

#include "tools/protocol/storagecode.h"
#include "winsys/Dialog.h"

class CToolsDlg : public winsys::Dialog {
 public:
  CToolsDlg();

 protected:
  void OnInitDialog() override;

 private:
  void Convert(protocol::StorageType type);
};
