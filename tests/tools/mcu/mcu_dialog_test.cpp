// The seven-segment picture as drawn, and the Mifare window's table and error label.
#include <gtest/gtest.h>

#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <string>

#include "tools/mcu/CMifareCode.h"
#include "tools/mcu/CSegCodeDlg.h"
#include "tools/mcu/segcode.h"
#include "winsys/DialogWindow.h"
#include "winsys/Template.h"

namespace {

constexpr QRgb kGrey = qRgb(192, 192, 192);
constexpr QRgb kBlack = qRgb(0, 0, 0);
constexpr QRgb kRed = qRgb(255, 0, 0);
constexpr QRgb kDarkBlue = qRgb(0, 0, 128);

bool InSomeArea(int x, int y) {
  return mcu::SegmentAt(x, y) >= 0;
}

QImage Grab(winsys::Dialog& dialog, int id) {
  QTemporaryDir dir;
  const std::string path = dir.path().toStdString() + "/grab.png";
  EXPECT_TRUE(dialog.GrabToPng(id, path));
  return QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_RGB32);
}

TEST(SegCodePicture, BitmapHoldsTheSegmentsExactlyInTheirAreas) {
  const auto bytes = winsys::LoadResource("bitmaps/141.bmp");
  ASSERT_TRUE(bytes);
  QImage image;
  ASSERT_TRUE(image.loadFromData(bytes->data(), static_cast<int>(bytes->size())));
  image = image.convertToFormat(QImage::Format_RGB32);
  ASSERT_EQ(image.size(), QSize(84, 97));
  int labels = 0;
  for (int y = 0; y < 97; ++y) {
    for (int x = 0; x < 84; ++x) {
      const QRgb pixel = image.pixel(x, y);
      if (InSomeArea(x, y)) {
        ASSERT_EQ(pixel, kBlack) << x << "," << y;
      } else {
        ASSERT_TRUE(pixel == kGrey || pixel == kDarkBlue) << x << "," << y;
        labels += pixel == kDarkBlue;
      }
    }
  }
  EXPECT_GT(labels, 0);
}

TEST(SegCodePicture, ClicksPaintSegmentsAndThePatternSurvivesHiding) {
  CSegCodeDlg dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  dialog.ShowWindow();
  ASSERT_TRUE(dialog.ClickAt(1026, 53, 15));  // a, bottom-right corner
  ASSERT_TRUE(dialog.ClickAt(1026, 60, 72));  // dp, top-left corner
  ASSERT_TRUE(dialog.ClickAt(1026, 58, 30));  // just right of b: nothing
  dialog.Close();
  ASSERT_FALSE(dialog.IsWindowVisible());
  dialog.ShowWindow();
  const QImage shown = Grab(dialog, 1026);
  ASSERT_EQ(shown.size(), QSize(84, 97));
  for (int y = 0; y < 97; ++y) {
    for (int x = 0; x < 84; ++x) {
      const int segment = mcu::SegmentAt(x, y);
      const QRgb expected = segment == 0 || segment == 7 ? kRed : kBlack;
      if (segment >= 0) {
        ASSERT_EQ(shown.pixel(x, y), expected) << x << "," << y;
      } else {
        ASSERT_NE(shown.pixel(x, y), kRed) << x << "," << y;
      }
    }
  }
  dialog.Click(1000);
  EXPECT_EQ(dialog.GetText(1001), "#define  XX_XX  0x81");
}

TEST(MifareWindow, TableColumnsAndErrorColour) {
  CMifareCode dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  auto* list = qobject_cast<QTreeWidget*>(dialog.Window()->Control(1046));
  ASSERT_NE(list, nullptr);
  const QStringList headings = {"存储区", "读取", "写入", "Increment",
                                "Decrement Transfer Restore"};
  const int widths[] = {69, 59, 59, 79, list->width() - 271};
  ASSERT_EQ(list->columnCount(), 5);
  for (int column = 0; column < 5; ++column) {
    EXPECT_EQ(list->headerItem()->text(column), headings[column]);
    EXPECT_EQ(list->columnWidth(column), widths[column]) << column;
  }
  EXPECT_EQ(dialog.GetItemCount(1046), 6);
  auto* label = qobject_cast<QLabel*>(dialog.Window()->Control(1045));
  ASSERT_NE(label, nullptr);
  EXPECT_EQ(label->palette().color(QPalette::WindowText), QColor(255, 0, 0));
}

}  // namespace
