#include "tools/mcu/glyph.h"

#include <algorithm>
#include <iterator>

#include "base/cnum.h"
#include "base/format.h"
#include "base/text.h"

namespace mcu {

std::vector<std::string> SplitCharacters(const std::string& cp936) {
  std::vector<std::string> characters;
  for (size_t i = 0; i < cp936.size();) {
    const size_t length =
        static_cast<unsigned char>(cp936[i]) >= 0x80 && i + 1 < cp936.size() ? 2 : 1;
    characters.push_back(cp936.substr(i, length));
    i += length;
  }
  return characters;
}

uint8_t ReverseBits(uint8_t byte) {
  uint8_t reversed = 0;
  for (int bit = 0; bit < 8; ++bit) {
    if (byte & (1u << bit)) reversed |= static_cast<uint8_t>(0x80u >> bit);
  }
  return reversed;
}

int32_t ReadWidth(const std::string& text) {
  return std::clamp<int32_t>(base::ReadLong(text), 0, kMaxWidth);
}

void GlyphSampler::SetWidthIndex(int index) {
  if (index >= 0 && index < static_cast<int>(std::size(kWidths))) SetWidth(kWidths[index]);
}

void GlyphSampler::SetHeightIndex(int index) {
  if (index >= 0 && index < static_cast<int>(std::size(kHeights))) {
    region_.bottom = region_.top + kHeights[index];
  }
}

void GlyphSampler::MoveRegion(Move move) {
  int dx = 0;
  int dy = 0;
  switch (move) {
    case Move::kUp:
      dy = region_.top > 0 ? -1 : 0;
      break;
    case Move::kDown:
      dy = region_.top < kMaxOffset ? 1 : 0;
      break;
    case Move::kLeft:
      dx = region_.left > 0 ? -1 : 0;
      break;
    case Move::kRight:
      dx = region_.left < kMaxOffset ? 1 : 0;
      break;
  }
  region_.left += dx;
  region_.right += dx;
  region_.top += dy;
  region_.bottom += dy;
}

int GlyphSampler::RecordSize() const {
  const int64_t width = region_.Width();
  const int64_t bands = static_cast<int64_t>(region_.Height()) / 8;
  if (width <= 0 || bands <= 0 || width * bands > kGlyphBufferSize) return 0;
  return static_cast<int>(width * bands);
}

bool GlyphSampler::InkAt(int x, int y) const {
  if (x < 0 || y < 0 || x >= canvas_.Width() || y >= canvas_.Height()) return false;
  return IsInk(canvas_.Pixel(x, y), threshold_);
}

int GlyphSampler::Sample(const std::string& cp936) {
  return SampleText(base::FromCp936(cp936));
}

int GlyphSampler::SampleText(const std::string& utf8) {
  const Region& r = region_;
  canvas_.Fill(r.left, r.top, r.Width(), r.Height(), kWhite);
  canvas_.DrawCharacter(utf8, kDrawX, kDrawY);
  const int count = RecordSize();
  if (count == 0) return 0;
  const int width = r.Width();
  std::fill_n(buffer_.begin(), count, uint8_t{0});
  // Only the part of the region on the canvas can hold ink.
  const int x0 = std::max(r.left, 0);
  const int x1 = std::min(r.right, canvas_.Width());
  if (x0 >= x1) return count;
  row_.resize(static_cast<size_t>(x1 - x0));
  for (int line = 0; line < count / width * 8; ++line) {
    const int y = r.top + line;
    if (y < 0 || y >= canvas_.Height()) continue;
    canvas_.ReadRow(x0, y, x1 - x0, row_.data());
    uint8_t* band = buffer_.data() + (line / 8) * width + (x0 - r.left);
    const auto bit = static_cast<uint8_t>(1u << (line % 8));
    for (size_t i = 0; i < row_.size(); ++i) {
      if (IsInk(row_[i], threshold_)) band[i] |= bit;
    }
  }
  return count;
}

std::string GlyphSampler::PreviewCharacter(const std::string& utf8) {
  const std::string text = base::ToCp936(base::Trim(utf8));
  if (text.empty()) return base::ToCp936("字");
  return text.substr(0, static_cast<unsigned char>(text[0]) >= 0x80 ? 2 : 1);
}

void GlyphSampler::DrawFrame() {
  const Region& r = region_;
  const int width = r.Width() + 2;
  const int height = r.Height() + 2;
  canvas_.Fill(r.left - 1, r.top - 1, width, 1, kBlack);
  canvas_.Fill(r.left - 1, r.bottom, width, 1, kBlack);
  canvas_.Fill(r.left - 1, r.top - 1, 1, height, kBlack);
  canvas_.Fill(r.right, r.top - 1, 1, height, kBlack);
}

void GlyphSampler::DrawPreview(const std::string& cp936) {
  canvas_.Fill(-1, -1, 130, 130, kWhite);
  canvas_.DrawCharacter(base::FromCp936(cp936), kDrawX, kDrawY);
  DrawFrame();
}

void GlyphSampler::DrawThresholdedPreview(const std::string& cp936) {
  const Region& r = region_;
  canvas_.Fill(r.left, r.top, r.Width(), r.Height(), kWhite);
  canvas_.DrawCharacter(base::FromCp936(cp936), kDrawX, kDrawY);
  const int rows = r.Height() / 8 * 8;
  for (int y = r.top; y < r.top + rows; ++y) {
    for (int x = r.left; x < r.right; ++x) {
      canvas_.SetPixel(x, y, InkAt(x, y) ? kBlack : kWhite);
    }
  }
  DrawFrame();
}

std::string GlyphSampler::CodeText(const std::string& utf8, bool reverse_bits) {
  std::string text;
  for (const std::string& character : SplitCharacters(base::ToCp936(utf8))) {
    const int count = Sample(character);
    const auto first = static_cast<unsigned char>(character[0]);
    const auto second = character.size() > 1 ? static_cast<unsigned char>(character[1]) : 0;
    text += "//" + base::FromCp936(character) + base::Format(" 0x%.2X,0x%.2X,\r\n", first, second);
    for (int i = 0; i < count; ++i) {
      if (i > 0 && i % 16 == 0) text += "\r\n";
      const uint8_t value = buffer_[static_cast<size_t>(i)];
      const uint8_t byte = reverse_bits ? ReverseBits(value) : value;
      text += base::Format("0x%.2X,", byte);
    }
    text += "\r\n";
  }
  return text;
}

}  // namespace mcu
