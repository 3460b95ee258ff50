#include "app/CQuorDlg.h"

#include "app/CAboutDlg.h"
#include "app/ToolTable.h"
#include "app/history.h"
#include "banner/BannerFolder.h"
#include "tools/protocol/HexToBin.h"

namespace {
constexpr int kBannerWidth = 500;
constexpr int kBannerHeight = 60;
}  // namespace

CQuorDlg::CQuorDlg() : Dialog(102) {
  for (const app::ToolEntry& entry : app::ToolTable()) {
    if (entry.make) tools_[entry.command] = entry.make();
  }
}

CQuorDlg::~CQuorDlg() = default;

winsys::Dialog* CQuorDlg::ToolDialog(int command) const {
  auto found = tools_.find(command);
  return found == tools_.end() ? nullptr : found->second.get();
}

void CQuorDlg::OnInitDialog() {
  AppendSystemMenu(kAboutCommand, "关于本程序(&A)...");
  for (const app::ToolEntry& entry : app::ToolTable()) {
    EnableMenuCommand(entry.command, entry.make != nullptr);
  }
  SetCaption(app::MainCaption());
  SetClientSize(kBannerWidth, kBannerHeight);
  MoveControl(kBannerControl, 0, 0, kBannerWidth, kBannerHeight);
  picture_.Attach(this, kBannerControl);
  if (picture_.LoadFromResource()) picture_.Draw();
  banner_folder_ = banner::PrepareBannerFolder();
  banner_state_ = 0;
  banner_ticks_ = 0;
  SetTimer(kBannerTimer, 1000);
}

bool CQuorDlg::OnMenuCommand(int id) {
  if (id == app::kHexToBinCommand) {
    RunHexToBin(*this, hex_file_);
    return true;
  }
  if (!ToolDialog(id)) return false;
  Launch(id);
  return true;
}

void CQuorDlg::Launch(int command) {
  winsys::Dialog* tool = ToolDialog(command);
  if (!tool->HasWindow() && !tool->Create(this)) return;
  tool->ShowWindow(true);
}

void CQuorDlg::OnSysCommand(int id) {
  if ((id & 0xFFF0) == kAboutCommand) {
    CAboutDlg about;
    about.DoModal(this);
  }
}

intptr_t CQuorDlg::OnMessage(unsigned message, uintptr_t wparam, intptr_t) {
  if (message == kBannerMessage) banner_state_ = wparam != 0 ? 2 : 1;
  return 0;
}

void CQuorDlg::OnTimer(int id) {
  if (id != kBannerTimer) return;
  if (banner_ticks_ <= 8) {
    ++banner_ticks_;
    return;
  }
  if (banner_state_ == 2) {
    picture_.Stop();
    if (picture_.LoadFromFile(banner_folder_ + "/" + banner::kBannerFileName)) picture_.Draw();
    KillTimer(kBannerTimer);
  } else if (banner_state_ == 1) {
    const std::string path = banner_folder_ + "/" + banner::kBannerFileName;
    if (banner::BannerFileExists(path)) {
      picture_.Stop();
      if (picture_.LoadFromFile(path)) picture_.Draw();
    }
    KillTimer(kBannerTimer);
  }
}
