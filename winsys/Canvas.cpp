#include "winsys/Canvas.h"

#include <QBuffer>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <algorithm>
#include <string>

namespace winsys {

struct Picture::Impl {
  QImage image;
};

struct Canvas::Impl {
  QImage image;
};

struct Font::Impl {
  QFont font;
  std::unique_ptr<QFontMetrics> metrics;
  int ascent = 0;
  int descent = 0;
};

namespace {

// The Song-style face that stands in for "宋体" where the desktop has no such face: its
// embedded 16-pixel strikes keep small Chinese characters crisp.
constexpr char kSongFallback[] = "AR PL UMing CN";

QString FaceFor(const std::string& face) {
  const QString name = QString::fromStdString(face);
  if ((name == QStringLiteral("宋体") ||
       name.compare(QStringLiteral("SimSun"), Qt::CaseInsensitive) == 0) &&
      !QFontDatabase::hasFamily(name)) {
    return QString::fromLatin1(kSongFallback);
  }
  return name;
}

}  // namespace

Font::Font(const FontDescription& description) : impl_(std::make_unique<Impl>()) {
  QFont& font = impl_->font;
  font.setFamily(FaceFor(description.face));
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(
      QFont::StyleStrategy(QFont::NoFontMerging |
                           (description.antialias ? QFont::PreferAntialias : QFont::NoAntialias)));
  font.setWeight(description.weight >= 700 ? QFont::Bold : QFont::Normal);
  font.setItalic(description.italic);
  font.setUnderline(description.underline);
  font.setStrikeOut(description.strike_out);
  int pixels = description.pixels > 0 ? description.pixels : 1;
  font.setPixelSize(pixels);
  if (description.cell_height) {
    // Largest character height whose cell still fits the height asked for.
    while (pixels > 1) {
      QFontMetrics metrics(font);
      if (metrics.ascent() + metrics.descent() <= description.pixels) break;
      font.setPixelSize(--pixels);
    }
  }
  impl_->metrics = std::make_unique<QFontMetrics>(font);
  impl_->ascent = impl_->metrics->ascent();
  impl_->descent = impl_->metrics->descent();
}
Font::~Font() = default;

std::string Font::Family() const {
  return QFontInfo(impl_->font).family().toStdString();
}
int Font::Ascent() const {
  return impl_->ascent;
}
int Font::Descent() const {
  return impl_->descent;
}
int Font::PixelSize() const {
  return impl_->font.pixelSize();
}

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

std::unique_ptr<Picture> Picture::Decode(const uint8_t* data, size_t size, int64_t max_pixels) {
  if (data == nullptr || size == 0 || size > static_cast<size_t>(INT32_MAX)) return nullptr;
  const QByteArray bytes =
      QByteArray::fromRawData(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  QBuffer buffer;
  buffer.setData(bytes);
  if (!buffer.open(QIODevice::ReadOnly)) return nullptr;
  QImageReader reader(&buffer);
  const QSize announced = reader.size();
  if (!announced.isValid() || announced.isEmpty() ||
      static_cast<int64_t>(announced.width()) * announced.height() > max_pixels) {
    return nullptr;
  }
  QImage image;
  if (!reader.read(&image) || image.isNull() ||
      static_cast<int64_t>(image.width()) * image.height() > max_pixels) {
    return nullptr;
  }
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
  // Straight into the pixels: glyph sampling fills a small rectangle per character.
  const QRect area = QRect(x, y, width, height) & impl_->image.rect();
  if (area.isEmpty()) return;
  const QRgb pixel = 0xFF000000u | colour;
  for (int row = area.top(); row <= area.bottom(); ++row) {
    auto* line = reinterpret_cast<QRgb*>(impl_->image.scanLine(row));
    std::fill(line + area.left(), line + area.right() + 1, pixel);
  }
}

Rgb Canvas::GetPixel(int x, int y) const {
  if (!impl_->image.valid(x, y)) return 0;
  return impl_->image.pixel(x, y) & 0xFFFFFF;
}

void Canvas::ReadRow(int x, int y, int count, Rgb* out) const {
  const QImage& image = impl_->image;
  std::fill(out, out + std::max(count, 0), Rgb{0});
  if (y < 0 || y >= image.height()) return;
  const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
  const int begin = std::max(x, 0);
  const int end = std::min(x + count, image.width());
  for (int column = begin; column < end; ++column) out[column - x] = line[column] & 0xFFFFFF;
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

void Canvas::DrawText(const Font& font, const std::string& utf8, int x, int y, Rgb ink,
                      Rgb background) {
  if (!IsValid() || utf8.empty()) return;
  const QString text = QString::fromStdString(utf8);
  const Font::Impl& face = font.impl();
  QPainter painter(&impl_->image);
  painter.setRenderHint(QPainter::TextAntialiasing,
                        !(face.font.styleStrategy() & QFont::NoAntialias));
  painter.setFont(face.font);
  const int advance = face.metrics->horizontalAdvance(text);
  painter.fillRect(x, y, advance, face.ascent + face.descent, QColor::fromRgb(background));
  painter.setPen(QColor::fromRgb(ink));
  painter.drawText(QPoint(x, y + face.ascent), text);
}

void WindowPainter::DrawCanvas(const Canvas& canvas, int x, int y) {
  if (canvas.IsValid()) painter_.drawImage(QPoint(x, y), canvas.impl().image);
}

void WindowPainter::Fill(int x, int y, int width, int height, Rgb colour) {
  painter_.fillRect(x, y, width, height, QColor::fromRgb(colour));
}

}  // namespace winsys
