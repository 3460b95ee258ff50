#include "tools/circuit/CFindResDlg.h"

#include "tools/circuit/findres.h"

namespace {
constexpr int kE12 = 1044;
constexpr int kE24 = 1045;
constexpr int kRatio = 1001;
constexpr int kFindRatio = 1004;
constexpr int kTotal = 1002;
constexpr int kPart = 1003;
constexpr int kFindDivider = 1000;
constexpr int kSeriesTarget = 1005;
constexpr int kFindSeries = 1009;
constexpr int kParallelTarget = 1006;
constexpr int kFindParallel = 1014;
constexpr int kResult = 1048;
}  // namespace

CFindResDlg::CFindResDlg() : Dialog(104) {
  OnClicked(kFindRatio, [this] { OnFindRatio(); });
  OnClicked(kFindDivider, [this] { OnFindDivider(); });
  OnClicked(kFindSeries, [this] { OnFindSeries(); });
  OnClicked(kFindParallel, [this] { OnFindParallel(); });
}

void CFindResDlg::OnInitDialog() {
  SetCheck(kE12, true);
}

// Read when a search starts, so switching series alone changes nothing.
circuit::Series CFindResDlg::SelectedSeries() const {
  if (IsChecked(kE12)) return circuit::Series::kE12;
  if (IsChecked(kE24)) return circuit::Series::kE24;
  return circuit::Series::kE96;
}

void CFindResDlg::ShowResult(const std::optional<std::string>& text) {
  if (text) SetText(kResult, *text);
}

void CFindResDlg::OnFindRatio() {
  ShowResult(circuit::RatioSearch(SelectedSeries(), GetText(kRatio)));
}

void CFindResDlg::OnFindDivider() {
  ShowResult(circuit::DividerSearch(SelectedSeries(), GetText(kTotal), GetText(kPart)));
}

void CFindResDlg::OnFindSeries() {
  ShowResult(circuit::SeriesSearch(SelectedSeries(), GetText(kSeriesTarget)));
}

void CFindResDlg::OnFindParallel() {
  ShowResult(circuit::ParallelSearch(SelectedSeries(), GetText(kParallelTarget)));
}
