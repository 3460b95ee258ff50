// Transfers against a target on a pseudo-terminal, file loading, and the worker's life.
#include "tools/protocol/filedown.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <condition_variable>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <thread>

#include "tests/tools/protocol/pty_target.h"

namespace {

using testing_serial::Behaviour;
using testing_serial::PtyTarget;
namespace fs = std::filesystem;

constexpr int kCom = 41;

std::vector<uint8_t> FileBytes(size_t size, uint8_t seed) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(seed + i * 7 + i / 251);
  return bytes;
}

// The bytes a target should see: the file, then FFh up to a whole packet.
std::vector<uint8_t> OnTheWire(std::vector<uint8_t> file, int packet, size_t limit) {
  while (file.size() % static_cast<size_t>(packet)) file.push_back(0xFF);
  if (file.size() > limit) file.resize(limit);
  return file;
}

struct TransferCase {
  const char* name;
  size_t file_size;
  int packet;
  Behaviour behaviour;
  int at;
  std::vector<int> progress;
  const char* status;
  size_t wire_bytes;  // what the target received
};

class TransferTest : public testing::TestWithParam<TransferCase> {};

TEST_P(TransferTest, ReportsAndWire) {
  const TransferCase& c = GetParam();
  PtyTarget target(c.behaviour, c.packet, c.at);
  protocol::SetComDevice(kCom, target.path());
  const std::vector<uint8_t> file = FileBytes(c.file_size, 3);

  protocol::CComPort port;
  protocol::SendJob job;
  job.data = std::make_shared<const std::vector<uint8_t>>(file);
  job.port = kCom;
  job.baud = 115200;
  job.packet = c.packet;
  std::vector<std::string> statuses;
  std::vector<int> progress;
  protocol::RunTransfer(port, job,
                        {[&](const std::string& text) { statuses.push_back(text); },
                         [&](int position) { progress.push_back(position); }},
                        std::stop_token());
  protocol::SetComDevice(kCom, "");

  EXPECT_EQ(statuses, std::vector<std::string>{c.status});
  EXPECT_EQ(progress, c.progress);
  EXPECT_FALSE(port.IsOpen());
  std::this_thread::sleep_for(std::chrono::milliseconds(50));  // let the target see the close
  const auto sessions = target.Sessions();
  ASSERT_EQ(sessions.size(), 1u);
  EXPECT_EQ(sessions[0], OnTheWire(file, c.packet, c.wire_bytes));
}

INSTANTIATE_TEST_SUITE_P(
    Targets, TransferTest,
    testing::Values(
        TransferCase{"FourPacketsWith24FillBytes",
                     1000,
                     256,
                     Behaviour::kEcho,
                     0,
                     {0, 25, 51, 76, 100},
                     "下载完成!",
                     1024},
        TransferCase{
            "OnePacketWithoutFill", 512, 512, Behaviour::kEcho, 0, {0, 100}, "下载完成!", 512},
        TransferCase{"SixteenSmallPackets",
                     1000,
                     64,
                     Behaviour::kEcho,
                     0,
                     {0, 6, 12, 19, 25, 32, 38, 44, 51, 57, 64, 70, 76, 83, 89, 96, 100},
                     "下载完成!",
                     1024},
        TransferCase{"OneByte", 1, 64, Behaviour::kEcho, 0, {0, 100}, "下载完成!", 64},
        TransferCase{"SilentTarget", 1000, 256, Behaviour::kSilent, 0, {0}, "读取超时", 256},
        TransferCase{"ShortEcho", 1000, 256, Behaviour::kShort, 0, {0}, "读取超时", 256},
        TransferCase{"ChangedByteInSecondPacket",
                     1000,
                     256,
                     Behaviour::kChange,
                     1,
                     {0, 25},
                     "校验失败!",
                     512},
        TransferCase{"ChangedByteInFillOfLastPacket",
                     600,
                     512,
                     Behaviour::kChange,
                     1,
                     {0, 85},
                     "校验失败!",
                     1024},
        TransferCase{"TargetVanishesAtThirdPacket",
                     1000,
                     256,
                     Behaviour::kVanish,
                     2,
                     {0, 25, 51},
                     "端口错误",
                     768}),
    [](const testing::TestParamInfo<TransferCase>& param_info) { return param_info.param.name; });

TEST(Transfer, PortThatCannotOpenSendsNothing) {
  const fs::path empty = fs::temp_directory_path() / ("quorkit-nodev2-" + std::to_string(getpid()));
  fs::create_directories(empty);
  protocol::SetSerialDeviceFolders(empty.string(), empty.string());
  protocol::CComPort port;
  protocol::SendJob job;
  job.data = std::make_shared<const std::vector<uint8_t>>(FileBytes(100, 1));
  job.port = 20;
  std::vector<std::string> statuses;
  int reports = 0;
  protocol::RunTransfer(
      port, job,
      {[&](const std::string& text) { statuses.push_back(text); }, [&](int) { ++reports; }},
      std::stop_token());
  protocol::SetSerialDeviceFolders("/dev", "/sys/class/tty");
  fs::remove_all(empty);
  EXPECT_EQ(statuses, std::vector<std::string>{"打开COM20失败"});
  EXPECT_EQ(reports, 0);
}

class LoadTest : public testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() / ("quorkit-load-" + std::to_string(getpid()));
    fs::create_directories(folder_);
  }
  void TearDown() override { fs::remove_all(folder_); }
  fs::path folder_;
};

TEST_F(LoadTest, FilesEmptyFilesAndFailures) {
  const std::vector<uint8_t> bytes = FileBytes(70000, 9);
  const fs::path big = folder_ / "big.bin";
  std::ofstream(big, std::ios::binary)
      .write(reinterpret_cast<const char*>(bytes.data()),
             static_cast<std::streamsize>(bytes.size()));
  protocol::FileLoad load = protocol::LoadSendFile(big.string());
  EXPECT_EQ(load.outcome, protocol::LoadOutcome::kLoaded);
  EXPECT_EQ(load.status, "文件大小：70000 字节");
  ASSERT_TRUE(load.data);
  EXPECT_EQ(*load.data, bytes);

  std::ofstream(folder_ / "empty.bin");
  load = protocol::LoadSendFile((folder_ / "empty.bin").string());
  EXPECT_EQ(load.outcome, protocol::LoadOutcome::kLoaded);
  EXPECT_EQ(load.status, "文件大小：0 字节");
  EXPECT_TRUE(load.data && load.data->empty());

  for (const fs::path& bad : {folder_ / "missing.bin", folder_}) {
    load = protocol::LoadSendFile(bad.string());
    EXPECT_EQ(load.outcome, protocol::LoadOutcome::kOpenFailed);
    EXPECT_EQ(load.status, "打开文件:\n" + bad.string() + "\n失败!");
    EXPECT_FALSE(load.data);
  }
}

// 64 MiB are sent, one byte more is refused before anything is read (sparse files: no
// disk is used); a FIFO without a writer, a device and a folder fail at once.
TEST_F(LoadTest, SizeCapAndFilesThatAreNoFiles) {
  const fs::path at_cap = folder_ / "at_cap.bin";
  const fs::path over = folder_ / "over.bin";
  std::ofstream(at_cap).close();
  std::ofstream(over).close();
  ASSERT_EQ(truncate(at_cap.c_str(), 64 << 20), 0);
  ASSERT_EQ(truncate(over.c_str(), (64 << 20) + 1), 0);
  protocol::FileLoad load = protocol::LoadSendFile(over.string());
  EXPECT_EQ(load.outcome, protocol::LoadOutcome::kTooLarge);
  EXPECT_EQ(load.status, "文件超过64MB,无法发送!");
  EXPECT_FALSE(load.data);
  load = protocol::LoadSendFile(at_cap.string());
  EXPECT_EQ(load.outcome, protocol::LoadOutcome::kLoaded);
  EXPECT_EQ(load.status, "文件大小：67108864 字节");
  ASSERT_TRUE(load.data);
  EXPECT_EQ(load.data->size(), 64u << 20);
  load.data.reset();

  const fs::path fifo = folder_ / "fifo.bin";
  ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
  for (const fs::path& bad : {fifo, fs::path("/dev/zero"), fs::path("/dev/null")}) {
    load = protocol::LoadSendFile(bad.string());
    EXPECT_EQ(load.outcome, protocol::LoadOutcome::kOpenFailed);
    EXPECT_EQ(load.status, "打开文件:\n" + bad.string() + "\n失败!");
    EXPECT_FALSE(load.data);
  }
}

TEST(HelpText, PiecesInOrder) {
  const std::string text = protocol::FileSendHelpText();
  EXPECT_EQ(text.rfind("简易下发协议说明：\r\n1.[打开文件]", 0), 0u);
  EXPECT_NE(text.find("进行校验，下位机应读到"), std::string::npos);
  EXPECT_NE(text.find("存储器地址。\r\n下位机示意代码如下 ：\r\nwhile(1)\r\n{\r\n  uart_recv_buf("),
            std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 18), "g_Address+=256;\r\n}");
}

// Collects a sender's reports as one ordered log; "finished" ends a transfer.
struct Log {
  std::mutex mutex;
  std::condition_variable changed;
  std::vector<std::string> lines;
  int finished = 0;

  protocol::FileSender::Reports Reports() {
    return {[this](const std::string& text) { Add(text); },
            [this](int position) { Add(std::to_string(position)); },
            [this] {
              Add("finished");
              std::lock_guard<std::mutex> lock(mutex);
              ++finished;
              changed.notify_all();
            }};
  }
  void Add(const std::string& line) {
    std::lock_guard<std::mutex> lock(mutex);
    lines.push_back(line);
  }
  bool WaitFinished(int count) {
    std::unique_lock<std::mutex> lock(mutex);
    return changed.wait_for(lock, std::chrono::seconds(10), [&] { return finished >= count; });
  }
};

TEST(Sender, EachStartSignalRunsOneTransferOfItsOwnBytes) {
  PtyTarget target(Behaviour::kEcho, 256);
  protocol::SetComDevice(kCom, target.path());
  Log log;
  protocol::FileSender sender(log.Reports());
  ASSERT_TRUE(sender.Start());
  const std::vector<uint8_t> first = FileBytes(300, 1);
  auto bytes = std::make_shared<const std::vector<uint8_t>>(first);
  ASSERT_TRUE(sender.Send({bytes, kCom, 9600, 256}));
  bytes.reset();  // the owner lets go of its bytes: the transfer still has them
  ASSERT_TRUE(log.WaitFinished(1));
  // The target tells transfers apart by the closing of the port in between.
  for (int i = 0; i < 500 && target.FinishedSessions() < 1; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  const std::vector<uint8_t> second = FileBytes(10, 2);
  ASSERT_TRUE(sender.Send({std::make_shared<const std::vector<uint8_t>>(second), kCom, 9600, 256}));
  ASSERT_TRUE(log.WaitFinished(2));
  protocol::SetComDevice(kCom, "");

  EXPECT_EQ(log.lines, (std::vector<std::string>{"0", "85", "100", "下载完成!", "finished", "0",
                                                 "100", "下载完成!", "finished"}));
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  const auto sessions = target.Sessions();
  ASSERT_EQ(sessions.size(), 2u);
  EXPECT_EQ(sessions[0], OnTheWire(first, 256, 512));
  EXPECT_EQ(sessions[1], OnTheWire(second, 256, 256));
}

TEST(Sender, WithoutAThreadNothingStarts) {
  Log log;
  protocol::FileSender sender(log.Reports(),
                              [](std::function<void(std::stop_token)>) { return std::jthread(); });
  EXPECT_FALSE(sender.Start());
  EXPECT_FALSE(sender.Send({std::make_shared<const std::vector<uint8_t>>(10, 0), kCom, 9600, 64}));
  EXPECT_TRUE(log.lines.empty());
}

// The sender going away mid-transfer stops the worker, which is waiting for an echo that
// never comes, and joins it: the worker has ended when the destructor returns, and nothing
// is reported after the stop.
TEST(Sender, GoingAwayStopsAndJoinsTheWorkerWaitingForAnEcho) {
  PtyTarget target(Behaviour::kSilent, 64);
  protocol::SetComDevice(kCom, target.path());
  auto worker_done = std::make_shared<std::atomic<bool>>(false);
  auto reports_after = std::make_shared<std::atomic<int>>(0);
  auto stopping = std::make_shared<std::atomic<bool>>(false);
  const auto count_late = [stopping, reports_after] {
    if (*stopping) ++*reports_after;
  };
  auto sender = std::make_unique<protocol::FileSender>(
      protocol::FileSender::Reports{[count_late](const std::string&) { count_late(); },
                                    [count_late](int) { count_late(); },
                                    [count_late] { count_late(); }},
      [worker_done](std::function<void(std::stop_token)> body) {
        return std::jthread([body = std::move(body), worker_done](std::stop_token stop) {
          body(std::move(stop));
          *worker_done = true;
        });
      });
  ASSERT_TRUE(sender->Start());
  ASSERT_TRUE(
      sender->Send({std::make_shared<const std::vector<uint8_t>>(1000, 0x5A), kCom, 115200, 64}));
  // Wait until the first packet is out: the worker is now waiting for the echo.
  for (int i = 0; i < 500 && target.Sessions().empty(); ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  ASSERT_FALSE(target.Sessions().empty());
  std::this_thread::sleep_for(std::chrono::milliseconds(50));
  *stopping = true;
  const auto start = std::chrono::steady_clock::now();
  sender.reset();
  const auto took = std::chrono::steady_clock::now() - start;
  protocol::SetComDevice(kCom, "");
  EXPECT_TRUE(*worker_done);
  EXPECT_EQ(*reports_after, 0);
  // Catches only a hang (the read alone would wait 3 s); bench/ measures the latency.
  EXPECT_LT(took, std::chrono::seconds(5));
  // The port was closed: the target saw its one session end.
  for (int i = 0; i < 500 && target.FinishedSessions() < 1; ++i) {
    std::this_thread::sleep_for(std::chrono::milliseconds(2));
  }
  EXPECT_EQ(target.FinishedSessions(), 1);
}

}  // namespace
