// The main window: the main menu (res/menus/main_menu.json) over the 500 x 60 banner. It owns every
// tool dialog for the whole run and opens each in a window of its own.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "banner/BannerHandover.h"
#include "banner/CDownloadAd.h"
#include "banner/CPictureEx.h"
#include "ui/main.h"
#include "winsys/DialogOf.h"

class CQuorDlg : public winsys::DialogOf<ui::main::Window> {
 public:
  static constexpr unsigned kBannerMessage = 0x0400 + 100;  // WM_USER + 100
  static constexpr int kBannerTimer = 1;
  static constexpr int kAboutCommand = 16;
  // The banner's control by number, for the console and the tests.
  static constexpr int kBannerControl = ui::main::banner.value;

  CQuorDlg();
  ~CQuorDlg() override;

  // The tool dialog behind menu command `command`, or nullptr.
  winsys::Dialog* ToolDialog(int command) const;

  int banner_ticks() const { return handover_.ticks(); }
  int banner_state() const { return handover_.state(); }
  const std::string& banner_folder() const { return banner_folder_; }
  CPictureEx& picture() { return picture_; }

 protected:
  void OnInitDialog() override;
  bool OnMenuCommand(int command) override;
  void OnSysCommand(int command) override;
  void OnTimer(int timer) override;
  void OnCancel() override;
  // Esc on the main window does nothing: a stray second Esc after closing a tool must not
  // end the program. The close box, the window menu and the desktop still close it.
  bool EscapeCloses() const override { return false; }
  void OnDestroy() override;
  intptr_t OnMessage(unsigned message, uintptr_t wparam, intptr_t lparam) override;

 private:
  void Launch(int command);
  // Shows the downloaded banner file; with `only_if_present`, a missing file keeps the
  // banner shown now.
  void ShowBannerFile(bool only_if_present);

  std::map<int, std::unique_ptr<winsys::Dialog>> tools_;
  CPictureEx picture_;
  CDownloadAd download_;
  banner::BannerHandover handover_;
  std::string banner_folder_;
};
