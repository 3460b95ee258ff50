// libFuzzer target: the GIF block walk and frame extraction on arbitrary bytes. Besides
// memory errors (the sanitizers), it checks that counting and extracting agree and that every
// frame GIF is exactly header, span and trailer, and walks back to the same frame.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "banner/gifwalk.h"

namespace {

void Check(bool condition) {
  if (!condition) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  banner::gif::Walker counter(data, size);
  const int count = counter.CountGraphicBlocks();
  Check(count >= 0 && (counter.IsGif() || count == 0));

  banner::gif::Walker walker(data, size);
  const size_t head = walker.FirstBlock();
  banner::gif::Frame frame;
  int frames = 0;
  size_t previous_end = head;
  while (walker.NextFrame(&frame)) {
    ++frames;
    Check(frame.span_start >= previous_end && frame.span_start < frame.span_end);
    Check(frame.span_end <= size && frame.span_end == walker.Position());
    previous_end = frame.span_end;
    const size_t span = frame.span_end - frame.span_start;
    Check(frame.gif.size() == head + span + 1);
    Check(std::memcmp(frame.gif.data(), data, head) == 0);
    Check(std::memcmp(frame.gif.data() + head, data + frame.span_start, span) == 0);
    Check(frame.gif.back() == 0x3B);
    Check(frame.local_gif.size() == frame.gif.size());
    Check(frame.disposal >= 0 && frame.disposal <= 7);
    Check(frame.delay >= -1 && frame.delay <= 65535);
    Check(banner::gif::FrameDelayMs(frame.delay) >= 100 || frame.delay >= 5);

    // The frame on its own holds exactly one graphic block, with the same properties.
    banner::gif::Walker single(frame.gif.data(), frame.gif.size());
    Check(single.CountGraphicBlocks() == 1);
    banner::gif::Walker local(frame.local_gif.data(), frame.local_gif.size());
    banner::gif::Frame again;
    Check(local.NextFrame(&again));
    Check(again.delay == frame.delay && again.disposal == frame.disposal);
    Check(again.width == frame.width && again.height == frame.height);
    Check(again.left == 0 && again.top == 0);
    Check(!local.NextFrame(&again));
  }
  Check(frames == count);
  return 0;
}
