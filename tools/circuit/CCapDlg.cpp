#include "tools/circuit/CCapDlg.h"

#include "tools/circuit/capdelay.h"
#include "winsys/Canvas.h"

namespace {
constexpr int kDischarge = 1044;
constexpr int kCharge = 1045;
constexpr int kCompute = 1000;
constexpr int kVe = 1001;
constexpr int kVx1 = 1002;
constexpr int kVx2 = 1003;
constexpr int kPicture = 1004;
constexpr int kR = 1005;
constexpr int kC = 1006;
constexpr int kT = 1007;
constexpr int kDischargeBitmap = 151;
constexpr int kChargeBitmap = 152;

int FieldId(circuit::CapField field) {
  switch (field) {
    case circuit::CapField::kR:
      return kR;
    case circuit::CapField::kC:
      return kC;
    case circuit::CapField::kT:
      break;
  }
  return kT;
}
}  // namespace

CCapDlg::CCapDlg() : Dialog(150) {
  OnClicked(kCompute, [this] { OnCompute(); });
  OnClicked(kDischarge, [this] { InvalidateControl(kPicture); });
  OnClicked(kCharge, [this] { InvalidateControl(kPicture); });
}

void CCapDlg::OnInitDialog() {
  SetCheck(kDischarge, true);
  MoveControl(kPicture, 10, 10, 126, 72);
  SetControlPainter(kPicture, [this](winsys::WindowPainter& painter) {
    painter.DrawBitmap(IsChecked(kCharge) ? kChargeBitmap : kDischargeBitmap, 0, 0);
  });
}

void CCapDlg::OnCompute() {
  const circuit::CapMode mode =
      IsChecked(kCharge) ? circuit::CapMode::kCharge : circuit::CapMode::kDischarge;
  const circuit::CapResult result = circuit::CapacitorDelay(
      mode, {GetText(kVe), GetText(kVx1), GetText(kVx2), GetText(kR), GetText(kC), GetText(kT)});
  if (!result.message.empty()) {
    MessageBox(result.message);
    return;
  }
  SetText(FieldId(result.field), result.value);
}
