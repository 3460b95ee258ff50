#include "tools/protocol/CFileDownDlg.h"

#include "base/cnum.h"
#include "base/format.h"
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
  return device.empty() ? base::Format("COM%d：没有对应的串口设备", port)
                        : base::Format("COM%d：%s", port, device.c_str());
}

}  // namespace

CFileDownDlg::CFileDownDlg() : Dialog(162) {
  OnClicked(kOpenButton, [this] { OnOpenFile(); });
  OnClicked(kSendButton, [this] { OnSend(); });
  OnClicked(kHelpButton, [this] { OnHelp(); });
  OnSelChange(kPort, [this] { OnPortChange(); });
}

// A transfer under way is stopped; the worker is joined before the window goes.
CFileDownDlg::~CFileDownDlg() {
  sender_.reset();
}

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

  // One worker for the life of the window; it reports only through the window's link.
  const winsys::WindowLink link = Link();
  protocol::FileSender::Reports reports;
  reports.status = [this, link](const std::string& text) {
    link.Post([this, text] { SetText(kStatus, text); });
  };
  reports.progress = [this, link](int position) {
    link.Post([this, position] { SetPos(kProgress, position); });
  };
  reports.finished = [this, link] {
    link.Post([this] {
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
    SetText(kStatus, "发送线程启动失败!");
  }
}

void CFileDownDlg::OnDestroy() {
  sender_.reset();
  sending_ = false;
}

void CFileDownDlg::OnOpenFile() {
  std::string path;
  if (!winsys::CurrentPrompter().OpenFile(
          this, "请选择要发送的文件", {{"Binary File(*.bin)", "*.bin"}, {"All", "*.*"}}, &path)) {
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
    SetText(kStatus, "缓冲区没有数据!");
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
  MessageBox(protocol::FileSendHelpText(), "说明");
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
  SetToolTip(kPort, tip.empty() ? "没有找到串口设备" : tip);
}
