// Capacitor delay: the time an RC network takes to move the capacitor voltage from Vx1 to
// Vx2, discharging through R to ground or charging through R toward the supply Ve. Of R, C
// and the time T, two give the third.
#pragma once

#include <string>

namespace circuit {

enum class CapMode { kDischarge, kCharge };

// Field texts: voltages in V, R in ohms, C in uF, T in ms.
struct CapFields {
  std::string ve;
  std::string vx1;
  std::string vx2;
  std::string r;
  std::string c;
  std::string t;
};

enum class CapField { kR, kC, kT };

// Either a message (title "提示", no field changes) or the new text of one field.
struct CapResult {
  std::string message;
  CapField field = CapField::kT;
  std::string value;
};

CapResult CapacitorDelay(CapMode mode, const CapFields& fields);

}  // namespace circuit
