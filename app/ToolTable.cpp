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
#include "tools/protocol/HexToBin.h"
#include "ui/main_menu.h"

namespace app {

namespace {

template <typename T>
std::unique_ptr<winsys::Dialog> Make() {
  return std::make_unique<T>();
}

}  // namespace

const std::vector<ToolEntry>& ToolTable() {
  namespace menu = ui::main_menu;
  // clang-format off
  static const std::vector<ToolEntry> table = {
      {menu::kModbus, Make<CModBusDlg>, nullptr},
      {menu::kTelecom, Make<CPostADlg>, nullptr},
      {menu::kStorageCode, Make<CToolsDlg>, nullptr},
      {menu::kDecHex, Make<CDEC2HEXDlg>, nullptr},
      {menu::kChecksum, Make<CCheckDlg>, nullptr},
      {menu::kHexToBin, nullptr, RunHexToBinCommand},
      {menu::kFileSender, Make<CFileDownDlg>, nullptr},
      {menu::kEqSwitch, Make<CEqSwitch>, nullptr},
      {menu::kResistorFinder, Make<CFindResDlg>, nullptr},
      {menu::kResistorDivider, Make<CResDlg>, nullptr},
      {menu::kResistorParallel, Make<CRes2Dlg>, nullptr},
      {menu::kCapacitorDelay, Make<CCapDlg>, nullptr},
      {menu::kRcDropper, Make<CCrDlg>, nullptr},
      {menu::kResistorPower, Make<CPowerDlg>, nullptr},
      {menu::kLinearSupply, Make<CLinerPowerDlg>, nullptr},
      {menu::kNtcTable, Make<CNtcDlg>, nullptr},
      {menu::kCharCode, Make<CTextDialog>, nullptr},
      {menu::kSegmentCode, Make<CSegCodeDlg>, nullptr},
      {menu::kGlyphCode, Make<CFontCode>, nullptr},
      {menu::kInterpolation, Make<CMidValueDlg>, nullptr},
      {menu::kTimer, Make<CTimerDlg>, nullptr},
      {menu::kMifareAccess, Make<CMifareCode>, nullptr},
      {menu::kHeating, Make<CHeating>, nullptr},
  };
  // clang-format on
  return table;
}

const ToolEntry* FindTool(int command) {
  for (const ToolEntry& entry : ToolTable()) {
    if (entry.command == command) return &entry;
  }
  return nullptr;
}

}  // namespace app
