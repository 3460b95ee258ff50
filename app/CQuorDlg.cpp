#include "app/CQuorDlg.h"

#include "app/CAboutDlg.h"
#include "app/ToolTable.h"
#include "app/history.h"
#include "banner/BannerFolder.h"
#include "base/tr.h"

namespace id = ui::main;

namespace {
constexpr int kBannerWidth = 500;
constexpr int kBannerHeight = 60;
}  // namespace

CQuorDlg::CQuorDlg() {
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
  // An entry of the menu is live when a row of the tool table stands behind it.
  for (const int command : MenuCommands()) {
    EnableMenuCommand(command, app::FindTool(command) != nullptr);
  }
  SetCaption(app::MainCaption());
  SetClientSize(kBannerWidth, kBannerHeight);
  MoveControl(id::banner, 0, 0, kBannerWidth, kBannerHeight);
  picture_.Attach(this, id::banner.value);
  if (picture_.LoadFromResource()) picture_.Draw();
  download_.SetOwner(this);
  download_.PrepareFolder();
  banner_folder_ = download_.Folder();
  download_.Start();
  handover_ = banner::BannerHandover();
  SetTimer(kBannerTimer, 1000);
}

bool CQuorDlg::OnMenuCommand(int command) {
  const app::ToolEntry* tool = app::FindTool(command);
  if (tool == nullptr) return false;
  if (tool->run) {
    tool->run(*this);
  } else {
    Launch(command);
  }
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

// The workers that report to the window end before it goes (a dialog destroyed with its
// window has them end in the members' destructors instead).
void CQuorDlg::OnDestroy() {
  download_.Stop();
  picture_.Stop();
}

void CQuorDlg::OnSysCommand(int command) {
  if ((command & 0xFFF0) == kAboutCommand) {
    CAboutDlg about;
    about.DoModal(this);
  }
}

intptr_t CQuorDlg::OnMessage(unsigned message, uintptr_t wparam, intptr_t) {
  if (message == kBannerMessage) handover_.WorkerAnswered(wparam != 0);
  return 0;
}

void CQuorDlg::OnTimer(int timer) {
  if (timer != kBannerTimer) return;
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
