#include "tools/mcu/CTextDialog.h"

#include "tools/mcu/charcode.h"

namespace id = ui::char_code;

CTextDialog::CTextDialog() {
  OnClicked(id::generate, [this] { OnGenerate(); });
}

void CTextDialog::OnInitDialog() {
  SetCheck(id::multibyte, true);
}

void CTextDialog::OnGenerate() {
  mcu::CodeOptions options;
  options.set =
      IsChecked(id::multibyte) ? mcu::CharacterSet::kMultibyte : mcu::CharacterSet::kUnicode;
  options.comma = IsChecked(id::comma_separated);
  options.prefix = IsChecked(id::hex_prefix);
  SetText(id::result, mcu::CharacterCodes(GetText(id::input), options));
}
