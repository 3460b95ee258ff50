// Off-screen drawing: decoded pictures, a canvas of pixels, and the painter a control's
// paint step receives. No Qt types appear here, so banner and tool code stay free of them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>

class QPainter;

namespace winsys {

using Rgb = uint32_t;  // 0xRRGGBB

// A picture decoded by the platform loader (BMP, GIF's first image, PNG, ...).
class Picture {
 public:
  // nullptr when the bytes cannot be decoded.
  static std::unique_ptr<Picture> Decode(const uint8_t* data, size_t size);
  ~Picture();
  int Width() const;
  int Height() const;

  struct Impl;
  const Impl& impl() const { return *impl_; }

 private:
  Picture();
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
  void SetPixel(int x, int y, Rgb colour);
  // Draws `picture` scaled into the rectangle; false when nothing could be drawn.
  bool DrawPicture(const Picture& picture, int x, int y, int width, int height);
  // Copies a rectangle of `source` to (to_x, to_y) of this canvas.
  void CopyFrom(const Canvas& source, int from_x, int from_y, int width, int height, int to_x,
                int to_y);

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
