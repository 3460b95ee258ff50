#include "tools/protocol/CToolsDlg.h"

namespace id = ui::storage_code;

namespace {

using protocol::StorageType;
constexpr struct {
  id::Control button;
  StorageType type;
} kTypeButtons[] = {
    {id::type_short, StorageType::kShort}, {id::type_ushort, StorageType::kUShort},
    {id::type_uchar, StorageType::kUChar}, {id::type_int, StorageType::kInt},
    {id::type_uint, StorageType::kUInt},   {id::type_ascii, StorageType::kAscii},
    {id::type_float, StorageType::kFloat}, {id::type_double, StorageType::kDouble},
};
}  // namespace

CToolsDlg::CToolsDlg() {
  for (const auto& entry : kTypeButtons) {
    const StorageType type = entry.type;
    OnClicked(entry.button, [this, type] { Convert(type); });
  }
}

void CToolsDlg::OnInitDialog() {
  SetCheck(id::code_to_value, true);
}

void CToolsDlg::Convert(StorageType type) {
  // The direction is whichever of the two radio buttons was clicked last.
  const std::string input = GetText(id::input);
  const bool reverse = IsChecked(id::reverse_bytes);
  SetText(id::result, IsChecked(id::value_to_code)
                          ? protocol::ValueToStorageCode(type, input, reverse)
                          : protocol::StorageCodeToValue(type, input, reverse));
}
