#include "tools/circuit/CFindResDlg.h"

#include "tools/circuit/findres.h"

namespace id = ui::resistor_finder;

CFindResDlg::CFindResDlg() {
  OnClicked(id::find_ratio, [this] { OnFindRatio(); });
  OnClicked(id::find_divider, [this] { OnFindDivider(); });
  OnClicked(id::find_series, [this] { OnFindSeries(); });
  OnClicked(id::find_parallel, [this] { OnFindParallel(); });
}

void CFindResDlg::OnInitDialog() {
  SetCheck(id::e12, true);
}

// Read when a search starts, so switching series alone changes nothing.
circuit::Series CFindResDlg::SelectedSeries() const {
  if (IsChecked(id::e12)) return circuit::Series::kE12;
  if (IsChecked(id::e24)) return circuit::Series::kE24;
  return circuit::Series::kE96;
}

void CFindResDlg::ShowResult(const std::optional<std::string>& text) {
  if (text) SetText(id::result, *text);
}

void CFindResDlg::OnFindRatio() {
  ShowResult(circuit::RatioSearch(SelectedSeries(), GetText(id::ratio)));
}

void CFindResDlg::OnFindDivider() {
  ShowResult(circuit::DividerSearch(SelectedSeries(), GetText(id::total_voltage),
                                    GetText(id::part_voltage)));
}

void CFindResDlg::OnFindSeries() {
  ShowResult(circuit::SeriesSearch(SelectedSeries(), GetText(id::series_target)));
}

void CFindResDlg::OnFindParallel() {
  ShowResult(circuit::ParallelSearch(SelectedSeries(), GetText(id::parallel_target)));
}
