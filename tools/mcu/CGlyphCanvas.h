// The glyph canvas on the window system: a white off-screen surface and the glyph font.
#pragma once

#include <memory>
#include <string>

#include "tools/mcu/glyph.h"
#include "winsys/Canvas.h"
#include "winsys/Prompt.h"

class CGlyphCanvas : public mcu::GlyphCanvas {
 public:
  // Large enough for the biggest matrix moved to its farthest offset.
  static constexpr int kSize = 160;

  CGlyphCanvas();
  explicit CGlyphCanvas(const winsys::FontDescription& description);
  void SetFont(const winsys::FontDescription& description);
  const winsys::Font& font() const { return *font_; }
  const winsys::Canvas& canvas() const { return canvas_; }

  int Width() const override;
  int Height() const override;
  void Fill(int x, int y, int width, int height, mcu::Rgb colour) override;
  mcu::Rgb Pixel(int x, int y) const override;
  void ReadRow(int x, int y, int count, mcu::Rgb* out) const override;
  void SetPixel(int x, int y, mcu::Rgb colour) override;
  void DrawCharacter(const std::string& utf8, int x, int y) override;
  std::unique_ptr<mcu::GlyphCanvas> NewCanvas() const override;

 private:
  winsys::Canvas canvas_;
  winsys::FontDescription description_;
  std::unique_ptr<winsys::Font> font_;
};

// The initial glyph font: "宋体" with a 16-pixel cell.
winsys::FontDescription InitialGlyphFont();

// The glyph font for a face and size picked in the font chooser.
winsys::FontDescription GlyphFontFromChoice(const winsys::FontChoice& choice);
