// The window layer as users meet it: Enter, group boxes, placement, exact text, and the
// checks that catch a template or binding that does not fit together.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QThread>
#include <atomic>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "winsys/Dialog.h"
#include "winsys/DialogWindow.h"
#include "winsys/Template.h"
#include "winsys/WindowLink.h"

namespace {

class EnterDialog : public winsys::Dialog {
 public:
  EnterDialog() : Dialog(993) {
    OnClicked(40, [this] { pressed.push_back(40); });
  }
  std::vector<int> pressed;

 protected:
  void OnOK() override { pressed.push_back(winsys::kIdOk); }
};

// Records what the layer reports as misuse for the life of the object.
class MisuseLog {
 public:
  MisuseLog() {
    winsys::SetMisuseHandler([this](const std::string& what) { lines.push_back(what); });
  }
  ~MisuseLog() { winsys::SetMisuseHandler(nullptr); }
  std::vector<std::string> lines;
};

TEST(WindowLayer, EnterPressesOnlyTheDefaultButton) {
  EnterDialog dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  dialog.ShowWindow();
  EXPECT_TRUE(dialog.PressKey(20, "Return"));  // single-line field
  EXPECT_TRUE(dialog.PressKey(22, "Return"));  // multi-line without "wantreturn"
  EXPECT_EQ(dialog.pressed, (std::vector<int>{winsys::kIdOk, winsys::kIdOk}));
  dialog.SetText(21, "ab");
  EXPECT_TRUE(dialog.PressKey(21, "Return"));  // makes a new line instead
  EXPECT_EQ(dialog.pressed.size(), 2u);
  EXPECT_EQ(dialog.GetText(21), "\r\nab");
  EXPECT_FALSE(dialog.PressKey(20, "F1"));
}

TEST(WindowLayer, EnterWithoutADefaultButtonDoesNothing) {
  // Template 990 has push buttons but no default one.
  class NoDefault : public winsys::Dialog {
   public:
    NoDefault() : Dialog(990) {
      OnClicked(40, [this] { ++presses; });
    }
    int presses = 0;
  } dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  dialog.ShowWindow();
  EXPECT_TRUE(dialog.PressKey(20, "Return"));
  EXPECT_EQ(dialog.presses, 0);
  EXPECT_TRUE(dialog.IsWindowVisible());
}

TEST(WindowLayer, TheFocusedPushButtonTakesEnter) {
  // With a default button: the focused push button takes Enter while it has the focus;
  // with the focus back in a field, Enter goes to the default button again.
  EnterDialog dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  dialog.ShowWindow();
  EXPECT_TRUE(dialog.PressKey(40, "Return"));
  EXPECT_TRUE(dialog.PressKey(20, "Return"));
  EXPECT_EQ(dialog.pressed, (std::vector<int>{40, winsys::kIdOk}));

  // Without one: a focused button takes Enter, and stays no default once the focus has
  // moved on; Enter in fields, lists and drop-downs does nothing.
  class NoDefault : public winsys::Dialog {
   public:
    NoDefault() : Dialog(990) {
      OnClicked(40, [this] { ++presses; });
      OnSelChange(30, [this] { ++selections; });
      OnSelChange(31, [this] { ++selections; });
    }
    int presses = 0;
    int selections = 0;
  } plain;
  ASSERT_TRUE(plain.Create(nullptr));
  plain.ShowWindow();
  plain.AddString(30, "a");
  plain.AddString(31, "a");
  plain.SetText(31, "a");
  EXPECT_TRUE(plain.PressKey(40, "Return"));
  EXPECT_EQ(plain.presses, 1);
  for (int id : {20, 30, 31, 40}) {
    plain.SetFocus(id);
    if (id != 40) {
      EXPECT_TRUE(plain.PressKey(id, "Return")) << id;
    }
  }
  EXPECT_EQ(plain.presses, 1);
  EXPECT_TRUE(plain.IsWindowVisible());
  for (auto* button : plain.Window()->findChildren<QPushButton*>()) {
    if (!button->hasFocus()) {
      EXPECT_FALSE(button->isDefault());
    }
  }
}

TEST(WindowLayer, NewWindowsGoWhereTheyCoverNoBars) {
  const QRect screen(0, 0, 1366, 768);
  const QSize tool(400, 300);
  const int title = 24;
  struct Case {
    const char* what;
    QRect owner;
    std::vector<QRect> others;
    QPoint expected;
  };
  const Case cases[] = {
      {"below", QRect(100, 50, 520, 110), {}, QPoint(100, 160)},
      {"below, a title bar under the first tool",
       QRect(100, 50, 520, 110),
       {QRect(100, 160, 400, 300)},
       QPoint(100, 184)},
      {"below, past two tools",
       QRect(100, 50, 520, 110),
       {QRect(100, 160, 400, 300), QRect(100, 184, 400, 300)},
       QPoint(100, 208)},
      {"right when the owner is low", QRect(100, 450, 520, 110), {}, QPoint(620, 450)},
      {"above when very low", QRect(100, 600, 520, 110), {}, QPoint(100, 300)},
      {"left when low and at the right edge", QRect(846, 400, 520, 110), {}, QPoint(446, 400)},
      {"above when low and as wide as the screen", QRect(0, 600, 1366, 110), {}, QPoint(0, 300)},
      {"above, upwards past the tool above",
       QRect(0, 600, 1366, 110),
       {QRect(0, 300, 400, 300)},
       QPoint(0, 0)},
  };
  for (const Case& c : cases) {
    const QPoint at = winsys::PlaceNewWindow(c.owner, 40, tool, c.others, title, screen);
    const QRect frame(at, tool);
    EXPECT_EQ(at, c.expected) << c.what;
    EXPECT_TRUE(screen.contains(frame)) << c.what;
  }
  // A screen too small for any side: still fully on it, below the owner's bars.
  const QRect small(0, 0, 500, 400);
  const QPoint at = winsys::PlaceNewWindow(QRect(0, 0, 500, 150), 40, tool, {}, title, small);
  EXPECT_TRUE(small.contains(QRect(at, tool)));
  EXPECT_GE(at.y(), 40);
}

TEST(WindowLayer, GroupBoxFrameRunsThroughTheTitleAboveItsControls) {
  EnterDialog dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  dialog.ShowWindow();
  const winsys::DialogUnits& units = dialog.Window()->units();
  const QImage image = dialog.Window()->Client()->grab().toImage();
  const QColor background = image.pixelColor(image.width() - 1, image.height() - 1);
  // The frame's top line lies within the first half line of the group, above edit 20.
  const int x = units.X(4) + units.X(190) - 10;
  int line_y = -1;
  for (int y = units.Y(4); y < units.Y(14); ++y) {
    if (image.pixelColor(x, y) != background) {
      line_y = y;
      break;
    }
  }
  ASSERT_GE(line_y, 0) << "no frame line above the first control";
  EXPECT_LE(line_y, units.Y(4) + units.base_y / 2 + 1);
  EXPECT_LT(line_y, dialog.Window()->Control(20)->geometry().top());
}

TEST(WindowLayer, ToolWindowsOpenBelowTheOwnerCascadedAndOnScreen) {
  EnterDialog owner;
  ASSERT_TRUE(owner.Create(nullptr));
  owner.Window()->move(40, 30);
  owner.ShowWindow();
  EnterDialog first, second;
  ASSERT_TRUE(first.Create(&owner));
  ASSERT_TRUE(second.Create(&owner));
  first.ShowWindow();
  second.ShowWindow();
  const QRect owner_frame = owner.Window()->frameGeometry();
  EXPECT_EQ(first.Window()->pos(), QPoint(owner_frame.left(), owner_frame.bottom() + 1));
  EXPECT_EQ(second.Window()->x(), owner_frame.left());
  EXPECT_GT(second.Window()->y(), first.Window()->y());
  // Moved by the user, hidden and shown again: it stays where it was left.
  first.Window()->move(200, 210);
  first.ShowWindow(false);
  first.ShowWindow();
  EXPECT_EQ(first.Window()->pos(), QPoint(200, 210));
  // An owner at the bottom of the screen: the tool is pulled up onto it.
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EnterDialog low_owner, tool;
  ASSERT_TRUE(low_owner.Create(nullptr));
  low_owner.Window()->move(screen.right() - 20, screen.bottom() - 20);
  low_owner.ShowWindow();
  ASSERT_TRUE(tool.Create(&low_owner));
  tool.ShowWindow();
  EXPECT_TRUE(screen.contains(tool.Window()->frameGeometry()));
}

TEST(WindowLayer, FieldsHandBackExactlyWhatTheyHold) {
  EnterDialog dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  for (const std::string text : {"a\rb", "a\u2028b\u2029c\r\n", "\r\n\r\n", "tab\there"}) {
    dialog.SetText(22, text);
    EXPECT_EQ(dialog.GetText(22), text);
  }
  const std::string long_line(100000, '7');
  dialog.SetText(20, long_line);
  EXPECT_EQ(dialog.GetText(20), long_line);
  auto* edit = qobject_cast<QPlainTextEdit*>(dialog.Window()->Control(22));
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->tabStopDistance(), dialog.Window()->units().X(32));
}

TEST(WindowLayer, MalformedTemplatesAreRefusedWhenLoaded) {
  std::string error;
  EXPECT_EQ(winsys::FindDialogTemplate(991, &error), nullptr);
  EXPECT_NE(error.find("unknown kind \"spinner\""), std::string::npos) << error;
  EXPECT_EQ(winsys::FindDialogTemplate(992, &error), nullptr);
  EXPECT_NE(error.find("no style \"multilin\""), std::string::npos) << error;
  EXPECT_EQ(winsys::FindDialogTemplate(4711, &error), nullptr);
  EXPECT_EQ(error, "no such template");
  MisuseLog log;
  winsys::Dialog dialog(991);
  EXPECT_FALSE(dialog.Create(nullptr));
  EXPECT_EQ(log.lines.size(), 1u);
}

TEST(WindowLayer, VerbsOnMissingControlsOrWrongKindsAreReported) {
  MisuseLog log;
  EnterDialog dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  EXPECT_TRUE(log.lines.empty());
  dialog.SetText(4242, "x");
  dialog.SetCurSel(20, 1);    // an edit is no list
  dialog.SetCheck(40, true);  // a push button has no check
  dialog.SetPos(21, 3);
  EXPECT_EQ(log.lines, (std::vector<std::string>{
                           "SetText 4242: no such control in template 993",
                           "SetCurSel 20: a edit does not support it",
                           "SetCheck 40: not checkable",
                           "SetPos 21: a edit does not support it",
                       }));
}

TEST(WindowLayer, HandlersMustFitTheirControls) {
  class Misfit : public winsys::Dialog {
   public:
    Misfit() : Dialog(993) {
      OnClicked(4242, [] {});
      OnSelChange(20, [] {});
      OnClicked(winsys::kIdCancel, [] {});  // Esc: no button needed
    }
  } dialog;
  MisuseLog log;
  ASSERT_TRUE(dialog.Create(nullptr));
  EXPECT_EQ(log.lines, (std::vector<std::string>{
                           "OnSelChange 20: a edit never raises it",
                           "OnClicked 4242: no such control in template 993",
                       }));
}

}  // namespace

namespace {

class Recorder : public winsys::Dialog {
 public:
  Recorder() : Dialog(993) {}
  std::vector<uintptr_t> messages;

 protected:
  intptr_t OnMessage(unsigned, uintptr_t wparam, intptr_t) override {
    messages.push_back(wparam);
    return static_cast<intptr_t>(wparam) + 1;
  }
};

TEST(WorkerLink, PostsRunInOrderOnTheUserInterfaceThread) {
  Recorder dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  const winsys::WindowLink link = dialog.Link();
  ASSERT_TRUE(link.IsLinked());
  std::vector<int> order;
  std::atomic<bool> off_thread{false};
  const QThread* ui = QThread::currentThread();
  std::thread worker([&] {
    for (int i = 0; i < 20; ++i) {
      link.Post([&order, &off_thread, ui, i] {
        if (QThread::currentThread() != ui) off_thread = true;
        order.push_back(i);
      });
    }
    dialog.PostMessage(0x464, 5, 0);  // after the posted calls
  });
  worker.join();
  EXPECT_TRUE(order.empty());  // nothing runs before the window's thread takes it
  while (dialog.messages.empty()) QCoreApplication::processEvents();
  EXPECT_EQ(dialog.messages, std::vector<uintptr_t>{5});
  ASSERT_EQ(order.size(), 20u);
  for (int i = 0; i < 20; ++i) EXPECT_EQ(order[static_cast<size_t>(i)], i);
  EXPECT_FALSE(off_thread);
}

// Calls still queued when their window goes are dropped, whether the dialog goes with it
// or stays; a link taken without a window reaches nothing.
TEST(WorkerLink, PostsToAWindowThatIsGoneAreDropped) {
  for (const bool dialog_stays : {false, true}) {
    auto dialog = std::make_unique<Recorder>();
    ASSERT_TRUE(dialog->Create(nullptr));
    const winsys::WindowLink link = dialog->Link();
    auto ran = std::make_shared<std::atomic<int>>(0);
    std::thread worker([&] {
      for (int i = 0; i < 50; ++i) link.Post([ran] { ++*ran; });
      dialog->PostMessage(0x464, 1, 0);
    });
    worker.join();  // a worker ends before its window goes
    if (dialog_stays) {
      delete dialog->Window();
      EXPECT_FALSE(dialog->HasWindow());
      EXPECT_FALSE(dialog->Link().IsLinked());
      dialog->Link().Post([ran] { ++*ran; });
    } else {
      dialog.reset();
    }
    for (int i = 0; i < 5; ++i) QCoreApplication::processEvents();
    EXPECT_EQ(*ran, 0) << dialog_stays;
    if (dialog) {
      EXPECT_TRUE(dialog->messages.empty());
    }
  }
  winsys::WindowLink nowhere;
  nowhere.Post([] { ADD_FAILURE() << "a link to nothing ran a call"; });
  QCoreApplication::processEvents();
}

}  // namespace
