// RC dropper supply: a series capacitor (with its bleeder) from 220 V, 50 Hz mains feeding a
// rectified load at the output voltage Vo.
#pragma once

#include <string>

namespace circuit {

struct DropperResult {
  std::string message;  // non-empty: show it, and leave the result fields as they are
  std::string current;  // mA, "%.2f"
  std::string power;    // W, "%.2f"
};

// From the capacitance field (uF) and the output voltage field (V) as typed.
DropperResult RcDropper(const std::string& c_field, const std::string& vo_field);

}  // namespace circuit
