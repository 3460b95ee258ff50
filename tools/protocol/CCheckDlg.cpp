#include "tools/protocol/CCheckDlg.h"

#include "tools/protocol/checksum.h"

namespace {
constexpr int kInput = 1001;
constexpr int kKind = 1049;
constexpr int kGenerate = 1032;
constexpr int kResult = 1033;
}  // namespace

CCheckDlg::CCheckDlg() : Dialog(131) {
  OnClicked(kGenerate, [this] { OnGenerate(); });
}

void CCheckDlg::OnInitDialog() {
  ResetContent(kKind);
  for (const char* name : protocol::kChecksumKindNames) AddString(kKind, name);
  SetCurSel(kKind, 0);
}

void CCheckDlg::OnGenerate() {
  const int kind = GetCurSel(kKind);
  std::optional<std::string> result;
  if (kind >= 0 && kind < protocol::kChecksumKindCount) {
    result =
        protocol::ChecksumOfHexText(static_cast<protocol::ChecksumKind>(kind), GetText(kInput));
  }
  SetText(kResult, result.value_or(""));
}
