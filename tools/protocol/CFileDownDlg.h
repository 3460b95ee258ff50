// Serial file sender window (res/dialogs/file_sender.json): loads a file and sends it to a target
// board packet by packet on a worker thread, which reports back only through the window's link.
#pragma once

#include <memory>

#include "tools/protocol/filedown.h"
#include "ui/file_sender.h"
#include "winsys/DialogOf.h"

class CFileDownDlg : public winsys::DialogOf<ui::file_sender::Window> {
 public:
  CFileDownDlg();
  ~CFileDownDlg() override;

  // How windows created from now on start their worker (tests make it fail); an empty
  // launcher restores the detached thread.
  static void UseWorkerLauncher(protocol::FileSender::Launcher launcher);

 private:
  void OnInitDialog() override;
  void OnOpenFile();
  void OnSend();
  void OnHelp();
  void OnPortChange();
  void ShowPortDevices();

  struct Outlet;
  std::shared_ptr<Outlet> outlet_;  // the worker's way to the window
  std::unique_ptr<protocol::FileSender> sender_;
  protocol::FileBytes file_;  // the loaded bytes; a transfer holds its own reference
  bool sending_ = false;
};
