#include "banner/CPictureEx.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <fstream>
#include <iterator>
#include <mutex>
#include <vector>

#include "banner/gifwalk.h"
#include "winsys/Dialog.h"
#include "winsys/Template.h"
#include "winsys/WindowLink.h"

namespace {
constexpr const char* kBannerResource = "bitmaps/147.bmp";  // type "MYP", ID 147
constexpr auto kStopWait = std::chrono::milliseconds(5000);
// Pictures are held as 32-bit pixels. A canvas, and all decoded frames together, stay within
// 256 MiB of them, the limit Qt's image readers apply to one picture, so that a file that
// announces a huge screen or thousands of large frames is refused instead of exhausting
// memory.
constexpr int64_t kMaxPixels = 64 * 1024 * 1024;

struct FrameRecord {
  std::unique_ptr<winsys::Picture> picture;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  int delay = -1;
  int disposal = 0;
};
}  // namespace

// The frames of an animated GIF and the canvas they are drawn into. The saved area is used
// only with the canvas's mutex held.
struct CPictureEx::Frames {
  std::vector<FrameRecord> list;
  std::shared_ptr<winsys::Canvas> canvas;
  std::unique_ptr<winsys::Canvas> saved;
  std::atomic<size_t> current{0};
  winsys::Rgb background = 0xFFFFFF;
  int width = 0;
  int height = 0;
};

// One run of the animation thread: its exit flag with the stop event, and where repaints go.
struct CPictureEx::Run {
  std::mutex mutex;
  std::condition_variable wake;
  bool exit = false;
  bool ended = false;
  // Repaints reach the window only through its link, never through the dialog directly;
  // cleared when a stop gives up waiting.
  std::shared_ptr<winsys::WindowLink> link;
  winsys::Dialog* dialog = nullptr;  // used only on the user-interface thread
  int control_id = 0;
};

namespace {

using Frames = CPictureEx::Frames;
using Run = CPictureEx::Run;

void ApplyDisposal(Frames& frames, size_t index) {
  if (index >= frames.list.size()) return;
  const FrameRecord& f = frames.list[index];
  std::lock_guard<std::mutex> lock(frames.canvas->mutex());
  if (f.disposal == 2) {
    frames.canvas->Fill(f.left, f.top, f.width, f.height, frames.background);
  } else if (f.disposal == 3 && frames.saved) {
    frames.canvas->CopyFrom(*frames.saved, 0, 0, f.width, f.height, f.left, f.top);
    frames.saved.reset();
  }
}

// Draws frame `index` at its own place and size; true when something was drawn.
bool ShowFrame(Frames& frames, size_t index) {
  const FrameRecord& f = frames.list[index];
  if (!f.picture) return false;
  std::lock_guard<std::mutex> lock(frames.canvas->mutex());
  if (f.disposal == 3) {
    auto saved = std::make_unique<winsys::Canvas>(f.width, f.height);
    if (saved->IsValid()) {
      saved->CopyFrom(*frames.canvas, f.left, f.top, f.width, f.height, 0, 0);
      frames.saved = std::move(saved);
    }
  }
  return frames.canvas->DrawPicture(*f.picture, f.left, f.top, f.width, f.height);
}

// Moves to the next frame; past the last one the whole canvas is cleared first.
void Advance(Frames& frames) {
  size_t next = frames.current + 1;
  if (next >= frames.list.size()) {
    next = 0;
    std::lock_guard<std::mutex> lock(frames.canvas->mutex());
    frames.canvas->Fill(0, 0, frames.width, frames.height, frames.background);
  }
  frames.current = next;
}

void RequestRepaint(Run& run) {
  std::lock_guard<std::mutex> lock(run.mutex);
  if (!run.link) return;
  // The call runs on the user-interface thread, and only while the window is there.
  run.link->Post([dialog = run.dialog, id = run.control_id] { dialog->InvalidateControl(id); });
}

void Animate(std::shared_ptr<Frames> frames, std::shared_ptr<Run> run) {
  ApplyDisposal(*frames, frames->current);
  for (;;) {
    {
      std::lock_guard<std::mutex> lock(run->mutex);
      if (run->exit) break;
    }
    const size_t index = frames->current;
    const FrameRecord& f = frames->list[index];
    if (f.picture) {
      if (ShowFrame(*frames, index)) RequestRepaint(*run);
      std::unique_lock<std::mutex> lock(run->mutex);
      if (run->exit) break;
      const auto delay = std::chrono::milliseconds(banner::gif::FrameDelayMs(f.delay));
      if (run->wake.wait_for(lock, delay, [&] { return run->exit; })) break;
      lock.unlock();
      ApplyDisposal(*frames, index);
    }
    Advance(*frames);
  }
  std::lock_guard<std::mutex> lock(run->mutex);
  run->ended = true;
  run->wake.notify_all();
}

}  // namespace

CPictureEx::CPictureEx() = default;

CPictureEx::~CPictureEx() {
  Unload();
}

void CPictureEx::Attach(winsys::Dialog* dialog, int control_id) {
  dialog_ = dialog;
  control_id_ = control_id;
  dialog_->SetControlPainter(control_id_,
                             [this](winsys::WindowPainter& painter) { Paint(painter); });
}

int CPictureEx::LoadFromResource() {
  const auto bytes = winsys::LoadResource(kBannerResource);
  if (!bytes || bytes->empty()) return 0;
  return LoadFromMemory(bytes->data(), bytes->size());
}

int CPictureEx::LoadFromFile(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return 0;
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(file)),
                             std::istreambuf_iterator<char>());
  if (file.bad()) return 0;
  return LoadFromMemory(bytes.data(), bytes.size());
}

int CPictureEx::LoadFromMemory(const uint8_t* data, size_t size) {
  Unload();
  if (data == nullptr || size == 0) return 0;
  if (size >= 3 && data[0] == 'G' && data[1] == 'I' && data[2] == 'F') return LoadGif(data, size);
  picture_ = winsys::Picture::Decode(data, size);
  if (!picture_) return 0;
  // The loader reports pixels at the display's 96 dots per inch.
  return PrepareCanvas(picture_->Width(), picture_->Height());
}

int CPictureEx::LoadGif(const uint8_t* data, size_t size) {
  is_gif_ = true;
  banner::gif::Walker walker(data, size);
  if (!walker.IsGif()) return 0;
  const int width = walker.ScreenWidth();
  const int height = walker.ScreenHeight();
  if (static_cast<int64_t>(width) * height > kMaxPixels) return 0;
  const int blocks = walker.CountGraphicBlocks();
  if (blocks == 0) return 0;
  if (blocks == 1) {
    picture_ = winsys::Picture::Decode(data, size);
    if (!picture_) return 0;
    return PrepareCanvas(width, height);
  }
  auto frames = std::make_shared<Frames>();
  walker.Rewind();
  banner::gif::Frame cut;
  int64_t pixels = 0;
  while (walker.NextFrame(&cut)) {
    // A frame without an image rectangle (plain text) cannot be placed.
    if (cut.width <= 0 || cut.height <= 0) continue;
    pixels += static_cast<int64_t>(cut.width) * cut.height;
    if (pixels > kMaxPixels) break;
    FrameRecord record;
    record.picture = winsys::Picture::Decode(cut.local_gif.data(), cut.local_gif.size());
    if (!record.picture) continue;
    record.left = cut.left;
    record.top = cut.top;
    record.width = cut.width;
    record.height = cut.height;
    record.delay = cut.delay;
    record.disposal = cut.disposal;
    frames->list.push_back(std::move(record));
  }
  if (frames->list.empty()) return 0;
  if (!PrepareCanvas(width, height)) return 0;
  frames->canvas = canvas_;
  frames->background = background_;
  frames->width = width;
  frames->height = height;
  frames_ = std::move(frames);
  return 1;
}

int CPictureEx::PrepareCanvas(int width, int height) {
  width_ = width;
  height_ = height;
  if (dialog_) dialog_->ResizeControl(control_id_, width, height);
  if (width <= 0 || height <= 0 || static_cast<int64_t>(width) * height > kMaxPixels) return 0;
  auto canvas = std::make_shared<winsys::Canvas>(width, height);
  if (!canvas->IsValid()) return 0;
  background_ = winsys::ButtonFaceColour();
  canvas->Fill(0, 0, width, height, winsys::MenuColour());
  canvas_ = std::move(canvas);
  canvas_ready_ = true;
  return 1;
}

int CPictureEx::Draw() {
  if (!canvas_ready_) return 0;
  if (is_gif_ && frames_ && frames_->list.size() > 1) {
    if (thread_.joinable()) return 0;  // already animating
    run_ = std::make_shared<Run>();
    run_->dialog = dialog_;
    if (dialog_) run_->link = dialog_->Link();
    run_->control_id = control_id_;
    thread_ = std::thread(Animate, frames_, run_);
    return 0;
  }
  bool drawn = false;
  if (picture_) {
    std::lock_guard<std::mutex> lock(canvas_->mutex());
    drawn = canvas_->DrawPicture(*picture_, 0, 0, width_, height_);
  } else if (frames_ && frames_->list.size() == 1) {
    // Several graphic blocks of which one decoded: that frame, at its own place.
    drawn = ShowFrame(*frames_, 0);
  }
  if (!drawn) return 0;
  if (dialog_) dialog_->InvalidateControl(control_id_);
  return 1;
}

void CPictureEx::Stop() {
  if (!thread_.joinable()) return;
  bool ended;
  {
    std::unique_lock<std::mutex> lock(run_->mutex);
    run_->exit = true;
    run_->wake.notify_all();
    ended = run_->wake.wait_for(lock, kStopWait, [this] { return run_->ended; });
    // A thread that does not end in time keeps its own share of the frames and canvas,
    // but asks for no more repaints.
    if (!ended) run_->link.reset();
  }
  if (ended) {
    thread_.join();
  } else {
    thread_.detach();
  }
  run_.reset();
}

void CPictureEx::Unload() {
  Stop();
  picture_.reset();
  frames_.reset();
  canvas_.reset();
  canvas_ready_ = false;
  is_gif_ = false;
  width_ = 0;
  height_ = 0;
  background_ = 0xFFFFFF;
  if (dialog_) dialog_->InvalidateControl(control_id_);
}

size_t CPictureEx::FrameCount() const {
  return frames_ ? frames_->list.size() : 0;
}

size_t CPictureEx::CurrentFrame() const {
  return frames_ ? frames_->current.load() : 0;
}

winsys::Rgb CPictureEx::CanvasPixel(int x, int y) {
  if (!canvas_) return 0;
  std::lock_guard<std::mutex> lock(canvas_->mutex());
  return canvas_->GetPixel(x, y);
}

void CPictureEx::ShowFrameForTest() {
  if (frames_ && !thread_.joinable()) ShowFrame(*frames_, frames_->current);
}

void CPictureEx::EndFrameForTest() {
  if (!frames_ || thread_.joinable()) return;
  ApplyDisposal(*frames_, frames_->current);
  Advance(*frames_);
}

void CPictureEx::Paint(winsys::WindowPainter& painter) {
  const std::shared_ptr<winsys::Canvas> canvas = canvas_;
  if (!canvas) return;
  std::lock_guard<std::mutex> lock(canvas->mutex());
  painter.DrawCanvas(*canvas, 0, 0);
}
