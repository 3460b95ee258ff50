#include "tools/circuit/capdelay.h"

#include <cmath>

#include "base/cnum.h"
#include "base/format.h"
#include "base/tr.h"

namespace circuit {

CapResult CapacitorDelay(CapMode mode, const CapFields& fields) {
  const double ve = base::ReadField(fields.ve).value;
  const double vx1 = base::ReadField(fields.vx1).value;
  const double vx2 = base::ReadField(fields.vx2).value;
  const double r = base::ReadField(fields.r).value;
  const double c = base::ReadField(fields.c).value / 1000000;  // uF to F
  const double t = base::ReadField(fields.t).value / 1000;     // ms to s

  double factor;
  if (mode == CapMode::kDischarge) {
    if (!(vx2 != 0 && vx1 != 0 && vx1 >= vx2))
      return {base::Tr("quorkit", "请输入正确的电压值!"), CapField::kT, ""};
    factor = std::log(vx1 / vx2);
  } else {
    if (!(vx2 >= vx1 && ve >= vx2 && ve >= vx1))
      return {base::Tr("quorkit", "请输入正确的电压值!"), CapField::kT, ""};
    factor = std::log(1 - vx1 / ve) - std::log(1 - vx2 / ve);
  }

  // R is tested first; a value of 0 counts as missing.
  if (r != 0 && c != 0) return {"", CapField::kT, base::Format("%f", r * c * factor * 1000)};
  if (r != 0 && t != 0) {
    return {"", CapField::kC, base::Format("%f", t / (r * factor) * 1000000)};
  }
  if (c != 0 && t != 0) return {"", CapField::kR, base::Format("%f", t / (c * factor))};
  return {base::Tr("quorkit", "输入参数有误！"), CapField::kT, ""};
}

}  // namespace circuit
