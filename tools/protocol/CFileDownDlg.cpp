#include "tools/protocol/CFileDownDlg.h"

#include <mutex>

#include "base/cnum.h"
#include "base/format.h"
#include "base/tr.h"
#include "winsys/Prompt.h"
#include "winsys/WindowLink.h"

namespace {
constexpr int kPath = 1001;
constexpr int kProgress = 1017;
constexpr int kPort = 1018;
constexpr int kBaud = 1019;
constexpr int kPacket = 1020;
constexpr int kStatus = 1021;
constexpr int kOpenButton = 1022;
constexpr int kSendButton = 1023;
constexpr int kHelpButton = 1024;
constexpr int kPortCount = 20;

protocol::FileSender::Launcher& WorkerLauncher() {
  static protocol::FileSender::Launcher launcher;
  return launcher;
}

// "COM3：/dev/ttyUSB2", or that COM3 has no device.
std::string PortDeviceText(int port) {
  const std::string device = protocol::ComDevicePath(port);
  return device.empty() ? base::Format(base::Tr("quorkit", "COM%d：没有对应的串口设备"), port)
                        : base::Format(base::Tr("quorkit", "COM%d：%s"), port, device.c_str());
}

}  // namespace

// Holds the link of the current window: a worker posts through it, never through the
// dialog, so nothing reaches a window or dialog that has gone.
struct CFileDownDlg::Outlet {
  std::mutex mutex;
  std::shared_ptr<winsys::WindowLink> link;

  void Post(std::function<void()> call) {
    std::shared_ptr<winsys::WindowLink> current;
    {
      std::lock_guard<std::mutex> lock(mutex);
      current = link;
    }
    if (current) current->Post(std::move(call));
  }
};

CFileDownDlg::CFileDownDlg() : Dialog(162), outlet_(std::make_shared<Outlet>()) {
  OnClicked(kOpenButton, [this] { OnOpenFile(); });
  OnClicked(kSendButton, [this] { OnSend(); });
  OnClicked(kHelpButton, [this] { OnHelp(); });
  OnSelChange(kPort, [this] { OnPortChange(); });
}

// The worker may still be in a transfer: it is cancelled, not waited for, and reports
// nothing from here on.
CFileDownDlg::~CFileDownDlg() = default;

void CFileDownDlg::UseWorkerLauncher(protocol::FileSender::Launcher launcher) {
  WorkerLauncher() = std::move(launcher);
}

void CFileDownDlg::OnInitDialog() {
  ResetContent(kPort);
  for (int port = 1; port <= kPortCount; ++port) AddString(kPort, base::Format("COM%d", port));
  SetCurSel(kPort, 0);
  ResetContent(kBaud);
  for (const char* baud : {"9600", "19200", "38400", "115200"}) AddString(kBaud, baud);
  SetCurSel(kBaud, 0);
  ResetContent(kPacket);
  for (const char* size : {"64", "256", "512"}) AddString(kPacket, size);
  SetCurSel(kPacket, 0);
  SetRange(kProgress, 0, 100);
  SetPos(kProgress, 0);
  ShowPortDevices();

  {
    std::lock_guard<std::mutex> lock(outlet_->mutex);
    outlet_->link = Link();
  }
  if (sender_) return;  // one worker for the life of the dialog
  protocol::FileSender::Reports reports;
  reports.status = [this, outlet = outlet_](const std::string& text) {
    outlet->Post([this, text] { SetText(kStatus, text); });
  };
  reports.progress = [this, outlet = outlet_](int position) {
    outlet->Post([this, position] { SetPos(kProgress, position); });
  };
  reports.finished = [this, outlet = outlet_] {
    outlet->Post([this] {
      sending_ = false;
      Enable(kSendButton, true);
      SetPos(kProgress, 0);
    });
  };
  sender_ = WorkerLauncher()
                ? std::make_unique<protocol::FileSender>(std::move(reports), WorkerLauncher())
                : std::make_unique<protocol::FileSender>(std::move(reports));
  if (!sender_->Start()) {
    Enable(kSendButton, false);
    SetText(kStatus, base::Tr("quorkit", "发送线程启动失败!"));
  }
}

void CFileDownDlg::OnOpenFile() {
  std::string path;
  if (!winsys::CurrentPrompter().OpenFile(this, base::Tr("quorkit", "请选择要发送的文件"),
                                          {{"Binary File(*.bin)", "*.bin"}, {"All", "*.*"}},
                                          &path)) {
    return;
  }
  protocol::FileLoad load = protocol::LoadSendFile(path);
  switch (load.outcome) {
    case protocol::LoadOutcome::kLoaded:
      file_ = std::move(load.data);
      SetText(kPath, path);
      break;
    case protocol::LoadOutcome::kNoMemory:  // the old buffer was released for the new one
      file_.reset();
      break;
    case protocol::LoadOutcome::kOpenFailed:
    case protocol::LoadOutcome::kTooLarge:  // refused before anything was released
      break;
  }
  SetText(kStatus, load.status);
}

void CFileDownDlg::OnSend() {
  if (!file_ || file_->empty()) {
    SetText(kStatus, base::Tr("quorkit", "缓冲区没有数据!"));
    return;
  }
  protocol::SendJob job;
  job.data = file_;
  job.port = GetCurSel(kPort) + 1;
  job.baud = base::ReadLong(GetText(kBaud));
  job.packet = base::ReadLong(GetText(kPacket));
  if (!sender_ || !sender_->Send(std::move(job))) return;
  sending_ = true;
  Enable(kSendButton, false);
}

void CFileDownDlg::OnHelp() {
  MessageBox(protocol::FileSendHelpText(), base::Tr("quorkit", "说明"));
}

void CFileDownDlg::OnPortChange() {
  if (!sending_) SetText(kStatus, PortDeviceText(GetCurSel(kPort) + 1));
  ShowPortDevices();
}

void CFileDownDlg::ShowPortDevices() {
  std::string tip;
  for (int port = 1; port <= kPortCount; ++port) {
    if (protocol::ComDevicePath(port).empty()) continue;
    tip += (tip.empty() ? "" : "\n") + PortDeviceText(port);
  }
  SetToolTip(kPort, tip.empty() ? base::Tr("quorkit", "没有找到串口设备") : tip);
}
