#include "tools/mcu/CTimerDlg.h"

#include "base/format.h"
#include "base/tr.h"
#include "tools/mcu/timer.h"

namespace id = ui::timer;

CTimerDlg::CTimerDlg() = default;

void CTimerDlg::OnInitDialog() {
  AddString(id::timer_width, base::Tr("quorkit", "8位"));
  AddString(id::timer_width, base::Tr("quorkit", "16位"));
  SetCurSel(id::timer_width, 0);
  AddString(id::prescaler, base::Tr("quorkit", "不分频"));
  for (int i = 1; i <= 10; ++i) {
    AddString(id::prescaler, base::Format(base::Tr("quorkit", "%d分频"), mcu::TimerPrescaler(i)));
  }
  SetCurSel(id::prescaler, 0);
  for (const char* item : {"ms", "us", "s", "Hz"}) AddString(id::time_unit, item);
  SetCurSel(id::time_unit, 0);
  SetText(
      id::result,
      base::Tr("quorkit", "说明：\r\n[溢出值]和[溢出时间]中任意一个\r\n可不填，也可两个都填！"));
}

void CTimerDlg::OnOK() {
  mcu::TimerFields fields;
  fields.width = GetCurSel(id::timer_width) == 0 ? mcu::TimerWidth::k8Bit : mcu::TimerWidth::k16Bit;
  fields.clock = GetText(id::clock);
  fields.prescaler_index = GetCurSel(id::prescaler);
  fields.overflow_value = GetText(id::overflow_value);
  fields.time = GetText(id::overflow_time);
  fields.unit = static_cast<mcu::TimeUnit>(GetCurSel(id::time_unit));
  const mcu::TimerOutcome outcome = mcu::ComputeTimer(fields);
  switch (outcome.kind) {
    case mcu::TimerOutcome::Kind::kMessage:
      MessageBox(outcome.text, base::Tr("quorkit", "提示"));
      break;
    case mcu::TimerOutcome::Kind::kResult:
      SetText(id::result, outcome.text);
      break;
    case mcu::TimerOutcome::Kind::kNothing:
      break;
  }
}
