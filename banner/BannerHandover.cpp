#include "banner/BannerHandover.h"

namespace banner {

BannerHandover::Step BannerHandover::Tick() {
  if (ticks_ < kCountedTicks) {
    ++ticks_;
    return Step::kWait;
  }
  if (state_ == 2) return Step::kShowFile;
  if (state_ == 1) return Step::kShowFileIfPresent;
  return Step::kWait;
}

}  // namespace banner
