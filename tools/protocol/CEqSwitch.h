// Operator side swapper window (res/dialogs/eq_switch.json).
#pragma once

#include "ui/eq_switch.h"
#include "winsys/DialogOf.h"

class CEqSwitch : public winsys::DialogOf<ui::eq_switch::Window> {
 public:
  CEqSwitch();
};
