#include "tools/mcu/CMifareCode.h"

#include <array>

#include "base/tr.h"

namespace id = ui::mifare_access;

namespace {
constexpr std::array<id::Control, 4> kBlockLists = {id::block0, id::block1, id::block2, id::block3};
constexpr uint32_t kRed = 0xff0000;
}  // namespace

CMifareCode::CMifareCode() {
  for (const id::Control list : kBlockLists) OnSelChange(list, [this] { Encode(); });
  OnClicked(id::manual_entry, [this] { OnManual(); });
}

void CMifareCode::OnInitDialog() {
  for (const id::Control list : kBlockLists) {
    ResetContent(list);
    for (int condition = 0; condition < 8; ++condition) {
      AddString(list, mcu::AccessConditionItem(condition));
    }
  }
  SetText(id::access_bytes, mcu::kAccessDefaultBytes);
  SetReadOnly(id::access_bytes, !manual_);
  SetTextColour(id::decode_error, kRed);

  InsertColumn(id::conditions, 0, base::Tr("quorkit", "存储区"), 69);
  InsertColumn(id::conditions, 1, base::Tr("quorkit", "读取"), 59);
  InsertColumn(id::conditions, 2, base::Tr("quorkit", "写入"), 59);
  InsertColumn(id::conditions, 3, "Increment", 79);
  InsertColumn(id::conditions, 4, "Decrement Transfer Restore", ControlWidth(id::conditions) - 271);
  DeleteAllItems(id::conditions);
  const mcu::AccessTable names = mcu::AccessConditionTable({0, 0, 0, 0});
  for (int row = 0; row < mcu::kAccessTableRows; ++row)
    InsertItem(id::conditions, row, names[static_cast<size_t>(row)][0]);
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
      SetItemText(id::conditions, row, column,
                  table[static_cast<size_t>(row)][static_cast<size_t>(column)]);
    }
  }
}

void CMifareCode::Encode() {
  const mcu::AccessConditions conditions = Conditions();
  SetText(id::access_bytes,
          mcu::AccessBytesText(conditions, mcu::AccessFreeByte(GetText(id::access_bytes))));
  FillTable(conditions);
}

bool CMifareCode::Decode() {
  const mcu::AccessDecode decode = mcu::DecodeAccessBytes(GetText(id::access_bytes));
  if (decode.outcome != mcu::AccessDecode::Outcome::kOk) {
    SetText(id::decode_error, mcu::AccessDecodeMessage(decode.outcome));
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
    SetReadOnly(id::access_bytes, false);
    for (const id::Control list : kBlockLists) Enable(list, false);
    manual_ = true;
    SetText(id::manual_entry, base::Tr("quorkit", "确定"));
    return;
  }
  if (!Decode()) return;
  SetText(id::decode_error, "");
  for (const id::Control list : kBlockLists) Enable(list, true);
  manual_ = false;
  SetText(id::manual_entry, base::Tr("quorkit", "手动输入"));
  SetReadOnly(id::access_bytes, true);
}
