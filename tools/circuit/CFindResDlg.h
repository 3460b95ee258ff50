// Fixed resistor selector window (res/dialogs/resistor_finder.json).
#pragma once

#include <optional>
#include <string>

#include "tools/circuit/eseries.h"
#include "ui/resistor_finder.h"
#include "winsys/DialogOf.h"

class CFindResDlg : public winsys::DialogOf<ui::resistor_finder::Window> {
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
