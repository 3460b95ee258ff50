#include "tools/circuit/resdivider.h"

#include <cmath>
#include <limits>

#include "base/cnum.h"
#include "base/format.h"
#include "base/tr.h"

namespace circuit {

std::optional<DividerSolution> SolveDivider(const DividerFields& fields) {
  const base::Field given[] = {base::ReadField(fields.u), base::ReadField(fields.ux),
                               base::ReadField(fields.r1), base::ReadField(fields.r2)};
  int missing = -1;
  for (int n = 0; n < 4; ++n) {
    if (given[n].given) continue;
    if (missing >= 0) return std::nullopt;
    missing = n;
  }
  if (missing < 0) return std::nullopt;

  double u = given[0].value, ux = given[1].value, r1 = given[2].value, r2 = given[3].value;
  double value = 0;
  switch (static_cast<DividerField>(missing)) {
    case DividerField::kU:
      if (r2 == 0) return std::nullopt;
      value = u = ux * (r1 + r2) / r2;
      break;
    case DividerField::kUx:
      if (r1 + r2 == 0) return std::nullopt;
      value = ux = u * r2 / (r1 + r2);
      break;
    case DividerField::kR1:
      if (ux == 0 || u <= ux) return std::nullopt;
      value = r1 = r2 * (u - ux) / ux;
      break;
    case DividerField::kR2:
      if (ux == 0 || u <= ux) return std::nullopt;
      value = r2 = r1 * ux / (u - ux);
      break;
  }

  DividerSolution solution{static_cast<DividerField>(missing), base::Format("%f", value),
                           std::nullopt};
  // R1 = -R2 (not only both 0) would divide by zero.
  if (r1 + r2 != 0) {
    const double current = u / (r1 + r2);
    solution.power =
        base::Format(base::Tr("quorkit", "R1功率: %f(W)\r\nR2功率: %f(W) \r\n电流I  : %f(A)\r\n"),
                     r1 * current * current, r2 * current * current, current);
  }
  return solution;
}

std::array<double, kNearestCount> NearestValues(Series series, double x) {
  std::array<double, kNearestCount> nearest{};
  for (double mantissa : Mantissas(series)) {
    double value = mantissa;
    for (int k = 0; k < kDecades; ++k, value *= 10) {
      const double distance = std::fabs(x - value);
      size_t place = 0;
      while (place < nearest.size() && !(std::fabs(nearest[place] - x) > distance)) ++place;
      if (place == nearest.size()) continue;
      for (size_t i = nearest.size() - 1; i > place; --i) nearest[i] = nearest[i - 1];
      nearest[place] = value;
    }
  }
  return nearest;
}

std::optional<std::string> NearestValuesText(Series series, const std::string& field) {
  if (field.empty()) return std::nullopt;
  const double x = base::ReadDecimalDouble(field);
  std::string text;
  const std::array<double, kNearestCount> nearest = NearestValues(series, x);
  for (size_t n = 0; n < nearest.size(); ++n) {
    text += base::Format(base::Tr("quorkit", "%d.电阻型号：%f\r\n  误差:%f\r\n\r\n"),
                         static_cast<int>(n + 1), nearest[n], std::fabs(x - nearest[n]));
  }
  return text;
}

std::optional<int> ChooseDividerR1(double r2_min, double r2_max) {
  if (!(r2_min < r2_max && r2_max > 0 && r2_min > 0) || !std::isfinite(r2_max)) {
    return std::nullopt;
  }
  // About 20 ms for the ten million values, bound by the two divisions; no shortcut
  // around the peak, as rounding decides ties there.
  int best = 1;
  double best_swing = -std::numeric_limits<double>::infinity();
  for (int r = 1; r <= 9999999; ++r) {
    const double swing = r2_max / (r + r2_max) - r2_min / (r + r2_min);
    if (swing > best_swing) {
      best_swing = swing;
      best = r;
    }
  }
  return best;
}

std::string DividerChoiceText(const std::string& r2_min_field, const std::string& r2_max_field,
                              const std::string& supply_field) {
  const double r2_min = base::ReadDecimalDouble(r2_min_field);
  const double r2_max = base::ReadDecimalDouble(r2_max_field);
  const std::optional<int> r1 = ChooseDividerR1(r2_min, r2_max);
  if (!r1) return base::Tr("quorkit", "非法输入!");
  const double supply = base::ReadDecimalDouble(supply_field);
  const double low = supply * r2_min / (*r1 + r2_min);
  const double high = supply * r2_max / (*r1 + r2_max);
  return base::Format(
      base::Tr("quorkit",
               "R1=%d(Ω) 时Ux变化范围最大\r\nUx电压范围:%f(V) ~ %f (V)\r\nUx变化量(V):%f"),
      *r1, low, high, high - low);
}

}  // namespace circuit
