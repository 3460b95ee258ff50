// Heating calculator window (template 174): the water panel and the electric panel.
#pragma once

#include "tools/engineering/heating.h"
#include "winsys/Dialog.h"

class CHeating : public winsys::Dialog {
 public:
  CHeating();

 private:
  void OnWater();
  void OnPower();
  void OnEnergy();
  void Apply(const engineering::HeatingOutcome& outcome);
};
