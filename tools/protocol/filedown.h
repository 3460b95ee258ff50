// Serial file sender: a file goes out in packets of 64, 256 or 512 bytes (the last one
// filled up with FFh); the target echoes every packet, and the echo must equal it.
// Transfers run on one worker thread that lives as long as its owner wants it and never
// reports to an owner that has gone.
#pragma once

#include <atomic>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
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

// One transfer: open, every packet written and its echo read and compared, close. Ends
// early without a report when `stop` is set.
void RunTransfer(CComPort& port, const SendJob& job, const TransferReports& reports,
                 const std::atomic<bool>& stop);

class FileSender {
 public:
  struct Reports {
    std::function<void(const std::string&)> status;
    std::function<void(int)> progress;
    std::function<void()> finished;  // the transfer is over: "发送" back, bar to 0
  };
  // Runs `body` on a new thread that nobody joins; false when no thread can be started.
  using Launcher = std::function<bool(std::function<void()> body)>;
  static bool LaunchDetached(std::function<void()> body);

  explicit FileSender(Reports reports, Launcher launcher = LaunchDetached);
  // Cancels a running transfer without waiting for it; no report is made once it returns.
  ~FileSender();
  FileSender(const FileSender&) = delete;
  FileSender& operator=(const FileSender&) = delete;

  // Starts the worker, which then waits for Send. False when it cannot be started.
  bool Start();
  bool Running() const { return started_; }
  // The start signal (auto-reset): the worker runs one transfer of `job`.
  bool Send(SendJob job);

 private:
  struct State;
  static void Work(const std::shared_ptr<State>& state);

  std::shared_ptr<State> state_;
  Launcher launcher_;
  bool started_ = false;
};

}  // namespace protocol
