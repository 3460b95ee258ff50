#include "banner/CPictureEx.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <mutex>
#include <vector>

#include "banner/download.h"
#include "banner/gifwalk.h"
#include "banner/picturecheck.h"
#include "base/fileio.h"
#include "winsys/Dialog.h"
#include "winsys/Template.h"
#include "winsys/WindowLink.h"

namespace {
constexpr const char* kBannerResource = "bitmaps/147.bmp";  // type "MYP", ID 147

using FrameRecord = banner::gif::Frame;
}  // namespace

// The frames of an animated GIF and the canvas they are drawn into. Frames are decoded one
// at a time when they are drawn and dropped after, so that a GIF of many frames neither
// holds the user-interface thread while loading nor keeps them all decoded. The saved area
// is used only with the canvas's mutex held.
struct CPictureEx::Frames {
  std::vector<uint8_t> data;  // the whole GIF; unchanged while shared
  std::vector<FrameRecord> list;
  std::shared_ptr<winsys::Canvas> canvas;
  std::unique_ptr<winsys::Canvas> saved;
  std::atomic<size_t> current{0};
  winsys::Rgb background = 0xFFFFFF;
  int width = 0;
  int height = 0;
};

// Where one run of the animation thread asks for repaints: only through the window's link,
// never through the dialog directly, and only while the run goes on (it is joined before
// the window goes).
struct CPictureEx::Run {
  winsys::WindowLink link;
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

// Frame `index` decoded at its own size; nullptr when it does not decode.
std::unique_ptr<winsys::Picture> DecodeFrame(const Frames& frames, size_t index) {
  const FrameRecord& f = frames.list[index];
  const banner::gif::Walker walker(frames.data.data(), frames.data.size());
  const std::vector<uint8_t> local = walker.CutLocal(f);
  if (local.empty()) return nullptr;
  return winsys::Picture::Decode(local.data(), local.size(),
                                 static_cast<int64_t>(f.width) * f.height);
}

// Draws frame `index` at its own place and size; true when something was drawn. A frame
// that does not decode is left out.
bool ShowFrame(Frames& frames, size_t index) {
  const FrameRecord& f = frames.list[index];
  const std::unique_ptr<winsys::Picture> picture = DecodeFrame(frames, index);
  if (!picture) return false;
  std::lock_guard<std::mutex> lock(frames.canvas->mutex());
  if (f.disposal == 3) {
    auto saved = std::make_unique<winsys::Canvas>(f.width, f.height);
    if (saved->IsValid()) {
      saved->CopyFrom(*frames.canvas, f.left, f.top, f.width, f.height, 0, 0);
      frames.saved = std::move(saved);
    }
  }
  return frames.canvas->DrawPicture(*picture, f.left, f.top, f.width, f.height);
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

void RequestRepaint(const Run& run) {
  // The call runs on the user-interface thread, and only while the window is there.
  run.link.Post([dialog = run.dialog, id = run.control_id] { dialog->InvalidateControl(id); });
}

// Waits `ms` milliseconds; false when the stop request came first.
bool Wait(std::stop_token stop, int ms) {
  std::mutex mutex;
  std::condition_variable_any wake;
  std::unique_lock<std::mutex> lock(mutex);
  wake.wait_for(lock, stop, std::chrono::milliseconds(ms), [] { return false; });
  return !stop.stop_requested();
}

void Animate(std::stop_token stop, std::shared_ptr<Frames> frames, Run run) {
  ApplyDisposal(*frames, frames->current);
  bool drawn_this_round = false;
  while (!stop.stop_requested()) {
    const size_t index = frames->current;
    const FrameRecord& f = frames->list[index];
    if (ShowFrame(*frames, index)) {
      drawn_this_round = true;
      RequestRepaint(run);
      if (!Wait(stop, banner::gif::FrameDelayMs(f.delay))) break;
      ApplyDisposal(*frames, index);
    }
    if (index + 1 >= frames->list.size()) {
      // A round in which no frame decoded waits like one frame instead of spinning.
      if (!drawn_this_round && !Wait(stop, banner::gif::FrameDelayMs(0))) break;
      drawn_this_round = false;
    }
    Advance(*frames);
  }
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
  // Opened without waiting: a FIFO put in the file's place is refused, not waited on.
  base::InputFile file = base::OpenInput(path, base::InputKind::kRegularOnly);
  std::string bytes;
  if (!file.ok() || base::ReadAll(file, banner::kMaxBannerBytes, &bytes) != 0) return 0;
  return LoadFromMemory(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

int CPictureEx::LoadFromMemory(const uint8_t* data, size_t size) {
  if (data == nullptr || size == 0) return 0;
  if (size >= 3 && data[0] == 'G' && data[1] == 'I' && data[2] == 'F') return LoadGif(data, size);
  std::unique_ptr<winsys::Picture> picture =
      winsys::Picture::Decode(data, size, banner::kMaxDecodePixels);
  if (!picture) return 0;
  // The loader reports pixels at the display's 96 dots per inch.
  const int width = picture->Width();
  const int height = picture->Height();
  std::shared_ptr<winsys::Canvas> canvas = MakeCanvas(width, height);
  if (!canvas) return 0;
  Unload();
  picture_ = std::move(picture);
  Install(std::move(canvas), width, height);
  return 1;
}

int CPictureEx::LoadGif(const uint8_t* data, size_t size) {
  const banner::GifPlan plan = banner::PlanGif(data, size);
  if (plan.verdict != banner::GifPlan::Verdict::kOk) return 0;
  const int width = plan.width;
  const int height = plan.height;
  std::unique_ptr<winsys::Picture> picture;
  std::shared_ptr<Frames> frames;
  if (plan.graphic_blocks == 1) {
    picture = winsys::Picture::Decode(data, size, static_cast<int64_t>(width) * height);
    if (!picture) return 0;
  } else {
    frames = std::make_shared<Frames>();
    frames->data.assign(data, data + size);
    frames->list = plan.frames;
    // One frame that decodes is enough to take the place of the picture shown now; the
    // others are decoded when their turn comes.
    bool decodes = false;
    for (size_t i = 0; i < frames->list.size() && !decodes; ++i) {
      decodes = DecodeFrame(*frames, i) != nullptr;
    }
    if (!decodes) return 0;
  }
  std::shared_ptr<winsys::Canvas> canvas = MakeCanvas(width, height);
  if (!canvas) return 0;
  Unload();
  is_gif_ = true;
  picture_ = std::move(picture);
  Install(std::move(canvas), width, height);
  if (frames) {
    frames->canvas = canvas_;
    frames->background = background_;
    frames->width = width;
    frames->height = height;
    frames_ = std::move(frames);
  }
  return 1;
}

std::shared_ptr<winsys::Canvas> CPictureEx::MakeCanvas(int width, int height) {
  if (width <= 0 || height <= 0 ||
      static_cast<int64_t>(width) * height > banner::kMaxPictureBytes / 4) {
    return nullptr;
  }
  auto canvas = std::make_shared<winsys::Canvas>(width, height);
  if (!canvas->IsValid()) return nullptr;
  canvas->Fill(0, 0, width, height, winsys::MenuColour());
  return canvas;
}

void CPictureEx::Install(std::shared_ptr<winsys::Canvas> canvas, int width, int height) {
  width_ = width;
  height_ = height;
  if (dialog_) dialog_->ResizeControl(control_id_, width, height);
  background_ = winsys::ButtonFaceColour();
  canvas_ = std::move(canvas);
  canvas_ready_ = true;
}

int CPictureEx::Draw() {
  if (!canvas_ready_) return 0;
  if (is_gif_ && frames_ && frames_->list.size() > 1) {
    if (thread_.joinable()) return 0;  // already animating
    Run run;
    run.dialog = dialog_;
    if (dialog_) run.link = dialog_->Link();
    run.control_id = control_id_;
    thread_ = std::jthread(Animate, frames_, std::move(run));
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
  // The thread's only wait ends on the request, and drawing a frame takes far less than
  // the 200 ms a stop may take.
  thread_.request_stop();
  thread_.join();
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
