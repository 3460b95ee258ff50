// The banner picture control: loads a picture from the program's resources, a file or
// memory, draws it into an off-screen canvas and paints the window from that canvas.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

#include "winsys/Canvas.h"

namespace winsys {
class Dialog;
}

class CPictureEx {
 public:
  CPictureEx();
  ~CPictureEx();
  CPictureEx(const CPictureEx&) = delete;
  CPictureEx& operator=(const CPictureEx&) = delete;

  // Binds the control to control `control_id` of `dialog`, which must have a window.
  void Attach(winsys::Dialog* dialog, int control_id);

  // Each load gives 1 when a picture is ready to draw, 0 otherwise. A resource or file that
  // cannot be read changes nothing; data that cannot be decoded leaves the control empty.
  int LoadFromResource();
  int LoadFromFile(const std::string& path);
  int LoadFromMemory(const uint8_t* data, size_t size);

  // 1 when a single picture was drawn; 0 when nothing is loaded or drawing failed.
  int Draw();
  void Stop();
  void Unload();

  int PictureWidth() const { return width_; }
  int PictureHeight() const { return height_; }
  bool IsCanvasReady() const { return canvas_ready_; }
  winsys::Rgb BackgroundColour() const { return background_; }
  // Pixel of the canvas (0 without one); for tests.
  winsys::Rgb CanvasPixel(int x, int y);

 private:
  int PrepareCanvas(int width, int height);
  void Paint(winsys::WindowPainter& painter);

  winsys::Dialog* dialog_ = nullptr;
  int control_id_ = 0;
  int width_ = 0;
  int height_ = 0;
  winsys::Rgb background_ = 0xFFFFFF;
  bool canvas_ready_ = false;
  std::unique_ptr<winsys::Canvas> canvas_;
  std::unique_ptr<winsys::Picture> picture_;
};
