#include "tools/protocol/filedown.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <mutex>
#include <new>
#include <system_error>
#include <thread>

#include "base/fileio.h"
#include "base/format.h"
#include "base/tr.h"

namespace protocol {

FileLoad LoadSendFile(const std::string& path) {
  FileLoad load;
  base::InputFile file = base::OpenInput(path, base::InputKind::kRegularOnly);
  if (file.ok() && file.size() > kMaxSendFileSize) {
    load.outcome = LoadOutcome::kTooLarge;
    load.status = base::Tr("quorkit", "文件超过64MB,无法发送!");
    return load;
  }
  std::string bytes;
  const int error = file.ok() ? base::ReadAll(file, kMaxSendFileSize, &bytes) : file.error();
  if (error == EFBIG) {  // grew since it was opened
    load.outcome = LoadOutcome::kTooLarge;
    load.status = base::Tr("quorkit", "文件超过64MB,无法发送!");
    return load;
  }
  if (error == ENOMEM) {
    load.outcome = LoadOutcome::kNoMemory;
    load.status = base::Tr("quorkit", "系统没有足够内存!");
    return load;
  }
  if (error != 0) {
    load.status = base::Format(base::Tr("quorkit", "打开文件:\n%s\n失败!"), path.c_str());
    return load;
  }
  try {
    auto data = std::make_shared<std::vector<uint8_t>>(bytes.begin(), bytes.end());
    std::string().swap(bytes);
    load.outcome = LoadOutcome::kLoaded;
    load.status = base::Format(base::Tr("quorkit", "文件大小：%zu 字节"), data->size());
    load.data = std::move(data);
  } catch (const std::bad_alloc&) {
    load.outcome = LoadOutcome::kNoMemory;
    load.status = base::Tr("quorkit", "系统没有足够内存!");
  }
  return load;
}

std::string FileSendHelpText() {
  return base::Tr("quorkit",
                  "简易下发协议说明：\r\n"
                  "1.[打开文件]命令从文件按顺序读入数据后保存到缓冲区;\r\n"
                  "2.[发送命令]将缓冲区内容分包并顺序向下位机发送,"
                  "包大小可选择64字节、256字节或512字节;\r\n"
                  "3.发送一包数据后从下位机读取相同长度的数据包并与下发的数据包进行对比进行校验，"
                  "下位机应读到数据包后将数据写入存储器并再从存储器读入后返回给程序，"
                  "下位机自己管理写入存储器地址。\r\n"
                  "下位机示意代码如下 ：\r\n"
                  "while(1)\r\n{\r\n  uart_recv_buf(tmpbuf,256);\r\n"
                  "  FlashWritePage(g_Address,tmpbuf);\r\n"
                  "  FlashRead(g_Address,tmpbuf,256);\r\n"
                  "  uart_send_buf(tmpbuf,256);\r\n"
                  "  g_Address+=256;\r\n}");
}

void RunTransfer(CComPort& port, const SendJob& job, const TransferReports& reports,
                 std::stop_token stop) {
  port.StopOn(stop);
  port.port_number = job.port;
  port.baud_rate = job.baud;
  if (!port.Open()) {
    reports.status(port.last_error);
    return;
  }
  reports.progress(0);
  const int packet = std::clamp(job.packet, 1, kMaxPacketSize);
  const std::vector<uint8_t> empty;
  const std::vector<uint8_t>& data = job.data ? *job.data : empty;
  std::vector<uint8_t> sent(kMaxPacketSize);
  std::vector<uint8_t> echo(kMaxPacketSize);
  size_t offset = 0;
  bool complete = true;
  while (offset < data.size()) {
    if (stop.stop_requested()) {
      complete = false;
      break;
    }
    const size_t count = std::min(static_cast<size_t>(packet), data.size() - offset);
    std::fill(sent.begin(), sent.begin() + packet, 0xFF);
    std::memcpy(sent.data(), data.data() + offset, count);
    offset += count;
    port.Write(sent.data(), packet);  // a short write shows as a missing echo
    const int got = port.Read(echo.data(), packet);
    if (got == -1) {
      if (!stop.stop_requested()) reports.status(port.last_error);
      complete = false;
      break;
    }
    if (got < packet) {
      reports.status(base::Tr("quorkit", "读取失败!"));
      complete = false;
      break;
    }
    if (std::memcmp(sent.data(), echo.data(), static_cast<size_t>(packet)) != 0) {
      reports.status(base::Tr("quorkit", "校验失败!"));
      complete = false;
      break;
    }
    // 64-bit product: offset * 100 leaves 32 bits from 43 MB on.
    reports.progress(static_cast<int>(static_cast<uint64_t>(offset) * 100 / data.size()));
  }
  if (complete) reports.status(base::Tr("quorkit", "下载完成!"));
  port.Close();
}

std::jthread FileSender::LaunchThread(std::function<void(std::stop_token)> body) {
  try {
    return std::jthread(std::move(body));
  } catch (const std::system_error&) {
    return std::jthread();
  }
}

FileSender::FileSender(Reports reports, Launcher launcher)
    : reports_(std::move(reports)), launcher_(std::move(launcher)) {}

FileSender::~FileSender() {
  // The worker waits for nobody, so it ends soon: its waits end on the stop request.
  worker_.request_stop();
  if (worker_.joinable()) worker_.join();
}

bool FileSender::Start() {
  if (worker_.joinable()) return true;
  if (launcher_) worker_ = launcher_([this](std::stop_token stop) { Work(std::move(stop)); });
  return worker_.joinable();
}

bool FileSender::Send(SendJob job) {
  if (!worker_.joinable()) return false;
  {
    std::lock_guard<std::mutex> lock(mutex_);
    job_ = std::move(job);
    start_ = true;
  }
  wake_.notify_one();
  return true;
}

void FileSender::Work(std::stop_token stop) {
  const TransferReports reports{reports_.status, reports_.progress};
  for (;;) {
    SendJob job;
    {
      std::unique_lock<std::mutex> lock(mutex_);
      if (!wake_.wait(lock, stop, [this] { return start_; })) return;  // stopped
      start_ = false;
      job = std::move(job_);
      job_ = SendJob{};
    }
    RunTransfer(port_, job, reports, stop);
    if (stop.stop_requested()) return;
    reports_.finished();
  }
}

}  // namespace protocol
