// A canvas of plain pixels whose "font" draws fixed patterns, for sampler tests.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "tools/mcu/glyph.h"

namespace mcu::testing {

struct Dot {
  int x;
  int y;
  Rgb colour = kBlack;
};

class FakeCanvas : public GlyphCanvas {
 public:
  FakeCanvas(int width, int height)
      : width_(width), height_(height), pixels_(static_cast<size_t>(width * height), kWhite) {}

  int Width() const override { return width_; }
  int Height() const override { return height_; }
  void Fill(int x, int y, int width, int height, Rgb colour) override {
    for (int row = y; row < y + height; ++row) {
      for (int column = x; column < x + width; ++column) SetPixel(column, row, colour);
    }
  }
  Rgb Pixel(int x, int y) const override {
    if (!Inside(x, y)) {
      ++outside_reads;
      return kBlack;  // a sampler that reads here would see ink
    }
    return pixels_[static_cast<size_t>(y * width_ + x)];
  }
  void ReadRow(int x, int y, int count, Rgb* out) const override {
    for (int i = 0; i < count; ++i) out[i] = Pixel(x + i, y);
  }
  void SetPixel(int x, int y, Rgb colour) override {
    if (Inside(x, y)) pixels_[static_cast<size_t>(y * width_ + x)] = colour;
  }
  // The cell is 8 x 16 pixels, the dots are placed relative to its top-left corner.
  void DrawCharacter(const std::string& utf8, int x, int y) override {
    drawn.push_back(utf8);
    Fill(x, y, 8, 16, kWhite);
    auto found = glyphs.find(utf8);
    if (found == glyphs.end()) return;
    for (const Dot& dot : found->second) SetPixel(x + dot.x, y + dot.y, dot.colour);
  }

  std::map<std::string, std::vector<Dot>> glyphs;
  std::vector<std::string> drawn;
  mutable int outside_reads = 0;

 private:
  bool Inside(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  int width_;
  int height_;
  std::vector<Rgb> pixels_;
};

}  // namespace mcu::testing
