#include "tools/mcu/timer.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using mcu::TimerOutcome;
using mcu::TimerWidth;
using mcu::TimeUnit;
using Kind = TimerOutcome::Kind;

// Result texts come whole from timer_model.py in this folder.

mcu::TimerFields Fields(TimerWidth width, const char* clock, int prescaler, const char* value,
                        const char* time, TimeUnit unit) {
  return {width, clock, prescaler, value, time, unit};
}

TEST(ComputeTimer, ResultTexts) {
  const struct {
    mcu::TimerFields fields;
    const char* text;
  } cases[] = {
      // Several overflows: the largest d dividing 8000 without remainder.
      {Fields(TimerWidth::k8Bit, "8000000", 0, "", "1", TimeUnit::kMs),
       "溢出值：250(0xFA)\r\n溢出次数：32\r\n实际延时：1.000000(ms)\r\n"
       "延时误差：0.000000(ms)\r\n\r\n计数频率：8000000.000000(Hz)\r\n"
       "计数周期：0.000125(ms)\r\n溢出频率：32000.000000(Hz)\r\n溢出周期：0.031250(ms)\r\n"
       "\r\n-算法3"},
      // Exactly the longest single overflow.
      {Fields(TimerWidth::k8Bit, "8000000", 0, "", "0.032", TimeUnit::kMs),
       "溢出值：256(0x100)\r\n溢出次数：1\r\n实际延时：0.032000(ms)\r\n"
       "延时误差：0.000000(ms)\r\n\r\n计数频率：8000000.000000(Hz)\r\n"
       "计数周期：0.000125(ms)\r\n溢出频率：31250.000000(Hz)\r\n溢出周期：0.032000(ms)\r\n"
       "\r\n-算法4"},
      // 1 s at 8 MHz: k * v * 1000 is beyond 32 bits.
      {Fields(TimerWidth::k8Bit, "8000000", 0, "250", "1", TimeUnit::kS),
       "溢出次数：32000\r\n实际延时：1000.000000(ms)\r\n延时误差：0.000000(ms)\r\n\r\n"
       "计数频率:8000000.000000(Hz)\r\n计数周期：0.000125(ms)\r\n"
       "溢出频率:32000.000000(Hz)\r\n溢出周期:0.031250(ms)\r\n\r\n-算法1"},
      // A count above 2^31 is printed unsigned.
      {Fields(TimerWidth::k8Bit, "8000000", 0, "10", "3000", TimeUnit::kS),
       "溢出次数：2400000000\r\n实际延时：3000000.000000(ms)\r\n延时误差：0.000000(ms)\r\n\r\n"
       "计数频率:8000000.000000(Hz)\r\n计数周期：0.000125(ms)\r\n"
       "溢出频率:800000.000000(Hz)\r\n溢出周期:0.001250(ms)\r\n\r\n-算法1"},
      {Fields(TimerWidth::k8Bit, " 8000000 ", 0, " 250 ", "", TimeUnit::kMs),
       "计数频率:8000000.000000(Hz)\r\n计数周期：0.000125(ms)\r\n"
       "溢出频率:32000.000000(Hz)\r\n溢出周期:0.031250(ms)\r\n\r\n-算法2"},
      // Hz: 1000 Hz is 1 ms; an overflow value of 0 counts as absent.
      {Fields(TimerWidth::k8Bit, "8000000", 0, "0", "1000", TimeUnit::kHz),
       "溢出值：250(0xFA)\r\n溢出次数：32\r\n实际延时：1.000000(ms)\r\n"
       "延时误差：0.000000(ms)\r\n\r\n计数频率：8000000.000000(Hz)\r\n"
       "计数周期：0.000125(ms)\r\n溢出频率：32000.000000(Hz)\r\n溢出周期：0.031250(ms)\r\n"
       "\r\n-算法3"},
      // 16 bits: the search goes past 255.
      {Fields(TimerWidth::k16Bit, "16000000", 6, "", "1", TimeUnit::kS),
       "溢出值：62500(0xF424)\r\n溢出次数：4\r\n实际延时：1000.000000(ms)\r\n"
       "延时误差：0.000000(ms)\r\n\r\n计数频率：250000.000000(Hz)\r\n"
       "计数周期：0.004000(ms)\r\n溢出频率：4.000000(Hz)\r\n溢出周期：250.000000(ms)\r\n"
       "\r\n-算法3"},
      // Below half an overflow the count is 0.
      {Fields(TimerWidth::k8Bit, "8000000", 0, "250", "0.01", TimeUnit::kMs),
       "溢出次数：0\r\n实际延时：0.000000(ms)\r\n延时误差：0.010000(ms)\r\n\r\n"
       "计数频率:8000000.000000(Hz)\r\n计数周期：0.000125(ms)\r\n"
       "溢出频率:32000.000000(Hz)\r\n溢出周期:0.031250(ms)\r\n\r\n-算法1"},
  };
  for (const auto& c : cases) {
    const TimerOutcome outcome = mcu::ComputeTimer(c.fields);
    EXPECT_EQ(outcome.kind, Kind::kResult) << c.text;
    EXPECT_EQ(outcome.text, c.text);
  }
}

TEST(ComputeTimer, MessagesAndSilentStops) {
  const struct {
    mcu::TimerFields fields;
    Kind kind;
    const char* text;
  } cases[] = {
      {Fields(TimerWidth::k8Bit, " ", 0, "", "1", TimeUnit::kMs), Kind::kMessage,
       "请输入时钟频率！"},
      {Fields(TimerWidth::k8Bit, "0", 0, "", "1", TimeUnit::kMs), Kind::kMessage,
       "请正确输入时钟频率！"},
      {Fields(TimerWidth::k8Bit, "MHz", 0, "", "1", TimeUnit::kMs), Kind::kMessage,
       "请正确输入时钟频率！"},
      {Fields(TimerWidth::k8Bit, "-8000000", 0, "", "1", TimeUnit::kMs), Kind::kMessage,
       "请正确输入时钟频率！"},
      {Fields(TimerWidth::k8Bit, "1e999", 0, "", "1", TimeUnit::kMs), Kind::kMessage,
       "请正确输入时钟频率！"},
      {Fields(TimerWidth::k8Bit, "8000000", 0, "", "0.0001", TimeUnit::kMs), Kind::kMessage,
       "延时时间小于一个计数周期！"},
      {Fields(TimerWidth::k8Bit, "8000000", 3, "100", "0.0005", TimeUnit::kMs), Kind::kMessage,
       "延时时间小于一个计数周期！"},
      {Fields(TimerWidth::k8Bit, "8000000", 0, "257", "1", TimeUnit::kMs), Kind::kMessage,
       "溢出值超出了范围！"},
      {Fields(TimerWidth::k16Bit, "8000000", 0, "65537", "", TimeUnit::kMs), Kind::kMessage,
       "溢出值超出了计数范围!"},
      // Totals beyond 32 bits, in both ways of counting.
      {Fields(TimerWidth::k16Bit, "8000000", 0, "", "3600", TimeUnit::kS), Kind::kMessage,
       "延时时间超出计算范围！"},
      {Fields(TimerWidth::k8Bit, "8000000", 0, "10", "10000", TimeUnit::kS), Kind::kMessage,
       "延时时间超出计算范围！"},
      {Fields(TimerWidth::k8Bit, "8000000", 0, "", "1e-12", TimeUnit::kHz), Kind::kMessage,
       "延时时间超出计算范围！"},
      {Fields(TimerWidth::k8Bit, "8000000", 0, "", "1e999", TimeUnit::kMs), Kind::kMessage,
       "延时时间超出计算范围！"},
      {Fields(TimerWidth::k8Bit, "8000000", 0, "250", "0", TimeUnit::kMs), Kind::kNothing, ""},
      {Fields(TimerWidth::k8Bit, "8000000", 0, "", "-1", TimeUnit::kMs), Kind::kNothing, ""},
      {Fields(TimerWidth::k8Bit, "8000000", 0, "", "ms", TimeUnit::kMs), Kind::kNothing, ""},
      {Fields(TimerWidth::k8Bit, "8000000", 0, "-3", "", TimeUnit::kMs), Kind::kNothing, ""},
  };
  for (const auto& c : cases) {
    const TimerOutcome outcome = mcu::ComputeTimer(c.fields);
    EXPECT_EQ(outcome.kind, c.kind) << c.fields.clock << " " << c.fields.time;
    EXPECT_EQ(outcome.text, c.text) << c.fields.clock << " " << c.fields.time;
  }
}

}  // namespace
