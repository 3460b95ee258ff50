#include "tools/mcu/CGlyphCanvas.h"

CGlyphCanvas::CGlyphCanvas() : CGlyphCanvas(InitialGlyphFont()) {}

CGlyphCanvas::CGlyphCanvas(const winsys::FontDescription& description) : canvas_(kSize, kSize) {
  canvas_.Fill(0, 0, kSize, kSize, mcu::kWhite);
  SetFont(description);
}

void CGlyphCanvas::SetFont(const winsys::FontDescription& description) {
  description_ = description;
  font_ = std::make_unique<winsys::Font>(description);
}

std::unique_ptr<mcu::GlyphCanvas> CGlyphCanvas::NewCanvas() const {
  return std::make_unique<CGlyphCanvas>(description_);
}

int CGlyphCanvas::Width() const {
  return canvas_.Width();
}
int CGlyphCanvas::Height() const {
  return canvas_.Height();
}
void CGlyphCanvas::Fill(int x, int y, int width, int height, mcu::Rgb colour) {
  canvas_.Fill(x, y, width, height, colour);
}
mcu::Rgb CGlyphCanvas::Pixel(int x, int y) const {
  return canvas_.GetPixel(x, y);
}
void CGlyphCanvas::ReadRow(int x, int y, int count, mcu::Rgb* out) const {
  canvas_.ReadRow(x, y, count, out);
}
void CGlyphCanvas::SetPixel(int x, int y, mcu::Rgb colour) {
  canvas_.SetPixel(x, y, colour);
}
void CGlyphCanvas::DrawCharacter(const std::string& utf8, int x, int y) {
  canvas_.DrawText(*font_, utf8, x, y, mcu::kBlack, mcu::kWhite);
}

winsys::FontDescription InitialGlyphFont() {
  winsys::FontDescription description;
  description.face = "宋体";
  description.pixels = 16;
  description.cell_height = true;
  return description;
}

winsys::FontDescription GlyphFontFromChoice(const winsys::FontChoice& choice) {
  winsys::FontDescription description;
  description.face = choice.face;
  description.pixels = choice.pixels > 0 ? choice.pixels : choice.points * 96 / 720;
  description.weight = choice.weight;
  description.italic = choice.italic;
  description.underline = choice.underline;
  description.strike_out = choice.strike_out;
  return description;
}
