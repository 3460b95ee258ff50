#include "tools/circuit/CResDlg.h"

#include "tools/circuit/resdivider.h"

namespace {
constexpr int kU = 1001;
constexpr int kUx = 1007;
constexpr int kR1 = 1002;
constexpr int kR2 = 1003;
constexpr int kSolve = 1000;
constexpr int kE12 = 1044;
constexpr int kE24 = 1045;
constexpr int kLookUpValue = 1006;
constexpr int kLookUp = 1004;
constexpr int kR2Min = 1008;
constexpr int kR2Max = 1010;
constexpr int kSupply = 1011;
constexpr int kChoose = 1009;
constexpr int kResult = 1005;

int FieldId(circuit::DividerField field) {
  switch (field) {
    case circuit::DividerField::kU:
      return kU;
    case circuit::DividerField::kUx:
      return kUx;
    case circuit::DividerField::kR1:
      return kR1;
    case circuit::DividerField::kR2:
      break;
  }
  return kR2;
}
}  // namespace

CResDlg::CResDlg() : Dialog(153) {
  OnClicked(kSolve, [this] { OnSolve(); });
  OnClicked(kLookUp, [this] { OnLookUp(); });
  OnClicked(kChoose, [this] { OnChoose(); });
}

void CResDlg::OnInitDialog() {
  SetCheck(kE12, true);
}

void CResDlg::OnSolve() {
  const auto solution =
      circuit::SolveDivider({GetText(kU), GetText(kUx), GetText(kR1), GetText(kR2)});
  if (!solution) return;
  SetText(FieldId(solution->field), solution->value);
  if (solution->power) SetText(kResult, *solution->power);
}

void CResDlg::OnLookUp() {
  const circuit::Series series = IsChecked(kE12)   ? circuit::Series::kE12
                                 : IsChecked(kE24) ? circuit::Series::kE24
                                                   : circuit::Series::kE96;
  if (const auto text = circuit::NearestValuesText(series, GetText(kLookUpValue))) {
    SetText(kResult, *text);
  }
}

void CResDlg::OnChoose() {
  SetText(kResult, circuit::DividerChoiceText(GetText(kR2Min), GetText(kR2Max), GetText(kSupply)));
}
