#include "tools/mcu/timer.h"

#include <cmath>
#include <cstdint>

#include "base/cnum.h"
#include "base/format.h"
#include "base/text.h"
#include "base/tr.h"

namespace mcu {

namespace {

// Counts are unsigned 32-bit numbers; a longer count is refused rather than wrapped.
constexpr double kMaxCount = 4294967295.0;

TimerOutcome Message(const char* text) {
  return {TimerOutcome::Kind::kMessage, text};
}
TimerOutcome Result(std::string text) {
  return {TimerOutcome::Kind::kResult, std::move(text)};
}

double ToMilliseconds(double x, TimeUnit unit) {
  switch (unit) {
    case TimeUnit::kMs:
      return x;
    case TimeUnit::kUs:
      return x / 1000;
    case TimeUnit::kS:
      return x * 1000;
    case TimeUnit::kHz:
      break;
  }
  return 1000 / x;
}

// Overflow value and time: how many overflows.
TimerOutcome OverflowCount(double range, double fc, int32_t v, double t) {
  const double period = v * 1000.0 / fc;
  double k = std::trunc(t / period);
  const auto actual = [&](double count) { return count * v * 1000 / fc; };
  if (std::fabs(actual(k + 1) - t) < std::fabs(actual(k) - t)) k += 1;
  if (v > range) return Message(base::Tr("quorkit", "溢出值超出了范围！"));
  if (1000 / fc > t) return Message(base::Tr("quorkit", "延时时间小于一个计数周期！"));
  if (!(k <= kMaxCount)) return Message(base::Tr("quorkit", "延时时间超出计算范围！"));
  const double a = actual(k);
  return Result(base::Format(base::Tr("quorkit", "溢出次数：%u\r\n"), static_cast<uint32_t>(k)) +
                base::Format(base::Tr("quorkit", "实际延时：%f(ms)\r\n"), a) +
                base::Format(base::Tr("quorkit", "延时误差：%f(ms)\r\n\r\n"), std::fabs(t - a)) +
                base::Format(base::Tr("quorkit", "计数频率:%f(Hz)\r\n"), fc) +
                base::Format(base::Tr("quorkit", "计数周期：%f(ms)\r\n"), 1000 / fc) +
                base::Format(base::Tr("quorkit", "溢出频率:%f(Hz)\r\n"), fc / v) +
                base::Format(base::Tr("quorkit", "溢出周期:%f(ms)\r\n"), period) +
                base::Tr("quorkit", "\r\n-算法1"));
}

// Overflow value only: what the timer does.
TimerOutcome TimerRates(double range, double fc, int32_t v) {
  if (v > range) return Message(base::Tr("quorkit", "溢出值超出了计数范围!"));
  return Result(base::Format(base::Tr("quorkit", "计数频率:%f(Hz)\r\n"), fc) +
                base::Format(base::Tr("quorkit", "计数周期：%f(ms)\r\n"), 1000 / fc) +
                base::Format(base::Tr("quorkit", "溢出频率:%f(Hz)\r\n"), fc / v) +
                base::Format(base::Tr("quorkit", "溢出周期:%f(ms)\r\n"), v * 1000.0 / fc) +
                base::Tr("quorkit", "\r\n-算法2"));
}

// Time only, within one overflow.
TimerOutcome SingleOverflow(double fc, double p, double t) {
  const auto n = static_cast<uint32_t>(std::trunc(t / p));
  const double a = n * 1000.0 / fc;
  return Result(base::Format(base::Tr("quorkit", "溢出值：%u(0x%X)\r\n溢出次数：1\r\n"), n, n) +
                base::Format(base::Tr("quorkit", "实际延时：%f(ms)\r\n"), a) +
                base::Format(base::Tr("quorkit", "延时误差：%f(ms)\r\n\r\n"), std::fabs(t - a)) +
                base::Format(base::Tr("quorkit", "计数频率：%f(Hz)\r\n"), fc) +
                base::Format(base::Tr("quorkit", "计数周期：%f(ms)\r\n"), p) +
                base::Format(base::Tr("quorkit", "溢出频率：%f(Hz)\r\n"), fc / n) +
                base::Format(base::Tr("quorkit", "溢出周期：%f(ms)\r\n"), a) +
                base::Tr("quorkit", "\r\n-算法4"));
}

// Time only, several overflows: the overflow value that divides the total count best,
// the largest among equal remainders.
TimerOutcome SeveralOverflows(uint32_t range, double fc, double p, double t) {
  const double total = std::trunc(t / p);
  if (!(total <= kMaxCount)) return Message(base::Tr("quorkit", "延时时间超出计算范围！"));
  const auto n = static_cast<uint32_t>(total);
  uint32_t d = 10;
  uint32_t best = n % d;
  for (uint32_t candidate = 11; candidate < range; ++candidate) {
    const uint32_t remainder = n % candidate;
    if (remainder <= best) {
      best = remainder;
      d = candidate;
    }
  }
  const uint32_t c = n / d;
  const double a = static_cast<double>(c) * d / (fc / 1000);
  return Result(base::Format(base::Tr("quorkit", "溢出值：%u(0x%X)\r\n"), d, d) +
                base::Format(base::Tr("quorkit", "溢出次数：%u\r\n"), c) +
                base::Format(base::Tr("quorkit", "实际延时：%f(ms)\r\n"), a) +
                base::Format(base::Tr("quorkit", "延时误差：%f(ms)\r\n\r\n"), std::fabs(t - a)) +
                base::Format(base::Tr("quorkit", "计数频率：%f(Hz)\r\n"), fc) +
                base::Format(base::Tr("quorkit", "计数周期：%f(ms)\r\n"), p) +
                base::Format(base::Tr("quorkit", "溢出频率：%f(Hz)\r\n"), fc / d) +
                base::Format(base::Tr("quorkit", "溢出周期：%f(ms)\r\n"), d * 1000.0 / fc) +
                base::Tr("quorkit", "\r\n-算法3"));
}

}  // namespace

int TimerPrescaler(int index) {
  if (index < 0 || index > 10) return 1;
  return 1 << index;
}

TimerOutcome ComputeTimer(const TimerFields& fields) {
  const uint32_t range = fields.width == TimerWidth::k8Bit ? 256 : 65536;

  const std::string clock_text = base::Trim(fields.clock);
  if (clock_text.empty()) return Message(base::Tr("quorkit", "请输入时钟频率！"));
  const double clock = base::ReadDecimalDouble(clock_text);
  // A negative or unbounded clock has no count period to speak of.
  if (!(clock > 0) || std::isinf(clock))
    return Message(base::Tr("quorkit", "请正确输入时钟频率！"));
  const double fc = clock / TimerPrescaler(fields.prescaler_index);

  const std::string value_text = base::Trim(fields.overflow_value);
  const int32_t v = base::ReadLong(value_text);
  const bool has_value = !value_text.empty() && v > 0;

  const std::string time_text = base::Trim(fields.time);
  const bool has_time = !time_text.empty();
  double t = 0;
  if (has_time) {
    const double x = base::ReadDecimalDouble(time_text);
    if (!(x > 0)) return {};
    t = ToMilliseconds(x, fields.unit);
  }

  if (has_value && has_time) return OverflowCount(range, fc, v, t);
  if (has_value) return TimerRates(range, fc, v);
  if (!has_time) return {};

  const double p = 1000 / fc;
  if (t < p) return Message(base::Tr("quorkit", "延时时间小于一个计数周期！"));
  if (t <= 1000.0 * range / fc) return SingleOverflow(fc, p, t);
  return SeveralOverflows(range, fc, p, t);
}

}  // namespace mcu
