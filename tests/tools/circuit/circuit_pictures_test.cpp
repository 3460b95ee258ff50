// The circuit pictures of the calculators: the selected mode's bitmap in the frame, redrawn
// on a radio click, and the fixed pictures present at their own size.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>
#include <string>

#include "tools/circuit/CCapDlg.h"
#include "tools/circuit/CCrDlg.h"
#include "tools/circuit/CLinerPowerDlg.h"
#include "tools/circuit/CNtcDlg.h"
#include "tools/circuit/CPowerDlg.h"
#include "winsys/DialogWindow.h"
#include "winsys/Template.h"

namespace {

QImage Bitmap(int number) {
  const auto bytes = winsys::LoadResource("bitmaps/" + std::to_string(number) + ".bmp");
  if (!bytes) return {};
  return QImage::fromData(bytes->data(), static_cast<int>(bytes->size()))
      .convertToFormat(QImage::Format_RGB32);
}

// Whether the control shows the bitmap at its top-left corner.
bool Shows(winsys::Dialog& dialog, int id, int number) {
  const QImage bitmap = Bitmap(number);
  if (bitmap.isNull()) return false;
  const QImage shown =
      dialog.Window()->Control(id)->grab().toImage().convertToFormat(QImage::Format_RGB32);
  if (shown.width() < bitmap.width() || shown.height() < bitmap.height()) return false;
  return shown.copy(0, 0, bitmap.width(), bitmap.height()) == bitmap;
}

TEST(CircuitPictures, CapacitorCircuitFollowsTheMode) {
  ASSERT_EQ(Bitmap(151).size(), QSize(125, 71));
  ASSERT_EQ(Bitmap(152).size(), QSize(125, 71));
  EXPECT_NE(Bitmap(151), Bitmap(152));
  CCapDlg dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  dialog.ShowWindow();
  EXPECT_EQ(dialog.Window()->Control(1004)->geometry(), QRect(10, 10, 126, 72));
  EXPECT_TRUE(Shows(dialog, 1004, 151));
  EXPECT_TRUE(dialog.Click(1045));
  EXPECT_TRUE(Shows(dialog, 1004, 152));
  EXPECT_TRUE(dialog.Click(1044));
  EXPECT_TRUE(Shows(dialog, 1004, 151));
}

TEST(CircuitPictures, NtcDividerFollowsTheConnection) {
  ASSERT_EQ(Bitmap(170).size(), QSize(44, 62));
  ASSERT_EQ(Bitmap(171).size(), QSize(44, 62));
  EXPECT_NE(Bitmap(170), Bitmap(171));
  CNtcDlg dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  dialog.ShowWindow();
  EXPECT_TRUE(Shows(dialog, 1035, 170));
  EXPECT_TRUE(dialog.Click(1045));
  EXPECT_TRUE(Shows(dialog, 1035, 171));
  EXPECT_TRUE(dialog.Click(1044));
  EXPECT_TRUE(Shows(dialog, 1035, 170));
}

TEST(CircuitPictures, FixedPicturesArePresent) {
  for (int number : {160, 165, 166}) EXPECT_FALSE(Bitmap(number).isNull()) << number;
}

}  // namespace
