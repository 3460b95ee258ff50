#include "app/CQuorDlg.h"

#include "app/CAboutDlg.h"
#include "app/ToolTable.h"
#include "app/history.h"
#include "banner/BannerFolder.h"
#include "base/tr.h"
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
  AppendSystemMenu(kAboutCommand, base::Tr("quorkit", "关于本程序(&A)..."));
  // An entry of the menu is live when the main window or a tool of the table stands behind it.
  for (const int command : MenuCommands()) {
    EnableMenuCommand(command, command == app::kHexToBinCommand || ToolDialog(command));
  }
  SetCaption(app::MainCaption());
  SetClientSize(kBannerWidth, kBannerHeight);
  MoveControl(kBannerControl, 0, 0, kBannerWidth, kBannerHeight);
  picture_.Attach(this, kBannerControl);
  if (picture_.LoadFromResource()) picture_.Draw();
  download_.SetOwner(this);
  download_.PrepareFolder();
  banner_folder_ = download_.Folder();
  download_.Start();
  handover_ = banner::BannerHandover();
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

void CQuorDlg::OnCancel() {
  picture_.Stop();  // the animation ends before the window goes
  Dialog::OnCancel();
}

void CQuorDlg::OnSysCommand(int id) {
  if ((id & 0xFFF0) == kAboutCommand) {
    CAboutDlg about;
    about.DoModal(this);
  }
}

intptr_t CQuorDlg::OnMessage(unsigned message, uintptr_t wparam, intptr_t) {
  if (message == kBannerMessage) handover_.WorkerAnswered(wparam != 0);
  return 0;
}

void CQuorDlg::OnTimer(int id) {
  if (id != kBannerTimer) return;
  const banner::BannerHandover::Step step = handover_.Tick();
  if (step == banner::BannerHandover::Step::kWait) return;
  ShowBannerFile(step == banner::BannerHandover::Step::kShowFileIfPresent);
  KillTimer(kBannerTimer);
}

void CQuorDlg::ShowBannerFile(bool only_if_present) {
  const std::string path = banner_folder_ + "/" + banner::kBannerFileName;
  if (only_if_present && !banner::BannerFileExists(path)) return;
  picture_.Stop();
  // A file that does not load leaves the picture shown until now, which goes on.
  picture_.LoadFromFile(path);
  picture_.Draw();
}
