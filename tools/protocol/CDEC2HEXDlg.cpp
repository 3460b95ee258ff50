#include "tools/protocol/CDEC2HEXDlg.h"

#include "tools/protocol/dechex.h"

namespace {
constexpr int kDecimal = 1039;
constexpr int kHex = 1040;
constexpr int kPrefix = 1036;
constexpr int kCommas = 1037;
constexpr int kDecToHex = 1038;
constexpr int kHexToDec = 1042;
constexpr int kClear = 1041;
}  // namespace

CDEC2HEXDlg::CDEC2HEXDlg() : Dialog(132) {
  OnClicked(kDecToHex, [this] { OnDecToHex(); });
  OnClicked(kHexToDec, [this] { OnHexToDec(); });
  OnClicked(kClear, [this] { OnClear(); });
}

void CDEC2HEXDlg::OnDecToHex() {
  const auto hex =
      protocol::DecimalToHexText(GetText(kDecimal), IsChecked(kPrefix), IsChecked(kCommas));
  if (hex) SetText(kHex, *hex);
}

void CDEC2HEXDlg::OnHexToDec() {
  if (const auto decimal = protocol::HexToDecimalText(GetText(kHex), IsChecked(kCommas))) {
    SetText(kDecimal, *decimal);
  }
}

void CDEC2HEXDlg::OnClear() {
  SetText(kDecimal, "");
  SetText(kHex, "");
}
