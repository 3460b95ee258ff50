#include "tools/circuit/respower.h"

#include <cmath>

#include "base/cnum.h"
#include "base/format.h"
#include "base/tr.h"

namespace circuit {

namespace {

std::string Text(double value) {
  return base::Format("%f", value);
}

PowerResult Message(const char* text) {
  return {text, {}, {}, {}, {}};
}

}  // namespace

PowerResult ResistorPower(const PowerFields& fields) {
  const base::Field v = base::ReadField(fields.v);
  const base::Field i = base::ReadField(fields.i);
  const base::Field r = base::ReadField(fields.r);
  const base::Field p = base::ReadField(fields.p);
  PowerResult result;
  if (!p.given && v.given && r.given) {
    if (!(r.value > 0))
      return Message(base::Tr("quorkit", "通过电压和电阻计算功率和电流时，发现电阻值异常！"));
    result.i = Text(v.value / r.value);
    result.p = Text(v.value * v.value / r.value);
  } else if (!p.given && v.given && i.given) {
    if (i.value == 0)
      return Message(base::Tr("quorkit", "通过电压和电流计算功率和电阻时，发现电流值异常！"));
    result.r = Text(v.value / i.value);
    result.p = Text(v.value * i.value);
  } else if (!p.given && i.given && r.given) {
    if (!(r.value > 0))
      return Message(base::Tr("quorkit", "通过电阻和电流计算功率和电压时，发现电阻值异常！"));
    result.v = Text(i.value * r.value);
    result.p = Text(i.value * i.value * r.value);
  } else if (p.given && i.given) {
    if (!(p.value > 0))
      return Message(base::Tr("quorkit", "通过功率和电流计算电压和电阻时，发现功率值异常！"));
    if (i.value == 0)
      return Message(base::Tr("quorkit", "通过功率和电流计算电压和电阻时，发现电流值异常！"));
    const double voltage = p.value / i.value;
    result.v = Text(voltage);
    result.r = Text(voltage / i.value);
  } else if (p.given && v.given) {
    if (!(p.value > 0))
      return Message(base::Tr("quorkit", "通过功率和电压计算电流和电阻时，发现功率值异常！"));
    if (v.value == 0)
      return Message(base::Tr("quorkit", "通过功率和电压计算电流和电阻时，发现电压值异常！"));
    const double current = p.value / v.value;
    result.i = Text(current);
    result.r = Text(v.value / current);
  } else if (p.given && r.given) {
    if (!(p.value > 0))
      return Message(base::Tr("quorkit", "通过功率和电阻计算电流和电压时，发现功率值异常！"));
    if (!(r.value > 0))
      return Message(base::Tr("quorkit", "通过功率和电阻计算电流和电压时，发现电阻值异常！"));
    const double current = std::sqrt(p.value / r.value);
    result.v = Text(r.value * current);
    result.i = Text(current);
  } else {
    return Message(base::Tr("quorkit", "请至少给出两个参数!"));
  }
  return result;
}

}  // namespace circuit
