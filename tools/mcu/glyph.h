// Dot-matrix glyphs: a character is drawn on a canvas and a rectangle of it (the sampling
// region) is read back as bytes. Drawing happens behind `GlyphCanvas`, so this code stays
// free of the window system.
#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace mcu {

using Rgb = uint32_t;  // 0xRRGGBB
constexpr Rgb kWhite = 0xFFFFFF;
constexpr Rgb kBlack = 0x000000;

// 128 x 128 / 8: the largest matrix the size lists offer.
constexpr int kGlyphBufferSize = 2048;
constexpr int kMaxWidth = 128;
// Characters are drawn with the top-left corner of their cell here.
constexpr int kDrawX = 10;
constexpr int kDrawY = 10;

// The surface and the font a glyph is drawn with.
class GlyphCanvas {
 public:
  virtual ~GlyphCanvas() = default;
  virtual int Width() const = 0;
  virtual int Height() const = 0;
  virtual void Fill(int x, int y, int width, int height, Rgb colour) = 0;
  virtual Rgb Pixel(int x, int y) const = 0;  // inside the canvas only
  // Pixels x .. x + count - 1 of row y, all inside the canvas.
  virtual void ReadRow(int x, int y, int count, Rgb* out) const = 0;
  virtual void SetPixel(int x, int y, Rgb colour) = 0;
  // Draws one character (UTF-8) in black with the top-left corner of its cell at (x, y), the
  // cell painted white.
  virtual void DrawCharacter(const std::string& utf8, int x, int y) = 0;
  // A fresh canvas drawing with the same font, for another thread to sample on while this one
  // is in use (fonts and painters serve one thread at a time); nullptr when there is none,
  // and callers then draw everything here.
  virtual std::unique_ptr<GlyphCanvas> NewCanvas() const { return nullptr; }
};

// Right and bottom are exclusive.
struct Region {
  int32_t left = 10;
  int32_t top = 10;
  int32_t right = 26;
  int32_t bottom = 26;
  int32_t Width() const { return right - left; }
  int32_t Height() const { return bottom - top; }
};

// Matrix sizes of the width and height lists, by list index.
constexpr int kWidths[] = {8, 12, 16, 24, 32, 48, 64, 128};
constexpr int kHeights[] = {8, 16, 24, 32, 48, 64, 128};
// The move buttons keep the region's left and top within 0..kMaxOffset.
constexpr int kMaxOffset = 20;

enum class Move { kUp, kDown, kLeft, kRight };

// Ink: mean brightness strictly below the threshold.
inline bool IsInk(Rgb colour, int threshold) {
  const int sum = static_cast<int>((colour >> 16) & 0xFF) + static_cast<int>((colour >> 8) & 0xFF) +
                  static_cast<int>(colour & 0xFF);
  return sum < 3 * threshold;
}

// Splits CP936 bytes into characters: a byte of 80h or above takes the byte after it; one
// that ends the text stands alone.
std::vector<std::string> SplitCharacters(const std::string& cp936);

uint8_t ReverseBits(uint8_t byte);

// A typed width read as strtol reads it, held to 0..kMaxWidth so that no record outgrows
// the glyph buffer.
int32_t ReadWidth(const std::string& text);

class GlyphSampler {
 public:
  explicit GlyphSampler(GlyphCanvas& canvas) : canvas_(canvas) {}

  Region& region() { return region_; }
  const Region& region() const { return region_; }
  const GlyphCanvas& canvas() const { return canvas_; }
  int threshold() const { return threshold_; }
  void set_threshold(int threshold) { threshold_ = threshold; }

  // Size changes keep the region's top-left corner. An index outside the list changes nothing.
  void SetWidth(int32_t width) { region_.right = region_.left + width; }
  void SetWidthIndex(int index);
  void SetHeightIndex(int index);
  // Moves the region one pixel, keeping its size; a move past the limits is ignored.
  void MoveRegion(Move move);

  // Bytes a character yields: (height div 8) x width, 0 when either is not positive or the
  // record would not fit the glyph buffer.
  int RecordSize() const;
  // Draws the character (CP936 bytes) and reads the region into the buffer: bands of 8 rows
  // from the top, a byte per column from the left, the top pixel in bit 0.
  int Sample(const std::string& cp936);
  // The same for a character already in UTF-8.
  int SampleText(const std::string& utf8);
  const uint8_t* bytes() const { return buffer_.data(); }

  // Reads a pixel as the sampler does: outside the canvas is background.
  bool InkAt(int x, int y) const;

  // The character the preview shows for the input text (UTF-8): "字" for a blank field,
  // otherwise the first character.
  static std::string PreviewCharacter(const std::string& utf8);
  // The whole canvas white, the character drawn, the frame around the region.
  void DrawPreview(const std::string& cp936);
  // The region thresholded to pure black and white, then the frame.
  void DrawThresholdedPreview(const std::string& cp936);

  // The code text of an input text (UTF-8): per character a header line and its bytes,
  // sixteen to a line.
  std::string CodeText(const std::string& utf8, bool reverse_bits);

 private:
  void DrawFrame();

  GlyphCanvas& canvas_;
  Region region_;
  int threshold_ = 200;
  std::array<uint8_t, kGlyphBufferSize> buffer_{};
  std::vector<Rgb> row_;
};

}  // namespace mcu
