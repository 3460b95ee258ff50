// NTC table generator window (template 169). "生成阻值表" is the OK button, so Enter builds
// the resistance table, and the window stays open.
#pragma once

#include "tools/circuit/ntctable.h"
#include "winsys/Dialog.h"

class CNtcDlg : public winsys::Dialog {
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
