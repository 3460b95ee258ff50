// The timer window: Enter computes like "计算", messages keep the result field.
#include <gtest/gtest.h>

#include <QApplication>
#include <QKeyEvent>

#include "tools/mcu/CTimerDlg.h"
#include "winsys/DialogWindow.h"
#include "winsys/Prompt.h"

namespace {

class TimerDialogTest : public testing::Test {
 protected:
  void SetUp() override { winsys::InstallPrompter(&prompter_); }
  void TearDown() override { winsys::InstallPrompter(nullptr); }
  winsys::ScriptedPrompter prompter_;
};

void PressReturn(winsys::Dialog& dialog, int id) {
  QWidget* edit = dialog.Window()->Control(id);
  ASSERT_NE(edit, nullptr);
  edit->setFocus();
  QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(edit, &press);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier);
  QApplication::sendEvent(edit, &release);
}

TEST_F(TimerDialogTest, EnterComputesAndTheWindowStays) {
  CTimerDlg dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  dialog.ShowWindow();
  ASSERT_TRUE(dialog.TypeText(1003, "0.02"));
  PressReturn(dialog, 1003);
  EXPECT_TRUE(dialog.IsWindowVisible());
  const std::string head = "溢出值：160(0xA0)\r\n溢出次数：1\r\n";
  EXPECT_EQ(dialog.GetText(1005).substr(0, head.size()), head);
  EXPECT_TRUE(prompter_.messages().empty());
}

TEST_F(TimerDialogTest, MessagesLeaveTheResultAlone) {
  CTimerDlg dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  dialog.ShowWindow();
  const std::string note = dialog.GetText(1005);
  ASSERT_TRUE(dialog.TypeText(1001, "-1"));
  ASSERT_TRUE(dialog.TypeText(1003, "1"));
  ASSERT_TRUE(dialog.Click(winsys::kIdOk));
  ASSERT_EQ(prompter_.messages().size(), 1u);
  EXPECT_EQ(prompter_.messages()[0].title, "提示");
  EXPECT_EQ(prompter_.messages()[0].text, "请正确输入时钟频率！");
  EXPECT_EQ(dialog.GetText(1005), note);
}

}  // namespace
