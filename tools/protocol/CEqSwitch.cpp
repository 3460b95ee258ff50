#include "tools/protocol/CEqSwitch.h"

#include "tools/protocol/eqswitch.h"

namespace {
constexpr int kText = 1001;
constexpr int kOperator = 1002;
constexpr int kSwap = 1037;
constexpr int kClear = 1041;
}  // namespace

CEqSwitch::CEqSwitch() : Dialog(172) {
  OnClicked(kSwap,
            [this] { SetText(kText, protocol::SwapOperands(GetText(kText), GetText(kOperator))); });
  OnClicked(kClear, [this] { SetText(kText, ""); });
}
