// NTC table generator window (res/dialogs/ntc_table.json). "生成阻值表" is the OK button, so Enter
// builds the resistance table, and the window stays open.
#pragma once

#include "tools/circuit/ntctable.h"
#include "ui/ntc_table.h"
#include "winsys/DialogOf.h"

class CNtcDlg : public winsys::DialogOf<ui::ntc_table::Window> {
 public:
  CNtcDlg();

 protected:
  void OnInitDialog() override;
  void OnOK() override;

 private:
  void OnAdcTable();
  circuit::NtcOptions Options() const;
  void Show(const circuit::NtcResult& result);
};
