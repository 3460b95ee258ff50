// The parts of off-screen drawing that need the program's resources or the widget toolkit,
// kept out of Canvas.cpp so that the canvas needs only QtGui.
#include <QApplication>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <string>

#include "winsys/Canvas.h"
#include "winsys/Template.h"

namespace winsys {

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
