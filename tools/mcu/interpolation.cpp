#include "tools/mcu/interpolation.h"

#include <cmath>

#include "base/cnum.h"
#include "base/format.h"
#include "base/text.h"

namespace mcu {

namespace {

struct Value {
  bool given;
  double number;
};

Value Read(const std::string& field) {
  const std::string trimmed = base::Trim(field);
  return {!trimmed.empty(), base::ReadDecimalDouble(trimmed)};
}

}  // namespace

std::optional<LineResult> Interpolate(const LineFields& fields) {
  const Value x1 = Read(fields.x1);
  const Value y1 = Read(fields.y1);
  const Value x2 = Read(fields.x2);
  const Value y2 = Read(fields.y2);
  if (!x1.given || !y1.given || !x2.given || !y2.given) return std::nullopt;
  const Value x = Read(fields.x);
  const Value y = Read(fields.y);

  LineResult result{};
  double value = 0;
  if (x.given) {
    if (x2.number == x1.number) return std::nullopt;
    result.target = LineResult::Target::kY;
    value = y1.number + (y2.number - y1.number) / (x2.number - x1.number) * (x.number - x1.number);
  } else if (y.given) {
    if (y2.number == y1.number) return std::nullopt;
    result.target = LineResult::Target::kX;
    value = x1.number + (x2.number - x1.number) / (y2.number - y1.number) * (y.number - y1.number);
  } else {
    return std::nullopt;
  }
  // Inputs beyond the double range give inf or nan, which is no answer.
  if (!std::isfinite(value)) return std::nullopt;
  result.text = base::Format("%f", value);
  return result;
}

}  // namespace mcu
