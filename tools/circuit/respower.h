// Resistor power: Ohm's law and the power law for one resistor. Of voltage, current,
// resistance and power, two given ones give the other two.
#pragma once

#include <optional>
#include <string>

#include "base/tr.h"

namespace circuit {

struct PowerFields {
  std::string v;  // V
  std::string i;  // A
  std::string r;  // ohms
  std::string p;  // W
};

// Either a message (title "计算错误", no field changes) or the new texts of two fields.
struct PowerResult {
  std::string message;
  std::optional<std::string> v, i, r, p;
};

inline constexpr const char* kPowerMessageTitle = BASE_TR_NOOP("quorkit", "计算错误");

// The first case that the given (non-blank) fields fit decides which two are computed; the
// other fields are not looked at, and the results replace whatever their fields held.
PowerResult ResistorPower(const PowerFields& fields);

}  // namespace circuit
