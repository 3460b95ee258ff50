#include "tools/circuit/resparallel.h"

#include <cmath>

#include "base/cnum.h"
#include "base/format.h"
#include "base/text.h"
#include "base/tr.h"

namespace circuit {

std::optional<std::string> ParallelResistance(const std::vector<std::string>& fields) {
  bool any = false;
  bool shorted = false;
  double conductance = 0;
  for (const std::string& field : fields) {
    const std::string trimmed = base::Trim(field);
    if (trimmed.empty()) continue;
    any = true;
    const double r = base::ReadDecimalDouble(trimmed);
    // A short circuit takes the whole set to 0 ohms, even beside a value so close to 0
    // that its own conductance overflows to -infinity.
    if (r == 0) {
      shorted = true;
      continue;
    }
    conductance += 1 / r;
  }
  if (!any) return std::nullopt;
  if (shorted) return base::Format(base::Tr("quorkit", "并联等效电阻：\r\n%f(Ω)"), 0.0);
  // Opposite values cancel to 0; opposite infinite terms give no number at all.
  if (conductance == 0 || std::isnan(conductance)) return base::Tr("quorkit", "输入错误!");
  return base::Format(base::Tr("quorkit", "并联等效电阻：\r\n%f(Ω)"), 1 / conductance);
}

}  // namespace circuit
