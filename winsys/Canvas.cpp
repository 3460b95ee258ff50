#include "winsys/Canvas.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <string>

#include "winsys/Template.h"

namespace winsys {

struct Picture::Impl {
  QImage image;
};

struct Canvas::Impl {
  QImage image;
};

Picture::Picture() : impl_(std::make_unique<Impl>()) {}
Picture::~Picture() = default;

std::unique_ptr<Picture> Picture::Decode(const uint8_t* data, size_t size) {
  if (data == nullptr || size == 0 || size > static_cast<size_t>(INT32_MAX)) return nullptr;
  QImage image;
  if (!image.loadFromData(data, static_cast<int>(size)) || image.isNull()) return nullptr;
  std::unique_ptr<Picture> picture(new Picture());
  picture->impl_->image = std::move(image);
  return picture;
}

int Picture::Width() const {
  return impl_->image.width();
}
int Picture::Height() const {
  return impl_->image.height();
}

Canvas::Canvas(int width, int height) : impl_(std::make_unique<Impl>()) {
  if (width > 0 && height > 0) impl_->image = QImage(width, height, QImage::Format_RGB32);
}
Canvas::~Canvas() = default;

int Canvas::Width() const {
  return impl_->image.width();
}
int Canvas::Height() const {
  return impl_->image.height();
}
bool Canvas::IsValid() const {
  return !impl_->image.isNull();
}

void Canvas::Fill(int x, int y, int width, int height, Rgb colour) {
  if (!IsValid()) return;
  QPainter painter(&impl_->image);
  painter.fillRect(x, y, width, height, QColor::fromRgb(colour));
}

Rgb Canvas::GetPixel(int x, int y) const {
  if (!impl_->image.valid(x, y)) return 0;
  return impl_->image.pixel(x, y) & 0xFFFFFF;
}

void Canvas::SetPixel(int x, int y, Rgb colour) {
  if (impl_->image.valid(x, y)) impl_->image.setPixel(x, y, 0xFF000000u | colour);
}

bool Canvas::DrawPicture(const Picture& picture, int x, int y, int width, int height) {
  if (!IsValid() || width <= 0 || height <= 0) return false;
  QPainter painter(&impl_->image);
  painter.drawImage(QRect(x, y, width, height), picture.impl().image);
  return true;
}

void Canvas::CopyFrom(const Canvas& source, int from_x, int from_y, int width, int height, int to_x,
                      int to_y) {
  if (!IsValid() || !source.IsValid()) return;
  QPainter painter(&impl_->image);
  painter.drawImage(QPoint(to_x, to_y), source.impl().image, QRect(from_x, from_y, width, height));
}

void WindowPainter::DrawCanvas(const Canvas& canvas, int x, int y) {
  if (canvas.IsValid()) painter_.drawImage(QPoint(x, y), canvas.impl().image);
}

void WindowPainter::Fill(int x, int y, int width, int height, Rgb colour) {
  painter_.fillRect(x, y, width, height, QColor::fromRgb(colour));
}

void WindowPainter::DrawBitmap(int number, int x, int y) {
  QPixmap pixmap;
  if (auto bytes = LoadResource("bitmaps/" + std::to_string(number) + ".bmp")) {
    pixmap.loadFromData(bytes->data(), static_cast<uint>(bytes->size()));
  }
  if (!pixmap.isNull()) painter_.drawPixmap(x, y, pixmap);
}

Rgb ButtonFaceColour() {
  return QApplication::palette().color(QPalette::Button).rgb() & 0xFFFFFF;
}
Rgb MenuColour() {
  return QApplication::palette().color(QPalette::Window).rgb() & 0xFFFFFF;
}

}  // namespace winsys
