#include "tools/protocol/CToolsDlg.h"

namespace {
constexpr int kCodeToValue = 1035;
constexpr int kValueToCode = 1034;
constexpr int kResult = 1023;
constexpr int kInput = 1024;
constexpr int kReverse = 1022;

using protocol::StorageType;
constexpr struct {
  int button;
  StorageType type;
} kTypeButtons[] = {
    {1026, StorageType::kShort}, {1028, StorageType::kUShort}, {1005, StorageType::kUChar},
    {1031, StorageType::kInt},   {1030, StorageType::kUInt},   {1027, StorageType::kAscii},
    {1025, StorageType::kFloat}, {1029, StorageType::kDouble},
};
}  // namespace

CToolsDlg::CToolsDlg() : Dialog(129) {
  for (const auto& entry : kTypeButtons) {
    const StorageType type = entry.type;
    OnClicked(entry.button, [this, type] { Convert(type); });
  }
}

void CToolsDlg::OnInitDialog() {
  SetCheck(kCodeToValue, true);
}

void CToolsDlg::Convert(StorageType type) {
  // The direction is whichever of the two radio buttons was clicked last.
  const std::string input = GetText(kInput);
  const bool reverse = IsChecked(kReverse);
  SetText(kResult, IsChecked(kValueToCode) ? protocol::ValueToStorageCode(type, input, reverse)
                                           : protocol::StorageCodeToValue(type, input, reverse));
}
