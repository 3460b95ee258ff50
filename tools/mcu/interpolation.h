// Linear interpolation on the straight line through (X1, Y1) and (X2, Y2): y from x, or x
// from y when x is not given. The line is extrapolated beyond the two points.
#pragma once

#include <optional>
#include <string>

#include "base/tr.h"

namespace mcu {

struct LineFields {
  std::string x1;
  std::string y1;
  std::string x2;
  std::string y2;
  std::string x;
  std::string y;
};

struct LineResult {
  enum class Target { kX, kY };
  Target target;     // the field that receives the value
  std::string text;  // "%f"
};

// The message of every input the line cannot answer.
inline constexpr const char* kLineInputError = BASE_TR_NOOP("quorkit", "输入有误!");

// nullopt when a point is incomplete, neither x nor y is given, the line has no slope in
// the direction asked, or the value is beyond the double range.
std::optional<LineResult> Interpolate(const LineFields& fields);

}  // namespace mcu
