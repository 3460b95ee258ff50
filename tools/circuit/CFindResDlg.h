// Fixed resistor selector window (template 104).
#pragma once

#include <optional>
#include <string>

#include "tools/circuit/eseries.h"
#include "winsys/Dialog.h"

class CFindResDlg : public winsys::Dialog {
 public:
  CFindResDlg();

 protected:
  void OnInitDialog() override;

 private:
  circuit::Series SelectedSeries() const;
  void ShowResult(const std::optional<std::string>& text);
  void OnFindRatio();
  void OnFindDivider();
  void OnFindSeries();
  void OnFindParallel();
};
