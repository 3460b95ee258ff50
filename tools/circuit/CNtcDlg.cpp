#include "tools/circuit/CNtcDlg.h"

#include "base/tr.h"
#include "winsys/Canvas.h"

namespace {
constexpr int kR25 = 1001;
constexpr int kB = 1002;
constexpr int kResolution = 1043;
constexpr int kRd = 1005;
constexpr int kUpper = 1044;
constexpr int kLower = 1045;
constexpr int kPicture = 1035;
constexpr int kAdcTable = 1000;
constexpr int kHex = 1046;
constexpr int kTenfold = 1047;
constexpr int kInteger = 1031;
constexpr int kOutput = 1003;
constexpr int kUpperBitmap = 170;
constexpr int kLowerBitmap = 171;
}  // namespace

CNtcDlg::CNtcDlg() : Dialog(169) {
  OnClicked(kAdcTable, [this] { OnAdcTable(); });
  OnClicked(kUpper, [this] { InvalidateControl(kPicture); });
  OnClicked(kLower, [this] { InvalidateControl(kPicture); });
}

void CNtcDlg::OnInitDialog() {
  ResetContent(kResolution);
  AddString(kResolution, base::Tr("quorkit", "10位"));
  AddString(kResolution, base::Tr("quorkit", "12位"));
  SetCurSel(kResolution, 0);
  SetCheck(kUpper, true);
  SetText(kOutput, circuit::NtcHelpText());
  SetControlPainter(kPicture, [this](winsys::WindowPainter& painter) {
    painter.DrawBitmap(IsChecked(kUpper) ? kUpperBitmap : kLowerBitmap, 0, 0);
  });
}

circuit::NtcOptions CNtcDlg::Options() const {
  return {IsChecked(kHex), IsChecked(kTenfold), IsChecked(kInteger)};
}

void CNtcDlg::Show(const circuit::NtcResult& result) {
  if (!result.message.empty()) {
    MessageBox(result.message, circuit::kNtcMessageTitle);
    return;
  }
  SetText(kOutput, result.text);
}

void CNtcDlg::OnOK() {
  Show(circuit::NtcResistanceTableFromFields(GetText(kR25), GetText(kB), Options()));
}

void CNtcDlg::OnAdcTable() {
  const circuit::NtcDivider divider =
      IsChecked(kUpper) ? circuit::NtcDivider::kUpper : circuit::NtcDivider::kLower;
  Show(circuit::NtcAdcTableFromFields(GetText(kR25), GetText(kB), GetText(kRd),
                                      GetCurSel(kResolution), divider, Options()));
}
