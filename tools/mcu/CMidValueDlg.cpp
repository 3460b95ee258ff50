#include "tools/mcu/CMidValueDlg.h"

#include "base/tr.h"
#include "tools/mcu/interpolation.h"

namespace id = ui::interpolation;

CMidValueDlg::CMidValueDlg() {
  OnClicked(id::compute, [this] { OnCompute(); });
}

void CMidValueDlg::OnCompute() {
  const auto result =
      mcu::Interpolate({GetText(id::first_x), GetText(id::first_y), GetText(id::second_x),
                        GetText(id::second_y), GetText(id::target_x), GetText(id::target_y)});
  if (!result) {
    MessageBox(mcu::kLineInputError, base::Tr("quorkit", "提示"));
    return;
  }
  SetText(result->target == mcu::LineResult::Target::kY ? id::target_y : id::target_x,
          result->text);
}
