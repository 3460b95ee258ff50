#include "tools/protocol/CCheckDlg.h"

#include "tools/protocol/checksum.h"
#include "tools/protocol/hexbytes.h"

namespace {
constexpr int kInput = 1001;
constexpr int kKind = 1049;
constexpr int kGenerate = 1032;
constexpr int kResult = 1033;
constexpr size_t kByteLimit = 1023;
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
  const std::vector<uint8_t> bytes = protocol::ReadHexBytes(GetText(kInput), kByteLimit);
  const int kind = GetCurSel(kKind);
  std::string result;
  if (!bytes.empty() && kind >= 0 && kind < protocol::kChecksumKindCount) {
    result = protocol::ChecksumText(static_cast<protocol::ChecksumKind>(kind), bytes);
  }
  SetText(kResult, result);
}
