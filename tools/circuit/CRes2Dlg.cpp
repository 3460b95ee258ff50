#include "tools/circuit/CRes2Dlg.h"

#include "tools/circuit/resparallel.h"

namespace {
constexpr int kResistors[] = {1001, 1002, 1003, 1005};
constexpr int kResult = 1006;
}  // namespace

CRes2Dlg::CRes2Dlg() : Dialog(157) {}

void CRes2Dlg::OnOK() {
  std::vector<std::string> fields;
  for (int id : kResistors) fields.push_back(GetText(id));
  if (const auto text = circuit::ParallelResistance(fields)) SetText(kResult, *text);
}
