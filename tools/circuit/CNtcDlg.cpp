#include "tools/circuit/CNtcDlg.h"

#include "base/tr.h"
#include "winsys/Canvas.h"

namespace id = ui::ntc_table;

namespace {
constexpr int kUpperBitmap = 170;
constexpr int kLowerBitmap = 171;
}  // namespace

CNtcDlg::CNtcDlg() {
  OnClicked(id::adc_table, [this] { OnAdcTable(); });
  OnClicked(id::ntc_upper, [this] { InvalidateControl(id::divider_picture); });
  OnClicked(id::ntc_lower, [this] { InvalidateControl(id::divider_picture); });
}

void CNtcDlg::OnInitDialog() {
  ResetContent(id::adc_resolution);
  AddString(id::adc_resolution, base::Tr("quorkit", "10位"));
  AddString(id::adc_resolution, base::Tr("quorkit", "12位"));
  SetCurSel(id::adc_resolution, 0);
  SetCheck(id::ntc_upper, true);
  SetText(id::output, circuit::NtcHelpText());
  SetControlPainter(id::divider_picture, [this](winsys::WindowPainter& painter) {
    painter.DrawBitmap(IsChecked(id::ntc_upper) ? kUpperBitmap : kLowerBitmap, 0, 0);
  });
}

circuit::NtcOptions CNtcDlg::Options() const {
  return {IsChecked(id::hex), IsChecked(id::tenfold), IsChecked(id::integer)};
}

void CNtcDlg::Show(const circuit::NtcResult& result) {
  if (!result.message.empty()) {
    MessageBox(result.message, circuit::kNtcMessageTitle);
    return;
  }
  SetText(id::output, result.text);
}

void CNtcDlg::OnOK() {
  Show(circuit::NtcResistanceTableFromFields(GetText(id::r25), GetText(id::b_value), Options()));
}

void CNtcDlg::OnAdcTable() {
  const circuit::NtcDivider divider =
      IsChecked(id::ntc_upper) ? circuit::NtcDivider::kUpper : circuit::NtcDivider::kLower;
  Show(circuit::NtcAdcTableFromFields(GetText(id::r25), GetText(id::b_value),
                                      GetText(id::divider_resistance),
                                      GetCurSel(id::adc_resolution), divider, Options()));
}
