#include "app/ToolTable.h"

#include "tools/circuit/CFindResDlg.h"
#include "tools/circuit/CRes2Dlg.h"
#include "tools/circuit/CResDlg.h"
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
  // One line per tool; a tool not built yet has no factory and its menu entry is disabled.
  static const std::vector<ToolEntry> table = {
      {1000, Make<CModBusDlg>},     // CModBusDlg
      {1004, Make<CPostADlg>},      // CPostADlg
      {1009, Make<CToolsDlg>},      // CToolsDlg
      {1014, Make<CDEC2HEXDlg>},    // CDEC2HEXDlg
      {1015, Make<CCheckDlg>},      // CCheckDlg
      {32805, Make<CFileDownDlg>},  // CFileDownDlg
      {32822, Make<CEqSwitch>},     // CEqSwitch
      {32783, Make<CFindResDlg>},   // CFindResDlg
      {32785, Make<CResDlg>},       // CResDlg
      {32797, Make<CRes2Dlg>},      // CRes2Dlg
      {32784, nullptr},             // CCapDlg
      {32799, nullptr},             // CCrDlg
      {32807, nullptr},             // CPowerDlg
      {32809, nullptr},             // CLinerPowerDlg
      {32818, nullptr},             // CNtcDlg
      {32787, nullptr},             // CTextDialog
      {32789, nullptr},             // CSegCodeDlg
      {32791, nullptr},             // CFontCode
      {32795, nullptr},             // CMidValueDlg
      {32801, nullptr},             // CTimerDlg
      {32824, nullptr},             // CMifareCode
      {32826, nullptr},             // CHeating
  };
  return table;
}

}  // namespace app
