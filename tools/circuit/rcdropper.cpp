#include "tools/circuit/rcdropper.h"

#include "base/cnum.h"
#include "base/format.h"
#include "base/text.h"
#include "base/tr.h"

namespace circuit {

DropperResult RcDropper(const std::string& c_field, const std::string& vo_field) {
  const std::string c_text = base::Trim(c_field);
  if (c_text.empty()) return {base::Tr("quorkit", "请输入电容值!"), "", ""};
  const double c = base::ReadDecimalDouble(c_text);
  if (c <= 0) return {base::Tr("quorkit", "请正确输入电容值!"), "", ""};
  const double vo = base::ReadDecimalDouble(base::Trim(vo_field));
  if (vo < 0 || vo > 100) return {base::Tr("quorkit", "请正确输入电压值!"), "", ""};
  const double xc = 1000 / (c * 314);  // kilo-ohms at 50 Hz
  const double i = (220 - vo) / xc;    // mA
  const double p = i * vo / 1000;      // W
  return {"", base::Format("%.2f", i), base::Format("%.2f", p)};
}

}  // namespace circuit
