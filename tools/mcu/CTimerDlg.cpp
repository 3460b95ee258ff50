#include "tools/mcu/CTimerDlg.h"

#include "base/format.h"
#include "base/tr.h"
#include "tools/mcu/timer.h"

namespace {
constexpr int kWidth = 1043;
constexpr int kClock = 1001;
constexpr int kPrescaler = 1012;
constexpr int kOverflowValue = 1002;
constexpr int kTime = 1003;
constexpr int kUnit = 1013;
constexpr int kResult = 1005;
}  // namespace

CTimerDlg::CTimerDlg() : Dialog(161) {}

void CTimerDlg::OnInitDialog() {
  AddString(kWidth, base::Tr("quorkit", "8位"));
  AddString(kWidth, base::Tr("quorkit", "16位"));
  SetCurSel(kWidth, 0);
  AddString(kPrescaler, base::Tr("quorkit", "不分频"));
  for (int i = 1; i <= 10; ++i) {
    AddString(kPrescaler, base::Format(base::Tr("quorkit", "%d分频"), mcu::TimerPrescaler(i)));
  }
  SetCurSel(kPrescaler, 0);
  for (const char* item : {"ms", "us", "s", "Hz"}) AddString(kUnit, item);
  SetCurSel(kUnit, 0);
  SetText(kResult, base::Tr("quorkit",
                            "说明：\r\n[溢出值]和[溢出时间]中任意一个\r\n可不填，也可两个都填！"));
}

void CTimerDlg::OnOK() {
  mcu::TimerFields fields;
  fields.width = GetCurSel(kWidth) == 0 ? mcu::TimerWidth::k8Bit : mcu::TimerWidth::k16Bit;
  fields.clock = GetText(kClock);
  fields.prescaler_index = GetCurSel(kPrescaler);
  fields.overflow_value = GetText(kOverflowValue);
  fields.time = GetText(kTime);
  fields.unit = static_cast<mcu::TimeUnit>(GetCurSel(kUnit));
  const mcu::TimerOutcome outcome = mcu::ComputeTimer(fields);
  switch (outcome.kind) {
    case mcu::TimerOutcome::Kind::kMessage:
      MessageBox(outcome.text, base::Tr("quorkit", "提示"));
      break;
    case mcu::TimerOutcome::Kind::kResult:
      SetText(kResult, outcome.text);
      break;
    case mcu::TimerOutcome::Kind::kNothing:
      break;
  }
}
