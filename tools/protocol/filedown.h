// Serial file sender: a file goes out in packets of 64, 256 or 512 bytes (the last one
// filled up with FFh); the target echoes every packet, and the echo must equal it.
// Transfers run on one worker thread that its owner stops and joins: a stop request ends a
// waiting read or write at once, so the owner never waits long for it.
#pragma once

#include <condition_variable>
#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <stop_token>
#include <string>
#include <thread>
#include <vector>

#include "tools/protocol/comport.h"

namespace protocol {

constexpr int kMaxPacketSize = 512;

using FileBytes = std::shared_ptr<const std::vector<uint8_t>>;

// The largest file sent: 64 MiB.
constexpr uint64_t kMaxSendFileSize = 64ull * 1024 * 1024;

enum class LoadOutcome { kLoaded, kOpenFailed, kNoMemory, kTooLarge };

struct FileLoad {
  LoadOutcome outcome = LoadOutcome::kOpenFailed;
  FileBytes data;  // the file's bytes when loaded
  std::string status;  // "文件大小：%d 字节", "打开文件:\n%s\n失败!", "系统没有足够内存!",
                       // "文件超过64MB,无法发送!"
};

// Reads the whole file at `path`, a regular file of at most kMaxSendFileSize bytes: a
// FIFO, device or directory fails at once (kOpenFailed), a larger file is not read at all.
FileLoad LoadSendFile(const std::string& path);

// The text of the tool's "说明" box.
std::string FileSendHelpText();

struct SendJob {
  FileBytes data;  // the transfer keeps these bytes even when another file is loaded
  int port = 1;
  int baud = 9600;
  int packet = 64;  // 1 to kMaxPacketSize
};

// What a transfer tells its window; called on the worker thread, in order.
struct TransferReports {
  std::function<void(const std::string&)> status;
  std::function<void(int)> progress;  // 0 to 100
};

// One transfer: open, every packet written and its echo read and compared, close. A stop
// request on `stop` ends it at once (a waiting read or write included), without a report.
void RunTransfer(CComPort& port, const SendJob& job, const TransferReports& reports,
                 std::stop_token stop);

class FileSender {
 public:
  struct Reports {
    std::function<void(const std::string&)> status;
    std::function<void(int)> progress;
    std::function<void()> finished;  // the transfer is over: "发送" back, bar to 0
  };
  // Runs `body` on a new thread; a thread that is not joinable when none can be started.
  using Launcher = std::function<std::jthread(std::function<void(std::stop_token)> body)>;
  static std::jthread LaunchThread(std::function<void(std::stop_token)> body);

  explicit FileSender(Reports reports, Launcher launcher = LaunchThread);
  // Stops a running transfer and joins the worker; nothing is reported from the stop on.
  ~FileSender();
  FileSender(const FileSender&) = delete;
  FileSender& operator=(const FileSender&) = delete;

  // Starts the worker, which then waits for Send. False when it cannot be started.
  bool Start();
  bool Running() const { return worker_.joinable(); }
  // The start signal (auto-reset): the worker runs one transfer of `job`.
  bool Send(SendJob job);

 private:
  void Work(std::stop_token stop);

  std::mutex mutex_;
  std::condition_variable_any wake_;
  bool start_ = false;  // the auto-reset start signal
  SendJob job_;
  Reports reports_;
  CComPort port_;  // used by the worker only
  Launcher launcher_;
  std::jthread worker_;
};

}  // namespace protocol
