#include "tools/circuit/CResDlg.h"

#include "tools/circuit/resdivider.h"

namespace id = ui::resistor_divider;

namespace {

constexpr winsys::FieldControls<circuit::DividerField, id::Window, 4> kFieldControls{{
    {circuit::DividerField::kU, id::total_voltage},
    {circuit::DividerField::kUx, id::divided_voltage},
    {circuit::DividerField::kR1, id::r1},
    {circuit::DividerField::kR2, id::r2},
}};
static_assert(kFieldControls.InFieldOrder());
}  // namespace

CResDlg::CResDlg() {
  OnClicked(id::solve, [this] { OnSolve(); });
  OnClicked(id::look_up, [this] { OnLookUp(); });
  OnClicked(id::choose, [this] { OnChoose(); });
}

void CResDlg::OnInitDialog() {
  SetCheck(id::e12, true);
}

void CResDlg::OnSolve() {
  const auto solution = circuit::SolveDivider(
      {GetText(id::total_voltage), GetText(id::divided_voltage), GetText(id::r1), GetText(id::r2)});
  if (!solution) return;
  SetText(kFieldControls[solution->field], solution->value);
  if (solution->power) SetText(id::result, *solution->power);
}

void CResDlg::OnLookUp() {
  const circuit::Series series = IsChecked(id::e12)   ? circuit::Series::kE12
                                 : IsChecked(id::e24) ? circuit::Series::kE24
                                                      : circuit::Series::kE96;
  if (const auto text = circuit::NearestValuesText(series, GetText(id::look_up_value))) {
    SetText(id::result, *text);
  }
}

void CResDlg::OnChoose() {
  SetText(id::result, circuit::DividerChoiceText(GetText(id::r2_min), GetText(id::r2_max),
                                                 GetText(id::choice_voltage)));
}
