#include "tools/mcu/CMidValueDlg.h"

#include "base/tr.h"
#include "tools/mcu/interpolation.h"

namespace {
constexpr int kX1 = 1001;
constexpr int kY1 = 1002;
constexpr int kX2 = 1003;
constexpr int kY2 = 1005;
constexpr int kX = 1006;
constexpr int kY = 1007;
constexpr int kCompute = 1000;
}  // namespace

CMidValueDlg::CMidValueDlg() : Dialog(156) {
  OnClicked(kCompute, [this] { OnCompute(); });
}

void CMidValueDlg::OnCompute() {
  const auto result = mcu::Interpolate(
      {GetText(kX1), GetText(kY1), GetText(kX2), GetText(kY2), GetText(kX), GetText(kY)});
  if (!result) {
    MessageBox(mcu::kLineInputError, base::Tr("quorkit", "提示"));
    return;
  }
  SetText(result->target == mcu::LineResult::Target::kY ? kY : kX, result->text);
}
