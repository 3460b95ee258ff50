// Heating calculator window (res/dialogs/heating.json): the water panel and the electric panel.
#pragma once

#include "tools/engineering/heating.h"
#include "ui/heating.h"
#include "winsys/DialogOf.h"

class CHeating : public winsys::DialogOf<ui::heating::Window> {
 public:
  CHeating();

 private:
  void OnWater();
  void OnPower();
  void OnEnergy();
  void Apply(const engineering::HeatingOutcome& outcome);
};
