// Numeric storage code converter window (res/dialogs/storage_code.json).
#pragma once

#include "tools/protocol/storagecode.h"
#include "ui/storage_code.h"
#include "winsys/DialogOf.h"

class CToolsDlg : public winsys::DialogOf<ui::storage_code::Window> {
 public:
  CToolsDlg();

 protected:
  void OnInitDialog() override;

 private:
  void Convert(protocol::StorageType type);
};
