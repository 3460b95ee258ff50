#include "app/ToolTable.h"

#include "tools/circuit/CCapDlg.h"
#include "tools/circuit/CCrDlg.h"
#include "tools/circuit/CFindResDlg.h"
#include "tools/circuit/CLinerPowerDlg.h"
#include "tools/circuit/CNtcDlg.h"
#include "tools/circuit/CPowerDlg.h"
#include "tools/circuit/CRes2Dlg.h"
#include "tools/circuit/CResDlg.h"
#include "tools/engineering/CHeating.h"
#include "tools/mcu/CFontCode.h"
#include "tools/mcu/CMidValueDlg.h"
#include "tools/mcu/CMifareCode.h"
#include "tools/mcu/CSegCodeDlg.h"
#include "tools/mcu/CTextDialog.h"
#include "tools/mcu/CTimerDlg.h"
#include "tools/protocol/CCheckDlg.h"
#include "tools/protocol/CDEC2HEXDlg.h"
#include "tools/protocol/CEqSwitch.h"
#include "tools/protocol/CFileDownDlg.h"
#include "tools/protocol/CModBusDlg.h"
#include "tools/protocol/CPostADlg.h"
#include "tools/protocol/CToolsDlg.h"

namespace app {

namespace {

template <typename T>
std::unique_ptr<winsys::Dialog> Make() {
  return std::make_unique<T>();
}

}  // namespace

const std::vector<ToolEntry>& ToolTable() {
  // One row per tool: its menu command, its dialog class and that class's template. An
  // entry of menu 136 without a row here is shown disabled.
  // clang-format off
  static const std::vector<ToolEntry> table = {
      {1000, Make<CModBusDlg>, 103},
      {1004, Make<CPostADlg>, 130},
      {1009, Make<CToolsDlg>, 129},
      {1014, Make<CDEC2HEXDlg>, 132},
      {1015, Make<CCheckDlg>, 131},
      {32805, Make<CFileDownDlg>, 162},
      {32822, Make<CEqSwitch>, 172},
      {32783, Make<CFindResDlg>, 104},
      {32785, Make<CResDlg>, 153},
      {32797, Make<CRes2Dlg>, 157},
      {32784, Make<CCapDlg>, 150},
      {32799, Make<CCrDlg>, 159},
      {32807, Make<CPowerDlg>, 163},
      {32809, Make<CLinerPowerDlg>, 164},
      {32818, Make<CNtcDlg>, 169},
      {32787, Make<CTextDialog>, 134},
      {32789, Make<CSegCodeDlg>, 142},
      {32791, Make<CFontCode>, 149},
      {32795, Make<CMidValueDlg>, 156},
      {32801, Make<CTimerDlg>, 161},
      {32824, Make<CMifareCode>, 173},
      {32826, Make<CHeating>, 174},
  };
  // clang-format on
  return table;
}

}  // namespace app
