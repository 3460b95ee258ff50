// Operator side swapper window (template 172).
#pragma once

#include "winsys/Dialog.h"

class CEqSwitch : public winsys::Dialog {
 public:
  CEqSwitch();
};
