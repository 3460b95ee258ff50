// The window-system layer: templates, controls by ID, notifications, timers, threads.
#include "winsys/Dialog.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLineEdit>
#include <thread>
#include <vector>

#include "winsys/DialogWindow.h"

namespace {

class TestDialog : public winsys::Dialog {
 public:
  TestDialog() : Dialog(990) {
    OnClicked(40, [this] { events.push_back("clicked 40"); });
    OnClicked(13, [this] { events.push_back(IsChecked(13) ? "checked 13" : "unchecked 13"); });
    OnChange(20, [this] { events.push_back("changed 20: " + GetText(20)); });
    OnChange(31, [this] { events.push_back("typed 31: " + GetText(31)); });
    OnSelChange(30, [this] { events.push_back("selected " + std::to_string(GetCurSel(30))); });
  }
  std::vector<std::string> events;
  std::vector<int> ticks;
  std::vector<uintptr_t> messages;

 protected:
  void OnTimer(int id) override { ticks.push_back(id); }
  intptr_t OnMessage(unsigned message, uintptr_t wparam, intptr_t) override {
    messages.push_back(wparam);
    return static_cast<intptr_t>(message + wparam);
  }
};

TEST(WinsysDialog, BuildsControlsFromTheTemplateInDialogUnits) {
  TestDialog dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  EXPECT_FALSE(dialog.IsWindowVisible());  // not marked visible: shown by its owner
  EXPECT_EQ(dialog.GetCaption(), "winsys test");
  const winsys::DialogUnits& units = dialog.Window()->units();
  EXPECT_GT(units.base_x, 0);
  EXPECT_GT(units.base_y, 0);
  EXPECT_EQ(dialog.Window()->Control(20)->geometry(),
            QRect(units.X(4), units.Y(40), units.X(100), units.Y(14)));
  EXPECT_EQ(dialog.Window()->Client()->size(), QSize(units.X(200), units.Y(120)));
  EXPECT_EQ(dialog.GetText(22), "fixed");
  EXPECT_FALSE(dialog.TypeText(4242, "x"));
  EXPECT_EQ(dialog.GetText(4242), "");
}

TEST(WinsysDialog, RadioGroupsCheckBoxesAndNotifications) {
  TestDialog dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  dialog.ShowWindow();
  EXPECT_TRUE(dialog.Click(10));
  EXPECT_TRUE(dialog.Click(12));
  EXPECT_TRUE(dialog.IsChecked(10));  // 12 starts a group of its own
  EXPECT_TRUE(dialog.Click(11));
  EXPECT_FALSE(dialog.IsChecked(10));
  EXPECT_TRUE(dialog.IsChecked(12));
  dialog.Click(13);
  dialog.Click(13);
  dialog.Click(40);
  dialog.Enable(40, false);
  EXPECT_FALSE(dialog.Click(40));
  EXPECT_EQ(dialog.events, (std::vector<std::string>{"checked 13", "unchecked 13", "clicked 40"}));
}

TEST(WinsysDialog, EditsAndLists) {
  TestDialog dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  dialog.ShowWindow();
  dialog.TypeText(20, "abc");
  dialog.SetText(21, "one\r\ntwo\r\n");
  EXPECT_EQ(dialog.GetText(21), "one\r\ntwo\r\n");
  dialog.SetText(21, "a\u00A0b\r\n\r\n");
  EXPECT_EQ(dialog.GetText(21), "a\u00A0b\r\n\r\n");
  for (const char* item : {"x", "y", "z"}) dialog.AddString(30, item);
  EXPECT_EQ(dialog.GetCurSel(30), -1);
  EXPECT_EQ(dialog.GetItems(30), (std::vector<std::string>{"x", "y", "z"}));
  dialog.SetCurSel(30, 1);  // by the program: no notification
  EXPECT_EQ(dialog.GetText(30), "y");
  EXPECT_TRUE(dialog.Select(30, 2));
  EXPECT_FALSE(dialog.Select(30, 3));
  dialog.AddString(31, "item");
  EXPECT_TRUE(dialog.TypeText(31, "typed"));
  EXPECT_EQ(dialog.GetText(31), "typed");
  EXPECT_FALSE(dialog.TypeText(30, "no edit field"));
  EXPECT_EQ(dialog.events,
            (std::vector<std::string>{"changed 20: abc", "selected 2", "typed 31: typed"}));
  dialog.SetReadOnly(20, true);
  EXPECT_TRUE(qobject_cast<QLineEdit*>(dialog.Window()->Control(20))->isReadOnly());
  dialog.SetRange(41, 0, 10);
  dialog.SetPos(41, 7);
  EXPECT_EQ(dialog.GetPos(41), 7);
}

TEST(WinsysDialog, CancelHidesAModelessWindowAndKeepsIt) {
  TestDialog dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  dialog.ShowWindow();
  dialog.TypeText(20, "kept");
  winsys::DialogWindow* window = dialog.Window();
  dialog.Click(2);
  EXPECT_FALSE(dialog.IsWindowVisible());
  EXPECT_EQ(dialog.Window(), window);
  dialog.ShowWindow();
  window->close();  // the close box
  EXPECT_FALSE(dialog.IsWindowVisible());
  EXPECT_EQ(dialog.GetText(20), "kept");
}

TEST(WinsysDialog, ManualTimersTickOnlyWhileRunning) {
  TestDialog dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  dialog.TickTimer(1);
  dialog.SetTimer(1, 1000);
  dialog.SetTimer(2, 50);
  dialog.TickTimer(1);
  dialog.TickTimer(2);
  dialog.KillTimer(1);
  dialog.TickTimer(1);
  EXPECT_EQ(dialog.ticks, (std::vector<int>{1, 2}));
}

TEST(WinsysDialog, WorkerCallsRunOnTheUiThreadInOrder) {
  TestDialog dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  std::vector<int> order;
  std::thread worker([&] {
    for (int i = 0; i < 50; ++i) dialog.PostCall([&order, i] { order.push_back(i); });
    dialog.PostMessage(100, 7, 0);  // handled after the posted calls
  });
  while (dialog.messages.empty()) QCoreApplication::processEvents();
  worker.join();
  EXPECT_EQ(dialog.SendMessage(100, 8, 0), 108);  // on the window's thread: at once
  ASSERT_EQ(order.size(), 50u);
  for (int i = 0; i < 50; ++i) EXPECT_EQ(order[static_cast<size_t>(i)], i);
}

TEST(WinsysDialog, WithoutAWindowNothingRuns) {
  TestDialog dialog;
  EXPECT_EQ(dialog.SendMessage(100, 1, 0), 0);
  dialog.PostCall([] { FAIL(); });
  dialog.PostMessage(100, 2, 0);
  dialog.SetText(20, "x");
  EXPECT_EQ(dialog.GetText(20), "");
  QCoreApplication::processEvents();
  EXPECT_TRUE(dialog.messages.empty());
}

}  // namespace
