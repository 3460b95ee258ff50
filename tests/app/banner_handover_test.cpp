// The banner hand-over: ticks in, what to show out.
#include <gtest/gtest.h>

#include <vector>

#include "banner/BannerHandover.h"

namespace {

using Step = banner::BannerHandover::Step;

// Steps of `ticks` ticks, with the worker answering `saved` just before tick `answer_at`
// (1-based; 0 for never).
std::vector<Step> Steps(int ticks, int answer_at, bool saved) {
  banner::BannerHandover handover;
  std::vector<Step> steps;
  for (int tick = 1; tick <= ticks; ++tick) {
    if (tick == answer_at) handover.WorkerAnswered(saved);
    steps.push_back(handover.Tick());
  }
  return steps;
}

TEST(BannerHandover, LooksFromTheTenthTickOn) {
  const std::vector<Step> early = Steps(10, 1, true);
  for (size_t i = 0; i < 9; ++i) EXPECT_EQ(early[i], Step::kWait) << i;
  EXPECT_EQ(early[9], Step::kShowFile);
  EXPECT_EQ(Steps(10, 3, false)[9], Step::kShowFileIfPresent);
  // An answer after the tenth tick is acted on at the next tick.
  const std::vector<Step> late = Steps(14, 14, true);
  EXPECT_EQ(late[12], Step::kWait);
  EXPECT_EQ(late[13], Step::kShowFile);
  // No answer: it keeps waiting, and the counter stays at nine.
  banner::BannerHandover handover;
  for (int i = 0; i < 30; ++i) EXPECT_EQ(handover.Tick(), Step::kWait);
  EXPECT_EQ(handover.ticks(), 9);
  EXPECT_EQ(handover.state(), 0);
  handover.WorkerAnswered(false);
  handover.WorkerAnswered(true);  // a later answer wins
  EXPECT_EQ(handover.Tick(), Step::kShowFile);
}

}  // namespace
