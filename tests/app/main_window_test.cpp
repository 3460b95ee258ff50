// The main window through the winsys seam: menu, launch rule, About box, banner hand-over.
#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QImage>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdlib>
#include <fstream>
#include <map>
#include <thread>

#include "app/Application.h"
#include "app/CQuorDlg.h"
#include "app/ToolTable.h"
#include "app/history.h"
#include "app/version.h"
#include "tests/banner/gif_fixture.h"
#include "winsys/DialogWindow.h"
#include "winsys/Prompt.h"

namespace {

class MainWindowTest : public testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(data_home_.isValid());
    setenv("XDG_DATA_HOME", data_home_.path().toUtf8().constData(), 1);
    winsys::InstallPrompter(&prompter_);
  }
  void TearDown() override {
    winsys::InstallPrompter(nullptr);
    winsys::SetModalObserver(nullptr);
    app::UseProgramVersionRecord();
  }

  // Writes a 500 x 60 picture of one colour as the downloaded banner file.
  std::string WriteBannerFile(CQuorDlg& main, QRgb colour, const char* format = "BMP") {
    QImage image(500, 60, QImage::Format_RGB32);
    image.fill(colour);
    const std::string path = main.banner_folder() + "/veytoolad.gif";
    EXPECT_TRUE(image.save(QString::fromStdString(path), format));
    return path;
  }

  QTemporaryDir data_home_;
  winsys::ScriptedPrompter prompter_;
};

TEST_F(MainWindowTest, MenuHoldsTheFourGroupsInOrder) {
  CQuorDlg main;
  ASSERT_TRUE(main.Create(nullptr));
  auto* bar = main.Window()->findChild<QMenuBar*>();
  ASSERT_NE(bar, nullptr);
  QStringList titles;
  int entries = 0;
  for (QAction* group : bar->actions()) {
    titles << group->text();
    entries += static_cast<int>(group->menu()->actions().size());
  }
  EXPECT_EQ(titles, (QStringList{"通信协议", "电路设计", "单片机", "工程"}));
  EXPECT_EQ(entries, 23);
  QStringList first;
  for (QAction* item : bar->actions().at(0)->menu()->actions()) first << item->text();
  EXPECT_EQ(first, (QStringList{"Modbus协议指令生成器", "电总协议指令生成器", "数值存储码转换器",
                                "十进制/十六进制字符转换器", "数据包校验码生成器",
                                "Hex到Bin文件转换器", "串口文件下发器", "操作符两边互换器"}));
  EXPECT_EQ(bar->actions().at(3)->menu()->actions().at(0)->text(), "热水");
}

TEST_F(MainWindowTest, EntriesOfToolsNotBuiltAreDisabled) {
  CQuorDlg main;
  ASSERT_TRUE(main.Create(nullptr));
  for (const app::ToolEntry& entry : app::ToolTable()) {
    EXPECT_TRUE(main.IsMenuCommandEnabled(entry.command)) << entry.command;
    EXPECT_NE(entry.make != nullptr, entry.run != nullptr) << entry.command;
  }
  for (const int command : main.MenuCommands()) {
    if (app::FindTool(command) != nullptr) continue;
    EXPECT_FALSE(main.IsMenuCommandEnabled(command)) << command;
    EXPECT_FALSE(main.RunMenuCommand(command)) << command;
  }
  EXPECT_TRUE(main.IsMenuCommandEnabled(1015));
}

TEST_F(MainWindowTest, CaptionAndClientSize) {
  CQuorDlg main;
  ASSERT_TRUE(main.Create(nullptr));
  EXPECT_EQ(main.GetCaption(), "QuorKit V2.7.4 - www.quorkit.example");
  EXPECT_EQ(main.Window()->Client()->size(), QSize(500, 60));
  EXPECT_EQ(main.Window()->Control(CQuorDlg::kBannerControl)->geometry(), QRect(0, 0, 500, 60));
}

TEST_F(MainWindowTest, CaptionWithoutVersionRecord) {
  app::UseVersionRecord(nullptr);
  CQuorDlg main;
  ASSERT_TRUE(main.Create(nullptr));
  EXPECT_EQ(main.GetCaption(), "  - ");
}

TEST_F(MainWindowTest, ToolWindowIsCreatedOnceAndKeepsWhatWasTyped) {
  CQuorDlg main;
  ASSERT_TRUE(main.Create(nullptr));
  winsys::Dialog* tool = main.ToolDialog(1015);
  ASSERT_NE(tool, nullptr);
  EXPECT_FALSE(tool->HasWindow());
  ASSERT_TRUE(main.RunMenuCommand(1015));
  winsys::DialogWindow* window = tool->Window();
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(tool->IsWindowVisible());
  EXPECT_EQ(window->parentWidget(), main.Window());
  ASSERT_TRUE(main.RunMenuCommand(1015));
  EXPECT_EQ(tool->Window(), window);

  tool->TypeText(1001, "01 03 00 00 00 01");
  tool->Select(1049, 6);
  tool->Close();
  EXPECT_FALSE(tool->IsWindowVisible());
  EXPECT_EQ(tool->Window(), window);
  ASSERT_TRUE(main.RunMenuCommand(1015));
  EXPECT_TRUE(tool->IsWindowVisible());
  EXPECT_EQ(tool->GetText(1001), "01 03 00 00 00 01");
  EXPECT_EQ(tool->GetCurSel(1049), 6);
  tool->Click(1032);
  EXPECT_EQ(tool->GetText(1033), "0x84(132) 0x0A(10)");
}

TEST_F(MainWindowTest, AboutBoxOpensModallyForEveryValueOfItsCommand) {
  CQuorDlg main;
  ASSERT_TRUE(main.Create(nullptr));
  int opened = 0;
  std::string caption, version, history, copyright;
  winsys::SetModalObserver([&](winsys::Dialog* dialog, bool open) {
    if (!open) return;
    ++opened;
    EXPECT_TRUE(dialog->Window()->isModal());
    caption = dialog->GetCaption();
    version = dialog->GetText(1014);
    history = dialog->GetText(1015);
    copyright = dialog->GetText(1016);
    QTimer::singleShot(0, [dialog] { dialog->Close(); });
  });
  main.SysCommand(16);
  EXPECT_EQ(opened, 1);
  EXPECT_EQ(caption, "关于本程序");
  EXPECT_EQ(version, "QuorKit V2.7.4(20241001)");
  EXPECT_EQ(history, app::VersionHistory());
  EXPECT_EQ(copyright, "Copyright (C) 2014-2024 quorkit.example");
  main.SysCommand(0x1F);
  EXPECT_EQ(opened, 2);
  main.SysCommand(0x20);
  main.SysCommand(0xF060);
  EXPECT_EQ(opened, 2);
}

TEST_F(MainWindowTest, AboutBoxWithoutVersionRecord) {
  CQuorDlg main;
  ASSERT_TRUE(main.Create(nullptr));
  app::UseVersionRecord(nullptr);
  std::string version = "unset", copyright = "unset";
  winsys::SetModalObserver([&](winsys::Dialog* dialog, bool open) {
    if (!open) return;
    version = dialog->GetText(1014);
    copyright = dialog->GetText(1016);
    QTimer::singleShot(0, [dialog] { dialog->Close(); });
  });
  main.SysCommand(16);
  EXPECT_EQ(version, " ()");
  EXPECT_EQ(copyright, "");
}

TEST_F(MainWindowTest, BuiltInBannerIsDrawnAtStart) {
  CQuorDlg main;
  ASSERT_TRUE(main.Create(nullptr));
  EXPECT_TRUE(main.picture().IsCanvasReady());
  EXPECT_EQ(main.picture().PictureWidth(), 500);
  EXPECT_EQ(main.picture().PictureHeight(), 60);
  EXPECT_EQ(main.banner_state(), 0);
  EXPECT_EQ(main.banner_ticks(), 0);
  EXPECT_TRUE(main.HasTimer(CQuorDlg::kBannerTimer));
}

TEST_F(MainWindowTest, SavedBannerReplacesTheBuiltInOneAtTheTenthTick) {
  CQuorDlg main;
  ASSERT_TRUE(main.Create(nullptr));
  WriteBannerFile(main, qRgb(0x12, 0x34, 0x56));
  const winsys::Rgb built_in = main.picture().CanvasPixel(1, 1);
  // The worker reports from its own thread; the window takes the report on its own.
  std::thread worker([&main] { main.PostMessage(CQuorDlg::kBannerMessage, 1, 0); });
  worker.join();
  while (main.banner_state() == 0) QCoreApplication::processEvents();
  EXPECT_EQ(main.banner_state(), 2);
  for (int tick = 1; tick <= 9; ++tick) {
    main.TickTimer(CQuorDlg::kBannerTimer);
    EXPECT_EQ(main.banner_ticks(), tick);
    EXPECT_EQ(main.picture().CanvasPixel(1, 1), built_in);
  }
  main.TickTimer(CQuorDlg::kBannerTimer);
  EXPECT_EQ(main.picture().CanvasPixel(1, 1), 0x123456u);
  EXPECT_FALSE(main.HasTimer(CQuorDlg::kBannerTimer));
  EXPECT_EQ(main.banner_ticks(), 9);
}

TEST_F(MainWindowTest, FailedDownloadFallsBackToAnEarlierFileOrKeepsTheBuiltIn) {
  {
    CQuorDlg main;
    ASSERT_TRUE(main.Create(nullptr));
    const winsys::Rgb built_in = main.picture().CanvasPixel(1, 1);
    for (int tick = 0; tick < 12; ++tick) main.TickTimer(CQuorDlg::kBannerTimer);
    EXPECT_TRUE(main.HasTimer(CQuorDlg::kBannerTimer));  // no answer yet: keeps looking
    main.SendMessage(CQuorDlg::kBannerMessage, 0, 0);
    main.TickTimer(CQuorDlg::kBannerTimer);  // no file left by an earlier run
    EXPECT_EQ(main.banner_state(), 1);
    EXPECT_FALSE(main.HasTimer(CQuorDlg::kBannerTimer));
    EXPECT_EQ(main.picture().CanvasPixel(1, 1), built_in);
  }
  CQuorDlg main;
  ASSERT_TRUE(main.Create(nullptr));
  WriteBannerFile(main, qRgb(0xAB, 0xCD, 0xEF));
  main.SendMessage(CQuorDlg::kBannerMessage, 0, 0);
  for (int tick = 0; tick < 10; ++tick) main.TickTimer(CQuorDlg::kBannerTimer);
  EXPECT_EQ(main.picture().CanvasPixel(1, 1), 0xABCDEFu);
  EXPECT_FALSE(main.HasTimer(CQuorDlg::kBannerTimer));
}

TEST_F(MainWindowTest, BannerFileThatDoesNotLoadKeepsTheBuiltInBannerShown) {
  using giftest::GifBuilder;
  const std::vector<uint32_t> colours = {0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF};
  GifBuilder huge_screen(8000, 8000, colours);
  huge_screen.Image(0, 0, 2, 2, 1).Trailer();
  GifBuilder too_many(500, 60, colours);
  for (int i = 0; i < 4097; ++i) too_many.Control(0, 10).Image(i % 500, 0, 1, 1, 1 + i % 3);
  too_many.Trailer();
  GifBuilder no_image(500, 60, colours);
  no_image.Control(0, 10).PlainText("a").Control(0, 10).PlainText("b").Trailer();
  const auto text = [](const GifBuilder& gif) {
    return std::string(gif.Data().begin(), gif.Data().end());
  };
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"not a picture", "not a picture"},         {"GIF signature only", "GIF89a"},
      {"screen over 4096", text(huge_screen)},    {"4097 frames", text(too_many)},
      {"no frame with an image", text(no_image)},
  };
  for (const auto& c : cases) {
    CQuorDlg main;
    ASSERT_TRUE(main.Create(nullptr));
    const winsys::Rgb built_in = main.picture().CanvasPixel(1, 1);
    std::ofstream(main.banner_folder() + "/veytoolad.gif", std::ios::binary) << c.bytes;
    main.SendMessage(CQuorDlg::kBannerMessage, 1, 0);
    for (int tick = 0; tick < 10; ++tick) main.TickTimer(CQuorDlg::kBannerTimer);
    EXPECT_FALSE(main.HasTimer(CQuorDlg::kBannerTimer)) << c.name;
    // The banner area still shows the built-in picture, never an empty area.
    ASSERT_TRUE(main.picture().IsCanvasReady()) << c.name;
    EXPECT_EQ(main.picture().PictureWidth(), 500) << c.name;
    EXPECT_EQ(main.picture().PictureHeight(), 60) << c.name;
    EXPECT_FALSE(main.picture().IsGif()) << c.name;
    EXPECT_EQ(main.picture().CanvasPixel(1, 1), built_in) << c.name;
    QTemporaryDir dir;
    const std::string png = dir.filePath("banner.png").toStdString();
    ASSERT_TRUE(main.GrabToPng(CQuorDlg::kBannerControl, png)) << c.name;
    EXPECT_EQ(QImage(QString::fromStdString(png)).pixel(1, 1) & 0xFFFFFF, built_in) << c.name;
  }
}

TEST_F(MainWindowTest, MissingBannerFileKeepsTheBuiltInBanner) {
  CQuorDlg main;
  ASSERT_TRUE(main.Create(nullptr));
  main.SendMessage(CQuorDlg::kBannerMessage, 1, 0);
  for (int tick = 0; tick < 10; ++tick) main.TickTimer(CQuorDlg::kBannerTimer);
  EXPECT_TRUE(main.picture().IsCanvasReady());
  EXPECT_EQ(main.picture().PictureWidth(), 500);
  EXPECT_FALSE(main.HasTimer(CQuorDlg::kBannerTimer));
}

TEST_F(MainWindowTest, EscapeLeavesTheMainWindowOpenButTheCloseBoxEndsIt) {
  CQuorDlg main;
  ASSERT_TRUE(main.Create(nullptr));
  main.ShowWindow();
  ASSERT_TRUE(main.RunMenuCommand(1015));
  winsys::Dialog* tool = main.ToolDialog(1015);
  EXPECT_TRUE(tool->PressKey(1001, "Escape"));  // Esc still hides a tool
  EXPECT_FALSE(tool->IsWindowVisible());
  EXPECT_TRUE(main.PressKey(CQuorDlg::kBannerControl, "Escape"));
  EXPECT_TRUE(main.PressKey(CQuorDlg::kBannerControl, "Escape"));
  EXPECT_TRUE(main.IsWindowVisible());
  main.Window()->close();  // the close box
  EXPECT_FALSE(main.IsWindowVisible());
}

// The control that has the focus when each tool first opens: its first field that takes
// typing, or, where it has none, its first control that takes input at all.
TEST_F(MainWindowTest, EveryToolOpensWithTheFocusOnItsFirstInput) {
  const std::map<int, int> expected = {
      {1000, 1007},   // Modbus: device address (the output field above it is read-only)
      {32787, 1002},  // character codes: the text field, after the radio buttons
      {32805, 1018},  // serial sender: no field to type into, so the port list
      {1015, 1001},   // checksum: the multi-line input
      {32824, 1040},  // MIFARE: the first block's list
  };
  CQuorDlg main;
  ASSERT_TRUE(main.Create(nullptr));
  for (const app::ToolEntry& entry : app::ToolTable()) {
    winsys::Dialog* tool = main.ToolDialog(entry.command);
    if (tool == nullptr) continue;
    ASSERT_TRUE(main.RunMenuCommand(entry.command));
    const int focused = tool->FocusedControl();
    EXPECT_NE(focused, 0) << "tool " << entry.command << " opens without focus";
    auto found = expected.find(entry.command);
    if (found != expected.end()) {
      EXPECT_EQ(focused, found->second) << "tool " << entry.command;
    }
    // Hidden and shown again, it keeps the focus it had.
    tool->Close();
    ASSERT_TRUE(main.RunMenuCommand(entry.command));
    EXPECT_EQ(tool->FocusedControl(), focused) << "tool " << entry.command;
  }
}

TEST_F(MainWindowTest, ToolWindowsLeaveTheMenuBarAndEachOthersTitleBarsFree) {
  CQuorDlg main;
  ASSERT_TRUE(main.Create(nullptr));
  main.ShowWindow();
  const QRect screen = main.Window()->screen()->availableGeometry();
  const QRect main_frame = main.Window()->frameGeometry();
  const int header = main.Window()->geometry().top() - main_frame.top() +
                     main.Window()->findChild<QMenuBar*>()->height();
  std::vector<QRect> opened;
  for (int command : {1015, 1000, 32787, 32805}) {
    ASSERT_TRUE(main.RunMenuCommand(command));
    const QRect frame = main.ToolDialog(command)->Window()->frameGeometry();
    EXPECT_TRUE(screen.contains(frame)) << command;
    EXPECT_FALSE(frame.intersects(QRect(main_frame.topLeft(), QSize(main_frame.width(), header))))
        << command;
    for (const QRect& other : opened) {
      EXPECT_NE(frame.topLeft(), other.topLeft()) << command;
    }
    opened.push_back(frame);
  }
}

TEST(ToolkitTexts, AreChinese) {
  // Loaded at start for the Chinese interface; message boxes answer with "确定".
  QMessageBox box(QMessageBox::NoIcon, "t", "x", QMessageBox::Ok);
  EXPECT_EQ(box.button(QMessageBox::Ok)->text().remove('&').toStdString(), "确定");
  EXPECT_NE(QCoreApplication::translate("QFileDialog", "Look in:"), QString("Look in:"));
  EXPECT_NE(QCoreApplication::translate("QFileDialog", "File &name:"), QString("File &name:"));
  EXPECT_NE(QCoreApplication::translate("QFontDialog", "&Font"), QString("&Font"));
  EXPECT_NE(QCoreApplication::translate("QWidgetTextControl", "&Copy"), QString("&Copy"));
  EXPECT_TRUE(app::LoadToolkitTexts(app::kInterfaceLanguage));
}

}  // namespace
