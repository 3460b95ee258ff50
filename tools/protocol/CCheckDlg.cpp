#include "tools/protocol/CCheckDlg.h"

#include "tools/protocol/checksum.h"

namespace id = ui::checksum;

CCheckDlg::CCheckDlg() {
  OnClicked(id::generate, [this] { OnGenerate(); });
}

void CCheckDlg::OnInitDialog() {
  ResetContent(id::method);
  for (const char* name : protocol::kChecksumKindNames) AddString(id::method, name);
  SetCurSel(id::method, 0);
}

void CCheckDlg::OnGenerate() {
  const int kind = GetCurSel(id::method);
  std::optional<std::string> result;
  if (kind >= 0 && kind < protocol::kChecksumKindCount) {
    result =
        protocol::ChecksumOfHexText(static_cast<protocol::ChecksumKind>(kind), GetText(id::input));
  }
  SetText(id::result, result.value_or(""));
}
