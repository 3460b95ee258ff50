// GIF files assembled for the tests, block by block, with a tiny LZW encoder whose codes all
// keep the starting width (a clear code every few pixels), so any decoder reads them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

namespace giftest {

class GifBuilder {
 public:
  // A logical screen of width x height with a global table of the given colours (0xRRGGBB,
  // padded to a power of two, at least 4); an empty list gives no global table.
  GifBuilder(int width, int height, std::vector<uint32_t> colours, int background = 0) {
    Bytes("GIF89a");
    Word(width);
    Word(height);
    const int bits = TableBits(colours.size());
    out_.push_back(colours.empty() ? 0 : static_cast<uint8_t>(0x80 | 0x70 | (bits - 1)));
    out_.push_back(static_cast<uint8_t>(background));
    out_.push_back(0);
    if (!colours.empty()) Table(colours, bits);
    code_bits_ = colours.empty() ? 2 : bits;
  }

  GifBuilder& Comment(const std::string& text) {
    out_.push_back(0x21);
    out_.push_back(0xFE);
    SubBlocks(std::vector<uint8_t>(text.begin(), text.end()));
    return *this;
  }

  GifBuilder& Application(int loops) {
    out_.push_back(0x21);
    out_.push_back(0xFF);
    out_.push_back(11);
    Bytes("NETSCAPE2.0");
    SubBlocks({1, static_cast<uint8_t>(loops & 0xFF), static_cast<uint8_t>(loops >> 8)});
    return *this;
  }

  // Graphic control extension; transparent < 0 for none.
  GifBuilder& Control(int disposal, int delay, int transparent = -1) {
    out_.push_back(0x21);
    out_.push_back(0xF9);
    out_.push_back(4);
    out_.push_back(static_cast<uint8_t>((disposal << 2) | (transparent >= 0 ? 1 : 0)));
    Word(delay);
    out_.push_back(static_cast<uint8_t>(transparent >= 0 ? transparent : 0));
    out_.push_back(0);
    return *this;
  }

  // An image filled with colour `index`.
  GifBuilder& Image(int left, int top, int width, int height, int index) {
    return Image(left, top, width, height,
                 std::vector<uint8_t>(static_cast<size_t>(width) * static_cast<size_t>(height),
                                      uint8_t(index)));
  }

  GifBuilder& Image(int left, int top, int width, int height, const std::vector<uint8_t>& pixels,
                    const std::vector<uint32_t>& local_colours = {}) {
    out_.push_back(0x2C);
    Word(left);
    Word(top);
    Word(width);
    Word(height);
    int bits = code_bits_;
    if (!local_colours.empty()) {
      bits = TableBits(local_colours.size());
      out_.push_back(static_cast<uint8_t>(0x80 | (bits - 1)));
      Table(local_colours, bits);
    } else {
      out_.push_back(0);
    }
    const int min_code = bits < 2 ? 2 : bits;
    out_.push_back(static_cast<uint8_t>(min_code));
    SubBlocks(Lzw(pixels, min_code));
    return *this;
  }

  // A plain-text extension (a graphic without an image descriptor).
  GifBuilder& PlainText(const std::string& text) {
    out_.push_back(0x21);
    out_.push_back(0x01);
    out_.push_back(12);
    for (int i = 0; i < 12; ++i) out_.push_back(0);
    SubBlocks(std::vector<uint8_t>(text.begin(), text.end()));
    return *this;
  }

  GifBuilder& Raw(const std::vector<uint8_t>& bytes) {
    out_.insert(out_.end(), bytes.begin(), bytes.end());
    return *this;
  }

  GifBuilder& Trailer() {
    out_.push_back(0x3B);
    return *this;
  }

  size_t Size() const { return out_.size(); }
  const std::vector<uint8_t>& Data() const { return out_; }

 private:
  static int TableBits(size_t count) {
    int bits = 2;
    while ((size_t{1} << bits) < count) ++bits;
    return bits;
  }
  void Bytes(const char* text) {
    for (; *text; ++text) out_.push_back(static_cast<uint8_t>(*text));
  }
  void Word(int value) {
    out_.push_back(static_cast<uint8_t>(value & 0xFF));
    out_.push_back(static_cast<uint8_t>((value >> 8) & 0xFF));
  }
  void Table(const std::vector<uint32_t>& colours, int bits) {
    for (size_t i = 0; i < (size_t{1} << bits); ++i) {
      const uint32_t c = i < colours.size() ? colours[i] : 0;
      out_.push_back(static_cast<uint8_t>(c >> 16));
      out_.push_back(static_cast<uint8_t>(c >> 8));
      out_.push_back(static_cast<uint8_t>(c));
    }
  }
  void SubBlocks(const std::vector<uint8_t>& data) {
    for (size_t at = 0; at < data.size(); at += 255) {
      const size_t n = std::min<size_t>(255, data.size() - at);
      out_.push_back(static_cast<uint8_t>(n));
      out_.insert(out_.end(), data.data() + at, data.data() + at + n);
    }
    out_.push_back(0);
  }
  static std::vector<uint8_t> Lzw(const std::vector<uint8_t>& pixels, int min_code) {
    const int width = min_code + 1;
    const uint32_t clear = 1u << min_code;
    const size_t run = (size_t{1} << min_code) - 3;  // literals per clear: no width change
    std::vector<uint8_t> bytes;
    uint32_t acc = 0;
    int used = 0;
    auto put = [&](uint32_t code) {
      acc |= code << used;
      used += width;
      while (used >= 8) {
        bytes.push_back(static_cast<uint8_t>(acc & 0xFF));
        acc >>= 8;
        used -= 8;
      }
    };
    for (size_t i = 0; i < pixels.size(); ++i) {
      if (i % run == 0) put(clear);
      put(pixels[i]);
    }
    put(clear + 1);
    if (used > 0) bytes.push_back(static_cast<uint8_t>(acc & 0xFF));
    return bytes;
  }

  std::vector<uint8_t> out_;
  int code_bits_ = 2;
};

}  // namespace giftest
