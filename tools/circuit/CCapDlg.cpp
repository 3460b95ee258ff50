#include "tools/circuit/CCapDlg.h"

#include "tools/circuit/capdelay.h"
#include "winsys/Canvas.h"

namespace id = ui::capacitor_delay;

namespace {
constexpr int kDischargeBitmap = 151;
constexpr int kChargeBitmap = 152;

constexpr winsys::FieldControls<circuit::CapField, id::Window, 3> kFieldControls{{
    {circuit::CapField::kR, id::resistance},
    {circuit::CapField::kC, id::capacitance},
    {circuit::CapField::kT, id::delay},
}};
static_assert(kFieldControls.InFieldOrder());
}  // namespace

CCapDlg::CCapDlg() {
  OnClicked(id::compute, [this] { OnCompute(); });
  OnClicked(id::discharge, [this] { InvalidateControl(id::picture); });
  OnClicked(id::charge, [this] { InvalidateControl(id::picture); });
}

void CCapDlg::OnInitDialog() {
  SetCheck(id::discharge, true);
  MoveControl(id::picture, 10, 10, 126, 72);
  SetControlPainter(id::picture, [this](winsys::WindowPainter& painter) {
    painter.DrawBitmap(IsChecked(id::charge) ? kChargeBitmap : kDischargeBitmap, 0, 0);
  });
}

void CCapDlg::OnCompute() {
  const circuit::CapMode mode =
      IsChecked(id::charge) ? circuit::CapMode::kCharge : circuit::CapMode::kDischarge;
  const circuit::CapResult result = circuit::CapacitorDelay(
      mode, {GetText(id::ve), GetText(id::vx1), GetText(id::vx2), GetText(id::resistance),
             GetText(id::capacitance), GetText(id::delay)});
  if (!result.message.empty()) {
    MessageBox(result.message);
    return;
  }
  SetText(kFieldControls[result.field], result.value);
}
