#include "banner/CPictureEx.h"

#include <fstream>
#include <iterator>
#include <vector>

#include "winsys/Dialog.h"
#include "winsys/Template.h"

namespace {
constexpr const char* kBannerResource = "bitmaps/147.bmp";  // type "MYP", ID 147
}

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
  picture_ = winsys::Picture::Decode(data, size);
  if (!picture_) return 0;
  // The loader reports pixels at the display's 96 dots per inch.
  return PrepareCanvas(picture_->Width(), picture_->Height());
}

int CPictureEx::PrepareCanvas(int width, int height) {
  width_ = width;
  height_ = height;
  if (dialog_) dialog_->ResizeControl(control_id_, width, height);
  auto canvas = std::make_unique<winsys::Canvas>(width, height);
  if (!canvas->IsValid()) return 0;
  background_ = winsys::ButtonFaceColour();
  canvas->Fill(0, 0, width, height, winsys::MenuColour());
  {
    std::lock_guard<std::mutex> lock(canvas->mutex());
    canvas_ = std::move(canvas);
  }
  canvas_ready_ = true;
  return 1;
}

int CPictureEx::Draw() {
  if (!canvas_ready_) return 0;
  if (!picture_) return 0;
  bool drawn;
  {
    std::lock_guard<std::mutex> lock(canvas_->mutex());
    drawn = canvas_->DrawPicture(*picture_, 0, 0, width_, height_);
  }
  if (!drawn) return 0;
  if (dialog_) dialog_->InvalidateControl(control_id_);
  return 1;
}

void CPictureEx::Stop() {
  // A single picture has no animation to end.
}

void CPictureEx::Unload() {
  Stop();
  picture_.reset();
  canvas_.reset();
  canvas_ready_ = false;
  width_ = 0;
  height_ = 0;
  background_ = 0xFFFFFF;
  if (dialog_) dialog_->InvalidateControl(control_id_);
}

winsys::Rgb CPictureEx::CanvasPixel(int x, int y) {
  if (!canvas_) return 0;
  std::lock_guard<std::mutex> lock(canvas_->mutex());
  return canvas_->GetPixel(x, y);
}

void CPictureEx::Paint(winsys::WindowPainter& painter) {
  if (!canvas_) return;
  std::lock_guard<std::mutex> lock(canvas_->mutex());
  painter.DrawCanvas(*canvas_, 0, 0);
}
