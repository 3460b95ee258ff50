// Resistor divider calculator: U on top of R1, the tap Ux between R1 and R2, R2 to ground.
// Solves the divider from three of its values, looks up the standard values nearest to a
// number, and picks the upper resistor that gives a varying lower resistor the widest
// swing of Ux.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "tools/circuit/eseries.h"

namespace circuit {

enum class DividerField { kU, kUx, kR1, kR2 };

struct DividerFields {
  std::string u;
  std::string ux;
  std::string r1;
  std::string r2;
};

struct DividerSolution {
  DividerField field;  // the one that was empty
  std::string value;   // its new text
  // Powers and current for the result field; none when R1 + R2 is 0.
  std::optional<std::string> power;
};

// Exactly one field must be empty (after trimming) and the other three must allow the
// missing one; otherwise nullopt and nothing changes.
std::optional<DividerSolution> SolveDivider(const DividerFields& fields);

constexpr int kNearestCount = 5;

// The five values of the series over 10^0..10^6 nearest to x, nearest first, earlier
// values first among equal distances. Places nothing nearer than 0 reached stay 0.
std::array<double, kNearestCount> NearestValues(Series series, double x);
// Result text of the lookup; nullopt for an empty field.
std::optional<std::string> NearestValuesText(Series series, const std::string& field);

// The R1 in 1..9999999 ohms with the widest swing of Ux while R2 runs from r2_min to
// r2_max (smallest R1 among equal swings); nullopt unless 0 < r2_min < r2_max, both finite.
std::optional<int> ChooseDividerR1(double r2_min, double r2_max);
// Result text of the resistor choice for the three fields as typed.
std::string DividerChoiceText(const std::string& r2_min_field, const std::string& r2_max_field,
                              const std::string& supply_field);

}  // namespace circuit
