// What the picture control agrees to show, worked out without a window system: the limits
// that keep a hostile picture from freezing or bloating the program, the plan of an animated
// GIF (its frames, without decoding them), and the check that the download worker applies
// before a body may replace the banner file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

#include "banner/gifwalk.h"

namespace banner {

// A GIF whose logical screen is wider or higher than this, or that holds more graphic
// blocks than this, is refused.
constexpr int kMaxGifSide = 4096;
constexpr int kMaxGifFrames = 4096;
// Decoded pixels that showing one picture may hold at a time (canvas, decoded picture or
// frame, saved area), at four bytes a pixel.
constexpr int64_t kMaxPictureBytes = int64_t{64} * 1024 * 1024;
// Pixels of one picture or frame decoded in one go (2048 x 2048): the decode that a load
// runs on the user-interface thread then stays well within 100 ms.
constexpr int64_t kMaxDecodePixels = int64_t{4} * 1024 * 1024;

struct GifPlan {
  enum class Verdict {
    kOk,
    kNotGif,         // no signature or no logical screen descriptor
    kScreen,         // a side of 0 or over kMaxGifSide
    kTooManyFrames,  // more than kMaxGifFrames graphic blocks
    kNoFrames,       // no graphic block with an image rectangle
    kTooBig,         // over kMaxDecodePixels in one go, or over kMaxPictureBytes in all
  };
  Verdict verdict = Verdict::kNotGif;
  int width = 0;
  int height = 0;
  int graphic_blocks = 0;
  // The graphic blocks with an image rectangle, in file order, as NextFrameHead gives them.
  std::vector<gif::Frame> frames;
  // The walk ended on a trailer (after optional application and comment extensions).
  bool has_trailer = false;
  // Bytes held while showing the picture: canvas, one decoded picture, saved area.
  int64_t peak_bytes = 0;
};

// Walks the GIF once; stops early when a limit is passed.
GifPlan PlanGif(const uint8_t* data, size_t size);

// Whether a BMP's header announces a picture that fits the limits (both sides 1 to
// 65535, at most kMaxDecodePixels); gives its size.
bool BmpFits(const uint8_t* data, size_t size, int* width, int* height);

// Decodes a whole picture held in memory with the window system's loader; true when it
// decodes. Must be safe to call on any thread.
using PictureDecoder = std::function<bool(const uint8_t* data, size_t size)>;

// A body that may replace the banner: a GIF with its header, its trailer and at least one
// image that decodes, within the limits above; or a BMP that decodes within them. Without a
// decoder only the layout is checked.
bool IsShowablePicture(const uint8_t* data, size_t size, const PictureDecoder& decode);

}  // namespace banner
