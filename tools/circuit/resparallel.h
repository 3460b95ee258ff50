// Resistor parallel calculator: the equivalent of up to four resistors in parallel.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace circuit {

// Result text for the resistor fields as typed; an empty field (after trimming) is a
// resistor that is not connected. nullopt when no field holds anything.
std::optional<std::string> ParallelResistance(const std::vector<std::string>& fields);

}  // namespace circuit
