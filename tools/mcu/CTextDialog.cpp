#include "tools/mcu/CTextDialog.h"

#include "tools/mcu/charcode.h"

namespace {
constexpr int kResult = 1001;
constexpr int kMultibyte = 1044;
constexpr int kComma = 1046;
constexpr int kPrefix = 1047;
constexpr int kInput = 1002;
constexpr int kGenerate = 1000;
}  // namespace

CTextDialog::CTextDialog() : Dialog(134) {
  OnClicked(kGenerate, [this] { OnGenerate(); });
}

void CTextDialog::OnInitDialog() {
  SetCheck(kMultibyte, true);
}

void CTextDialog::OnGenerate() {
  mcu::CodeOptions options;
  options.set = IsChecked(kMultibyte) ? mcu::CharacterSet::kMultibyte : mcu::CharacterSet::kUnicode;
  options.comma = IsChecked(kComma);
  options.prefix = IsChecked(kPrefix);
  SetText(kResult, mcu::CharacterCodes(GetText(kInput), options));
}
