#include "tools/mcu/CMifareCode.h"

#include <array>

#include "base/tr.h"

namespace {
constexpr std::array<int, 4> kBlockLists = {1040, 1041, 1042, 1038};  // blocks 0 to 3
constexpr int kBytes = 1043;
constexpr int kManual = 1044;
constexpr int kError = 1045;
constexpr int kTable = 1046;
constexpr uint32_t kRed = 0xff0000;

}  // namespace

CMifareCode::CMifareCode() : Dialog(173) {
  for (int list : kBlockLists) OnSelChange(list, [this] { Encode(); });
  OnClicked(kManual, [this] { OnManual(); });
}

void CMifareCode::OnInitDialog() {
  for (int list : kBlockLists) {
    ResetContent(list);
    for (int condition = 0; condition < 8; ++condition) {
      AddString(list, mcu::AccessConditionItem(condition));
    }
  }
  SetText(kBytes, mcu::kAccessDefaultBytes);
  SetReadOnly(kBytes, !manual_);
  SetTextColour(kError, kRed);

  InsertColumn(kTable, 0, base::Tr("quorkit", "存储区"), 69);
  InsertColumn(kTable, 1, base::Tr("quorkit", "读取"), 59);
  InsertColumn(kTable, 2, base::Tr("quorkit", "写入"), 59);
  InsertColumn(kTable, 3, "Increment", 79);
  InsertColumn(kTable, 4, "Decrement Transfer Restore", ControlWidth(kTable) - 271);
  DeleteAllItems(kTable);
  const mcu::AccessTable names = mcu::AccessConditionTable({0, 0, 0, 0});
  for (int row = 0; row < mcu::kAccessTableRows; ++row) InsertItem(kTable, row, names[row][0]);
  Decode();
}

mcu::AccessConditions CMifareCode::Conditions() const {
  mcu::AccessConditions conditions{};
  for (size_t block = 0; block < kBlockLists.size(); ++block) {
    conditions[block] = GetCurSel(kBlockLists[block]);
  }
  return conditions;
}

void CMifareCode::FillTable(const mcu::AccessConditions& conditions) {
  const mcu::AccessTable table = mcu::AccessConditionTable(conditions);
  for (int row = 0; row < mcu::kAccessTableRows; ++row) {
    for (int column = 0; column < mcu::kAccessTableColumns; ++column) {
      SetItemText(kTable, row, column, table[row][column]);
    }
  }
}

void CMifareCode::Encode() {
  const mcu::AccessConditions conditions = Conditions();
  SetText(kBytes, mcu::AccessBytesText(conditions, mcu::AccessFreeByte(GetText(kBytes))));
  FillTable(conditions);
}

bool CMifareCode::Decode() {
  const mcu::AccessDecode decode = mcu::DecodeAccessBytes(GetText(kBytes));
  if (decode.outcome != mcu::AccessDecode::Outcome::kOk) {
    SetText(kError, mcu::AccessDecodeMessage(decode.outcome));
    return false;
  }
  for (size_t block = 0; block < kBlockLists.size(); ++block) {
    SetCurSel(kBlockLists[block], decode.conditions[block]);
  }
  FillTable(decode.conditions);
  return true;
}

void CMifareCode::OnManual() {
  if (!manual_) {
    SetReadOnly(kBytes, false);
    for (int list : kBlockLists) Enable(list, false);
    manual_ = true;
    SetText(kManual, base::Tr("quorkit", "确定"));
    return;
  }
  if (!Decode()) return;
  SetText(kError, "");
  for (int list : kBlockLists) Enable(list, true);
  manual_ = false;
  SetText(kManual, base::Tr("quorkit", "手动输入"));
  SetReadOnly(kBytes, true);
}
