#include "tools/circuit/CRes2Dlg.h"

#include "tools/circuit/resparallel.h"

namespace id = ui::resistor_parallel;

namespace {
constexpr id::Control kResistors[] = {id::r1, id::r2, id::r3, id::r4};
}  // namespace

CRes2Dlg::CRes2Dlg() = default;

void CRes2Dlg::OnOK() {
  std::vector<std::string> fields;
  for (const id::Control resistor : kResistors) fields.push_back(GetText(resistor));
  if (const auto text = circuit::ParallelResistance(fields)) SetText(id::result, *text);
}
