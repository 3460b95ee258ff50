// The main window: menu 136 over the 500 x 60 banner. It owns every tool dialog for the
// whole run and opens each in a window of its own.
#pragma once

#include <map>
#include <memory>
#include <string>

#include "banner/BannerHandover.h"
#include "banner/CDownloadAd.h"
#include "banner/CPictureEx.h"
#include "tools/protocol/ihexfile.h"
#include "winsys/Dialog.h"

class CQuorDlg : public winsys::Dialog {
 public:
  static constexpr unsigned kBannerMessage = 0x0400 + 100;  // WM_USER + 100
  static constexpr int kBannerTimer = 1;
  static constexpr int kAboutCommand = 16;
  static constexpr int kBannerControl = 1021;

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
  bool OnMenuCommand(int id) override;
  void OnSysCommand(int id) override;
  void OnTimer(int id) override;
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
  CIHexFile hex_file_;  // read by menu command 32803
};
