// Off-screen drawing: decoded pictures, a canvas of pixels, and the painter a control's
// paint step receives. No Qt types appear here, so banner and tool code stay free of them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>

class QPainter;

namespace winsys {

using Rgb = uint32_t;  // 0xRRGGBB

// A picture decoded by the platform loader (BMP, GIF's first image, PNG, ...).
class Picture {
 public:
  // nullptr when the bytes cannot be decoded.
  static std::unique_ptr<Picture> Decode(const uint8_t* data, size_t size);
  // The same, refusing before decoding a picture whose header announces more than
  // `max_pixels` pixels (or no size at all). Safe on any thread.
  static std::unique_ptr<Picture> Decode(const uint8_t* data, size_t size, int64_t max_pixels);
  ~Picture();
  int Width() const;
  int Height() const;

  struct Impl;
  const Impl& impl() const { return *impl_; }

 private:
  Picture();
  std::unique_ptr<Impl> impl_;
};

// A font for drawing on a canvas. Glyphs are drawn with hinting off, so the outlines come out
// as designed: a font made of pixel squares (GNU Unifont) gives exactly its bitmaps.
struct FontDescription {
  std::string face;
  int pixels = 16;
  // true: `pixels` is the cell height (ascent + descent, internal leading included), as the
  // desktop's font mapper takes a positive height; false: the character (em) height.
  bool cell_height = false;
  int weight = 400;
  bool italic = false;
  bool underline = false;
  bool strike_out = false;
  bool antialias = false;
};

class Font {
 public:
  // A face the machine lacks is looked up by the usual rules; "宋体" (and "SimSun") fall back
  // to the Song-style CJK face the program ships with.
  explicit Font(const FontDescription& description);
  ~Font();
  Font(const Font&) = delete;
  Font& operator=(const Font&) = delete;
  std::string Family() const;  // the face actually used
  int Ascent() const;
  int Descent() const;
  int PixelSize() const;

  struct Impl;
  const Impl& impl() const { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
};

// An off-screen surface of width x height pixels. Calls from two threads must be guarded
// with the canvas's own mutex.
class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  int Width() const;
  int Height() const;
  bool IsValid() const;

  void Fill(int x, int y, int width, int height, Rgb colour);
  Rgb GetPixel(int x, int y) const;  // 0 outside the canvas
  // Pixels x .. x + count - 1 of row y; those outside the canvas read as 0.
  void ReadRow(int x, int y, int count, Rgb* out) const;
  void SetPixel(int x, int y, Rgb colour);
  // Draws `picture` scaled into the rectangle; false when nothing could be drawn.
  bool DrawPicture(const Picture& picture, int x, int y, int width, int height);
  // Copies a rectangle of `source` to (to_x, to_y) of this canvas.
  void CopyFrom(const Canvas& source, int from_x, int from_y, int width, int height, int to_x,
                int to_y);
  // Draws `utf8` in `ink` with the top-left corner of its character cell at (x, y) (the
  // baseline lies at y + ascent); the cell (advance x ascent + descent) is first painted
  // `background`.
  void DrawText(const Font& font, const std::string& utf8, int x, int y, Rgb ink, Rgb background);

  std::mutex& mutex() { return mutex_; }

  struct Impl;
  const Impl& impl() const { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
  std::mutex mutex_;
};

// What a control's paint step draws with.
class WindowPainter {
 public:
  explicit WindowPainter(QPainter& painter) : painter_(painter) {}
  void DrawCanvas(const Canvas& canvas, int x, int y);
  void Fill(int x, int y, int width, int height, Rgb colour);
  // Bitmap resource `number` (res/bitmaps/NUMBER.bmp) at (x, y), unscaled.
  void DrawBitmap(int number, int x, int y);

 private:
  QPainter& painter_;
};

// Desktop colours: the face of buttons and dialogs, and the menu background.
Rgb ButtonFaceColour();
Rgb MenuColour();

}  // namespace winsys
