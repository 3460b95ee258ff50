#include "tools/mcu/interpolation.h"

#include <cmath>

#include "base/cnum.h"
#include "base/format.h"

namespace mcu {

std::optional<LineResult> Interpolate(const LineFields& fields) {
  const base::Field x1 = base::ReadField(fields.x1);
  const base::Field y1 = base::ReadField(fields.y1);
  const base::Field x2 = base::ReadField(fields.x2);
  const base::Field y2 = base::ReadField(fields.y2);
  if (!x1.given || !y1.given || !x2.given || !y2.given) return std::nullopt;
  const base::Field x = base::ReadField(fields.x);
  const base::Field y = base::ReadField(fields.y);

  LineResult result{};
  double value = 0;
  if (x.given) {
    if (x2.value == x1.value) return std::nullopt;
    result.target = LineResult::Target::kY;
    value = y1.value + (y2.value - y1.value) / (x2.value - x1.value) * (x.value - x1.value);
  } else if (y.given) {
    if (y2.value == y1.value) return std::nullopt;
    result.target = LineResult::Target::kX;
    value = x1.value + (x2.value - x1.value) / (y2.value - y1.value) * (y.value - y1.value);
  } else {
    return std::nullopt;
  }
  // Inputs beyond the double range give inf or nan, which is no answer.
  if (!std::isfinite(value)) return std::nullopt;
  result.text = base::Format("%f", value);
  return result;
}

}  // namespace mcu
