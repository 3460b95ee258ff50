#include "banner/picturecheck.h"

#include <algorithm>

namespace banner {

namespace {

int64_t Area(int width, int height) {
  return static_cast<int64_t>(width) * height;
}

uint32_t Read32(const uint8_t* p) {
  return static_cast<uint32_t>(p[0]) | (static_cast<uint32_t>(p[1]) << 8) |
         (static_cast<uint32_t>(p[2]) << 16) | (static_cast<uint32_t>(p[3]) << 24);
}

// True when the walk from `pos` over application and comment extensions reaches a trailer.
bool TrailerFollows(const uint8_t* data, size_t size, size_t pos) {
  for (;;) {
    const gif::BlockKind kind = gif::KindAt(data, size, pos);
    if (kind == gif::BlockKind::kTrailer) return true;
    if (kind != gif::BlockKind::kApplication && kind != gif::BlockKind::kComment) return false;
    const size_t length = gif::BlockLength(data, size, pos);
    if (length == 0) return false;
    pos += length;
  }
}

}  // namespace

GifPlan PlanGif(const uint8_t* data, size_t size) {
  GifPlan plan;
  gif::Walker walker(data, size);
  if (!walker.IsGif()) return plan;
  plan.width = walker.ScreenWidth();
  plan.height = walker.ScreenHeight();
  if (plan.width <= 0 || plan.height <= 0 || plan.width > kMaxGifSide ||
      plan.height > kMaxGifSide) {
    plan.verdict = GifPlan::Verdict::kScreen;
    return plan;
  }
  size_t end = walker.FirstBlock();
  int64_t largest = 0;
  int64_t largest_saved = 0;
  gif::Frame head;
  while (walker.NextFrameHead(&head)) {
    if (++plan.graphic_blocks > kMaxGifFrames) {
      plan.verdict = GifPlan::Verdict::kTooManyFrames;
      plan.frames.clear();
      return plan;
    }
    end = head.span_end;
    // A frame without an image rectangle (plain text) cannot be placed.
    if (head.width <= 0 || head.height <= 0) continue;
    largest = std::max(largest, Area(head.width, head.height));
    if (head.disposal == 3) largest_saved = std::max(largest_saved, Area(head.width, head.height));
    plan.frames.push_back(head);
  }
  plan.has_trailer = TrailerFollows(data, size, end);
  if (plan.frames.empty()) {
    plan.verdict = GifPlan::Verdict::kNoFrames;
    return plan;
  }
  // One graphic block is decoded whole, at the size of the screen; several are decoded
  // one frame at a time, each at its own size.
  const int64_t screen = Area(plan.width, plan.height);
  const int64_t decoded = plan.graphic_blocks == 1 ? screen : largest;
  plan.peak_bytes = 4 * (screen + decoded + (plan.graphic_blocks == 1 ? 0 : largest_saved));
  plan.verdict = decoded > kMaxDecodePixels || plan.peak_bytes > kMaxPictureBytes
                     ? GifPlan::Verdict::kTooBig
                     : GifPlan::Verdict::kOk;
  return plan;
}

bool BmpFits(const uint8_t* data, size_t size, int* width, int* height) {
  // File header (14 bytes), then the size of the info header that follows.
  if (data == nullptr || size < 26 || data[0] != 'B' || data[1] != 'M') return false;
  const uint32_t info = Read32(data + 14);
  int64_t w = 0;
  int64_t h = 0;
  if (info == 12) {  // the old core header: 16-bit sides
    w = data[18] | (data[19] << 8);
    h = data[20] | (data[21] << 8);
  } else if (info >= 40 && size >= 26) {
    w = static_cast<int32_t>(Read32(data + 18));
    h = static_cast<int32_t>(Read32(data + 22));
    if (h < 0) h = -h;  // stored top-down
  } else {
    return false;
  }
  if (w <= 0 || h <= 0 || w > 65535 || h > 65535) return false;
  if (w * h > kMaxDecodePixels) return false;
  *width = static_cast<int>(w);
  *height = static_cast<int>(h);
  return true;
}

bool IsShowablePicture(const uint8_t* data, size_t size, const PictureDecoder& decode) {
  if (data == nullptr || size == 0) return false;
  if (size >= 2 && data[0] == 'B' && data[1] == 'M') {
    int width = 0;
    int height = 0;
    if (!BmpFits(data, size, &width, &height)) return false;
    return !decode || decode(data, size);
  }
  const GifPlan plan = PlanGif(data, size);
  if (plan.verdict != GifPlan::Verdict::kOk || !plan.has_trailer) return false;
  if (!decode) return true;
  if (plan.graphic_blocks == 1) return decode(data, size);
  gif::Walker walker(data, size);
  for (const gif::Frame& frame : plan.frames) {
    const std::vector<uint8_t> local = walker.CutLocal(frame);
    if (!local.empty() && decode(local.data(), local.size())) return true;
  }
  return false;
}

}  // namespace banner
