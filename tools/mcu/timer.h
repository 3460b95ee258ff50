// Timer delay calculator: from the clock, the prescaler and the timer width, the overflow
// value and overflow count that make up a delay, or what a given overflow value does.
#pragma once

#include <string>

namespace mcu {

enum class TimerWidth { k8Bit, k16Bit };
enum class TimeUnit { kMs, kUs, kS, kHz };

// Prescaler of list item `index` (0: 1, 1: 2, ... 10: 1024).
int TimerPrescaler(int index);

struct TimerFields {
  TimerWidth width = TimerWidth::k8Bit;
  std::string clock;  // Hz
  int prescaler_index = 0;
  std::string overflow_value;
  std::string time;
  TimeUnit unit = TimeUnit::kMs;
};

struct TimerOutcome {
  enum class Kind {
    kNothing,  // silent stop, the result field keeps its text
    kMessage,  // a message box titled "提示"
    kResult,   // the new result text
  };
  Kind kind = Kind::kNothing;
  std::string text;
};

TimerOutcome ComputeTimer(const TimerFields& fields);

}  // namespace mcu
