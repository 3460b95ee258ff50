#include "tools/protocol/CFileDownDlg.h"

#include "base/cnum.h"
#include "base/format.h"
#include "base/tr.h"
#include "winsys/Prompt.h"
#include "winsys/WindowLink.h"

namespace id = ui::file_sender;

namespace {
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

CFileDownDlg::CFileDownDlg() {
  OnClicked(id::open_file, [this] { OnOpenFile(); });
  OnClicked(id::send, [this] { OnSend(); });
  OnClicked(id::help, [this] { OnHelp(); });
  OnSelChange(id::port, [this] { OnPortChange(); });
}

// A transfer under way is stopped; the worker is joined before the window goes.
CFileDownDlg::~CFileDownDlg() {
  sender_.reset();
}

void CFileDownDlg::UseWorkerLauncher(protocol::FileSender::Launcher launcher) {
  WorkerLauncher() = std::move(launcher);
}

void CFileDownDlg::OnInitDialog() {
  ResetContent(id::port);
  for (int port = 1; port <= kPortCount; ++port) AddString(id::port, base::Format("COM%d", port));
  SetCurSel(id::port, 0);
  ResetContent(id::baud_rate);
  for (const char* baud : {"9600", "19200", "38400", "115200"}) AddString(id::baud_rate, baud);
  SetCurSel(id::baud_rate, 0);
  ResetContent(id::packet_size);
  for (const char* size : {"64", "256", "512"}) AddString(id::packet_size, size);
  SetCurSel(id::packet_size, 0);
  SetRange(id::progress, 0, 100);
  SetPos(id::progress, 0);
  ShowPortDevices();

  // One worker for the life of the window; it reports only through the window's link.
  const winsys::WindowLink link = Link();
  protocol::FileSender::Reports reports;
  reports.status = [this, link](const std::string& text) {
    link.Post([this, text] { SetText(id::status, text); });
  };
  reports.progress = [this, link](int position) {
    link.Post([this, position] { SetPos(id::progress, position); });
  };
  reports.finished = [this, link] {
    link.Post([this] {
      sending_ = false;
      Enable(id::send, true);
      SetPos(id::progress, 0);
    });
  };
  sender_ = WorkerLauncher()
                ? std::make_unique<protocol::FileSender>(std::move(reports), WorkerLauncher())
                : std::make_unique<protocol::FileSender>(std::move(reports));
  if (!sender_->Start()) {
    Enable(id::send, false);
    SetText(id::status, base::Tr("quorkit", "发送线程启动失败!"));
  }
}

void CFileDownDlg::OnDestroy() {
  sender_.reset();
  sending_ = false;
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
      SetText(id::file_path, path);
      break;
    case protocol::LoadOutcome::kNoMemory:  // the old buffer was released for the new one
      file_.reset();
      break;
    case protocol::LoadOutcome::kOpenFailed:
    case protocol::LoadOutcome::kTooLarge:  // refused before anything was released
      break;
  }
  SetText(id::status, load.status);
}

void CFileDownDlg::OnSend() {
  if (!file_ || file_->empty()) {
    SetText(id::status, base::Tr("quorkit", "缓冲区没有数据!"));
    return;
  }
  protocol::SendJob job;
  job.data = file_;
  job.port = GetCurSel(id::port) + 1;
  job.baud = base::ReadLong(GetText(id::baud_rate));
  job.packet = base::ReadLong(GetText(id::packet_size));
  if (!sender_ || !sender_->Send(std::move(job))) return;
  sending_ = true;
  Enable(id::send, false);
}

void CFileDownDlg::OnHelp() {
  MessageBox(protocol::FileSendHelpText(), base::Tr("quorkit", "说明"));
}

void CFileDownDlg::OnPortChange() {
  if (!sending_) SetText(id::status, PortDeviceText(GetCurSel(id::port) + 1));
  ShowPortDevices();
}

void CFileDownDlg::ShowPortDevices() {
  std::string tip;
  for (int port = 1; port <= kPortCount; ++port) {
    if (protocol::ComDevicePath(port).empty()) continue;
    tip += (tip.empty() ? "" : "\n") + PortDeviceText(port);
  }
  SetToolTip(id::port, tip.empty() ? base::Tr("quorkit", "没有找到串口设备") : tip);
}
