// The serial file sender window with a target on a pseudo-terminal.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QProgressBar>
#include <QTest>
#include <QThread>
#include <QWidget>
#include <atomic>
#include <filesystem>
#include <fstream>

#include "tests/tools/protocol/pty_target.h"
#include "tools/protocol/CFileDownDlg.h"
#include "tools/protocol/comport.h"
#include "winsys/DialogWindow.h"
#include "winsys/Prompt.h"

namespace {

using testing_serial::Behaviour;
using testing_serial::PtyTarget;
namespace fs = std::filesystem;

constexpr int kPath = 1001;
constexpr int kProgress = 1017;
constexpr int kPort = 1018;
constexpr int kPacket = 1020;
constexpr int kStatus = 1021;
constexpr int kOpen = 1022;
constexpr int kSend = 1023;
constexpr int kCom = 3;

// How long a transfer may take before the test gives up: a safety net, not a timing.
constexpr int kPatienceMs = 10000;

std::vector<uint8_t> Filled(std::vector<uint8_t> bytes, size_t packet) {
  while (bytes.size() % packet) bytes.push_back(0xFF);
  return bytes;
}

class FileDownDialogTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("quorkit-filedown-" + std::to_string(getpid()));
    fs::create_directories(folder_);
    winsys::InstallPrompter(&prompter_);
  }
  void TearDown() override {
    winsys::InstallPrompter(nullptr);
    CFileDownDlg::UseWorkerLauncher(nullptr);
    protocol::SetComDevice(kCom, "");
    fs::remove_all(folder_);
  }

  std::string WriteFile(const std::string& name, const std::vector<uint8_t>& bytes) {
    const std::string path = (folder_ / name).string();
    std::ofstream(path, std::ios::binary)
        .write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return path;
  }
  void Load(CFileDownDlg& dialog, const std::string& path) {
    prompter_.QueueOpen(path);
    ASSERT_TRUE(dialog.Click(kOpen));
  }

  fs::path folder_;
  winsys::ScriptedPrompter prompter_;
};

TEST_F(FileDownDialogTest, ALoadDuringATransferWaitsForTheNextOne) {
  PtyTarget target(Behaviour::kEcho, 64);
  protocol::SetComDevice(kCom, target.path());
  CFileDownDlg dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  dialog.ShowWindow();
  dialog.Select(kPort, kCom - 1);
  std::vector<uint8_t> first(200000);
  for (size_t i = 0; i < first.size(); ++i) first[i] = static_cast<uint8_t>(i % 253);
  const std::vector<uint8_t> second = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  Load(dialog, WriteFile("first.bin", first));
  ASSERT_TRUE(dialog.Click(kSend));
  EXPECT_FALSE(dialog.IsEnabled(kSend));
  while (target.Sessions().empty()) QThread::msleep(1);  // the transfer is under way
  Load(dialog, WriteFile("second.bin", second));
  EXPECT_EQ(dialog.GetText(kStatus), "文件大小：10 字节");
  EXPECT_EQ(dialog.GetText(kPath), (folder_ / "second.bin").string());
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.IsEnabled(kSend); }, kPatienceMs));
  EXPECT_EQ(dialog.GetText(kStatus), "下载完成!");
  EXPECT_EQ(dialog.GetPos(kProgress), 0);

  // The target tells transfers apart by the closing of the port in between.
  for (int i = 0; i < 500 && target.FinishedSessions() < 1; ++i) QThread::msleep(2);
  ASSERT_TRUE(dialog.Click(kSend));
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.IsEnabled(kSend); }, kPatienceMs));
  EXPECT_EQ(dialog.GetText(kStatus), "下载完成!");
  QTest::qWait(50);
  const auto sessions = target.Sessions();
  ASSERT_EQ(sessions.size(), 2u);
  EXPECT_EQ(sessions[0], Filled(first, 64));
  EXPECT_EQ(sessions[1], Filled(second, 64));
}

// A refused load (too large, or a FIFO picked in the dialog) answers at once in the status
// line and leaves the loaded file as it was: Send still sends that one.
TEST_F(FileDownDialogTest, ARefusedLoadKeepsTheLoadedFile) {
  PtyTarget target(Behaviour::kEcho, 64);
  protocol::SetComDevice(kCom, target.path());
  CFileDownDlg dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  dialog.ShowWindow();
  dialog.Select(kPort, kCom - 1);
  const std::vector<uint8_t> bytes = {9, 8, 7, 6, 5};
  const std::string loaded = WriteFile("small.bin", bytes);
  Load(dialog, loaded);
  const std::string huge = WriteFile("huge.bin", {});
  ASSERT_EQ(truncate(huge.c_str(), (64 << 20) + 1), 0);  // sparse: no disk used
  const std::string fifo = (folder_ / "fifo.bin").string();
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  const struct {
    std::string path;
    std::string status;
  } refusals[] = {
      {huge, "文件超过64MB,无法发送!"},
      {fifo, "打开文件:\n" + fifo + "\n失败!"},
  };
  for (const auto& refusal : refusals) {
    Load(dialog, refusal.path);
    EXPECT_EQ(dialog.GetText(kStatus), refusal.status);
    EXPECT_EQ(dialog.GetText(kPath), loaded);
  }
  ASSERT_TRUE(dialog.Click(kSend));
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.IsEnabled(kSend); }, kPatienceMs));
  EXPECT_EQ(dialog.GetText(kStatus), "下载完成!");
  for (int i = 0; i < 500 && target.FinishedSessions() < 1; ++i) QThread::msleep(2);
  const auto sessions = target.Sessions();
  ASSERT_EQ(sessions.size(), 1u);
  EXPECT_EQ(sessions[0], Filled(bytes, 64));
}

TEST_F(FileDownDialogTest, TheBarFollowsEveryEchoedPacketThenDropsToZero) {
  PtyTarget target(Behaviour::kEcho, 256);
  protocol::SetComDevice(kCom, target.path());
  CFileDownDlg dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  dialog.ShowWindow();
  auto* bar = qobject_cast<QProgressBar*>(dialog.Window()->Control(kProgress));
  ASSERT_NE(bar, nullptr);
  EXPECT_EQ(bar->minimum(), 0);
  EXPECT_EQ(bar->maximum(), 100);
  std::vector<int> shown;
  QObject::connect(bar, &QProgressBar::valueChanged,
                   [&shown](int value) { shown.push_back(value); });
  dialog.Select(kPort, kCom - 1);
  dialog.Select(kPacket, 1);
  Load(dialog, WriteFile("data.bin", std::vector<uint8_t>(1000, 0x42)));
  ASSERT_TRUE(dialog.Click(kSend));
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.IsEnabled(kSend); }, kPatienceMs));
  EXPECT_EQ(dialog.GetText(kStatus), "下载完成!");
  EXPECT_EQ(shown, (std::vector<int>{25, 51, 76, 100, 0}));
}

TEST_F(FileDownDialogTest, AVanishingDeviceEndsTheTransferAndSendComesBack) {
  PtyTarget target(Behaviour::kVanish, 256, 1);
  // COM3 names a link to the terminal, removed once it vanishes: a freed terminal number
  // taken by a test running beside this one must not bring the device back.
  const std::string link = (folder_ / "vanishing-tty").string();
  ASSERT_EQ(symlink(target.path().c_str(), link.c_str()), 0);
  protocol::SetComDevice(kCom, link);
  CFileDownDlg dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  dialog.ShowWindow();
  dialog.Select(kPort, kCom - 1);
  dialog.Select(kPacket, 1);
  Load(dialog, WriteFile("data.bin", std::vector<uint8_t>(1000, 0x42)));
  ASSERT_TRUE(dialog.Click(kSend));
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.IsEnabled(kSend); }, kPatienceMs));
  EXPECT_EQ(dialog.GetText(kStatus), "端口错误");
  EXPECT_EQ(dialog.GetPos(kProgress), 0);
  // The device is gone for good: the next try cannot open it.
  ASSERT_EQ(unlink(link.c_str()), 0);
  ASSERT_TRUE(dialog.Click(kSend));
  ASSERT_TRUE(QTest::qWaitFor([&] { return dialog.IsEnabled(kSend); }, kPatienceMs));
  EXPECT_EQ(dialog.GetText(kStatus), "打开COM3失败");
}

TEST_F(FileDownDialogTest, AWorkerThatCannotStartLeavesSendDisabled) {
  CFileDownDlg::UseWorkerLauncher(
      [](std::function<void(std::stop_token)>) { return std::jthread(); });
  CFileDownDlg dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  dialog.ShowWindow();
  EXPECT_EQ(dialog.GetText(kStatus), "发送线程启动失败!");
  EXPECT_FALSE(dialog.IsEnabled(kSend));
  EXPECT_FALSE(dialog.Click(kSend));
}

// The worker blocked in a read of an echo that never comes is stopped and joined when its
// window goes: with the dialog, or with the window of its owner while the dialog stays.
TEST_F(FileDownDialogTest, AWindowThatGoesMidTransferStopsAndJoinsItsWorker) {
  for (const bool owner_goes : {false, true}) {
    PtyTarget target(Behaviour::kSilent, 64);
    protocol::SetComDevice(kCom, target.path());
    auto worker_done = std::make_shared<std::atomic<bool>>(false);
    CFileDownDlg::UseWorkerLauncher([worker_done](std::function<void(std::stop_token)> body) {
      return std::jthread([body = std::move(body), worker_done](std::stop_token stop) {
        body(std::move(stop));
        *worker_done = true;
      });
    });
    auto owner = std::make_unique<winsys::Dialog>(993);
    ASSERT_TRUE(owner->Create(nullptr));
    auto dialog = std::make_unique<CFileDownDlg>();
    ASSERT_TRUE(dialog->Create(owner.get()));
    dialog->ShowWindow();
    dialog->Select(kPort, kCom - 1);
    Load(*dialog, WriteFile("data.bin", std::vector<uint8_t>(1000, 0x42)));
    ASSERT_TRUE(dialog->Click(kSend));
    while (target.Sessions().empty()) QThread::msleep(1);
    QThread::msleep(50);  // the worker now waits for the echo
    QElapsedTimer clock;
    clock.start();
    if (owner_goes) {
      owner.reset();
      EXPECT_FALSE(dialog->HasWindow());
    } else {
      dialog.reset();
    }
    const qint64 took = clock.elapsed();
    EXPECT_TRUE(*worker_done) << owner_goes;
    EXPECT_LT(took, 5000) << owner_goes;  // only a hang; bench/ measures the latency
    QTest::qWait(100);  // nothing the worker posted reaches the window that has gone
    // The stopped worker let go of the port.
    for (int i = 0; i < 500 && target.FinishedSessions() == 0; ++i) QThread::msleep(10);
    EXPECT_EQ(target.FinishedSessions(), 1) << owner_goes;
    dialog.reset();
    owner.reset();
    protocol::SetComDevice(kCom, "");
  }
}

TEST_F(FileDownDialogTest, ChoosingAPortShowsItsDevice) {
  PtyTarget target(Behaviour::kEcho, 64);
  protocol::SetComDevice(kCom, target.path());
  CFileDownDlg dialog;
  ASSERT_TRUE(dialog.Create(nullptr));
  dialog.ShowWindow();
  dialog.Select(kPort, kCom - 1);
  EXPECT_EQ(dialog.GetText(kStatus), "COM3：" + target.path());
  const std::string tip = dialog.Window()->Control(kPort)->toolTip().toStdString();
  EXPECT_NE(tip.find("COM3：" + target.path()), std::string::npos) << tip;
  EXPECT_EQ(dialog.GetItems(kPort).at(2), "COM3");  // the items stay COM numbers
}

}  // namespace
