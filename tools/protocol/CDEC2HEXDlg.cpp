#include "tools/protocol/CDEC2HEXDlg.h"

#include "tools/protocol/dechex.h"

namespace id = ui::dec_hex;

CDEC2HEXDlg::CDEC2HEXDlg() {
  OnClicked(id::dec_to_hex, [this] { OnDecToHex(); });
  OnClicked(id::hex_to_dec, [this] { OnHexToDec(); });
  OnClicked(id::clear, [this] { OnClear(); });
}

void CDEC2HEXDlg::OnDecToHex() {
  const auto hex = protocol::DecimalToHexText(GetText(id::decimal), IsChecked(id::hex_prefix),
                                              IsChecked(id::comma_separated));
  if (hex) SetText(id::hex, *hex);
}

void CDEC2HEXDlg::OnHexToDec() {
  if (const auto decimal =
          protocol::HexToDecimalText(GetText(id::hex), IsChecked(id::comma_separated))) {
    SetText(id::decimal, *decimal);
  }
}

void CDEC2HEXDlg::OnClear() {
  SetText(id::decimal, "");
  SetText(id::hex, "");
}
