// The banner picture control: loads a picture from the program's resources, a file or
// memory, draws it into an off-screen canvas and paints the window from that canvas. A GIF
// of several frames is animated by a thread of its own until stopped.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <thread>

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

  // Each load gives 1 when a picture is ready to draw, 0 otherwise. The picture shown now is
  // dropped only once the new one has decoded: a resource or file that cannot be read, and
  // data that cannot be decoded or passes the limits of banner/picturecheck.h, change
  // nothing (a GIF of several frames counts as decoded when one of its frames does; the
  // others are decoded when they are drawn, on the animation thread). A file is read only
  // up to the size of a banner download.
  int LoadFromResource();
  int LoadFromFile(const std::string& path);
  int LoadFromMemory(const uint8_t* data, size_t size);

  // 1 when a single picture was drawn; 0 when nothing is loaded, drawing failed, or the
  // animation thread was started (or already runs).
  int Draw();
  // Ends a running animation and joins its thread (within 200 ms: the thread's waits end on
  // the stop request), keeping the picture and the frame to go on with. The owner calls it
  // (or Unload) before its window goes.
  void Stop();
  void Unload();

  int PictureWidth() const { return width_; }
  int PictureHeight() const { return height_; }
  bool IsCanvasReady() const { return canvas_ready_; }
  winsys::Rgb BackgroundColour() const { return background_; }
  bool IsGif() const { return is_gif_; }
  bool IsAnimating() const { return thread_.joinable(); }
  // Frames of an animated GIF that have an image rectangle (0 for a single picture).
  size_t FrameCount() const;
  size_t CurrentFrame() const;

  // For tests: pixel of the canvas (0 without one), and the two halves of one animation step
  // run on the calling thread instead of the animation thread (no wait between them): draw
  // the current frame; apply its disposal and move to the next.
  winsys::Rgb CanvasPixel(int x, int y);
  void ShowFrameForTest();
  void EndFrameForTest();

  struct Frames;
  struct Run;

 private:
  // A canvas filled with the menu colour; nullptr when it cannot be had.
  static std::shared_ptr<winsys::Canvas> MakeCanvas(int width, int height);
  // Takes the canvas of a picture that has just loaded and sizes the window to it.
  void Install(std::shared_ptr<winsys::Canvas> canvas, int width, int height);
  int LoadGif(const uint8_t* data, size_t size);
  void Paint(winsys::WindowPainter& painter);

  winsys::Dialog* dialog_ = nullptr;
  int control_id_ = 0;
  int width_ = 0;
  int height_ = 0;
  winsys::Rgb background_ = 0xFFFFFF;
  bool canvas_ready_ = false;
  bool is_gif_ = false;
  std::shared_ptr<winsys::Canvas> canvas_;
  std::unique_ptr<winsys::Picture> picture_;
  // Shared with the animation thread while it runs.
  std::shared_ptr<Frames> frames_;
  std::jthread thread_;
};
