// Linear power supply: 220 V, 50 Hz mains, a transformer, a bridge rectifier and a
// reservoir capacitor. From the mains deviation, the transformer's nominal secondary
// voltage and the largest load current: the voltage ranges and the least capacitance.
#pragma once

#include <string>

#include "base/tr.h"

namespace circuit {

struct LinearSupplyFields {
  std::string up;       // mains deviation upward, %
  std::string down;     // mains deviation downward, %
  std::string voltage;  // transformer nominal secondary voltage, V
  std::string current;  // largest load current, A
};

// Either a message (title "计算错误", the result field keeps its text) or the result text.
struct LinearSupplyResult {
  std::string message;
  std::string text;
};

inline constexpr const char* kLinearSupplyMessageTitle = BASE_TR_NOOP("quorkit", "计算错误");

LinearSupplyResult LinearSupply(const LinearSupplyFields& fields);

}  // namespace circuit
