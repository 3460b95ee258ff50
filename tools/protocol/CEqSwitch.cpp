#include "tools/protocol/CEqSwitch.h"

#include "tools/protocol/eqswitch.h"

namespace id = ui::eq_switch;

CEqSwitch::CEqSwitch() {
  OnClicked(id::swap, [this] {
    SetText(id::text, protocol::SwapOperands(GetText(id::text), GetText(id::operator_sign)));
  });
  OnClicked(id::clear, [this] { SetText(id::text, ""); });
}
