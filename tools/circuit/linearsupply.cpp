#include "tools/circuit/linearsupply.h"

#include <cmath>

#include "base/cnum.h"
#include "base/format.h"
#include "base/tr.h"

namespace circuit {

LinearSupplyResult LinearSupply(const LinearSupplyFields& fields) {
  const double up = base::ReadDecimalDouble(fields.up);
  const double down = base::ReadDecimalDouble(fields.down);
  // A mains drop of 100 % or more leaves no supply to size.
  if (up < 0 || down < 0 || down >= 100)
    return {base::Tr("quorkit", "输入电压波动范围输入异常!"), ""};
  const double vt = base::ReadDecimalDouble(fields.voltage);
  if (vt <= 0) return {base::Tr("quorkit", "输入变压器电压异常!"), ""};

  const double mains_max = 220 + 220 * up / 100;
  const double mains_min = 220 - 220 * down / 100;
  std::string text = base::Format(
      base::Tr("quorkit", "初级输入电压范围(V):\r\n%.1f - %.1f\r\n\r\n"), mains_max, mains_min);

  const double v_max = vt + vt * up / 100;
  const double v_min = vt - vt * down / 100;
  text += base::Format(base::Tr("quorkit", "次级峰值(直流空载)电压范围(V):\r\n%.2f - %.2f\r\n\r\n"),
                       std::sqrt(2.0) * v_max, std::sqrt(2.0) * v_min);

  const double dc_max = 1.2 * v_max;
  const double dc_min = 1.2 * v_min;
  text += base::Format(base::Tr("quorkit", "直流额定负载电压范围(V):\r\n%.2f - %.2f\r\n\r\n"),
                       dc_max, dc_min);

  const double current = base::ReadDecimalDouble(fields.current);
  if (current > 0) {
    const double load = dc_min / current;  // the load at the lowest loaded voltage
    const double capacitance = 144 / (0.67 * 50 * load) * 1000;
    text += base::Format(base::Tr("quorkit", "滤波电容 > %.0f (uF)\r\n"), capacitance);
  }
  return {"", text};
}

}  // namespace circuit
