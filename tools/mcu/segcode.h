// Seven-segment code generator: the code bytes of digit patterns under a chosen wiring of
// segments to port bits, and the segment hit areas of the digit picture.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace mcu {

// Segment indices: a = 0, b = 1, ..., g = 6, dp = 7.
constexpr int kSegmentCount = 8;

// For each segment index the bit (0 to 7) the segment occupies in a code byte.
using SegmentBitMap = std::array<int, kSegmentCount>;

// Segment k on bit k.
SegmentBitMap DefaultSegmentBitMap();

// True when every segment sits on a bit 0 to 7 and no two share one.
bool IsSegmentBitMapValid(const SegmentBitMap& map);

// The code byte of the lit segments (bit k of `lit` for segment k); complemented when
// `invert` is set.
uint8_t SegmentCode(uint8_t lit, const SegmentBitMap& map, bool invert);

// Lit segments of the sixteen hexadecimal digits 0 to 9, A, b, C, d, E, F.
const std::array<uint8_t, 16>& DigitPatterns();

// The C table of the sixteen digit codes.
std::string StandardCodeTable(const SegmentBitMap& map, bool invert);

// The #define line of one custom pattern.
std::string CustomCodeLine(uint8_t lit, const SegmentBitMap& map, bool invert);

// A rectangle of picture pixels, both ends included.
struct PixelArea {
  int left, top, right, bottom;
  bool Contains(int x, int y) const { return x >= left && x <= right && y >= top && y <= bottom; }
};

// Where each segment lies on the 84 x 97 digit picture, in segment order.
const std::array<PixelArea, kSegmentCount>& SegmentAreas();

// The first segment whose area holds pixel (x, y), or -1.
int SegmentAt(int x, int y);

extern const char kSegmentUsageText[];
extern const char kSegmentBitClashMessage[];

}  // namespace mcu
