// Serial file sender window (res/dialogs/file_sender.json): loads a file and sends it to a target
// board packet by packet on a worker thread, which reports back only through the window's link.
// The worker lives as long as the window: it is stopped and joined when the window goes.
#pragma once

#include <memory>

#include "tools/protocol/filedown.h"
#include "ui/file_sender.h"
#include "winsys/DialogOf.h"

class CFileDownDlg : public winsys::DialogOf<ui::file_sender::Window> {
 public:
  CFileDownDlg();
  ~CFileDownDlg() override;

  // How windows created from now on start their worker (tests watch it or make it fail);
  // an empty launcher restores the plain thread.
  static void UseWorkerLauncher(protocol::FileSender::Launcher launcher);

 private:
  void OnInitDialog() override;
  void OnDestroy() override;
  void OnOpenFile();
  void OnSend();
  void OnHelp();
  void OnPortChange();
  void ShowPortDevices();

  std::unique_ptr<protocol::FileSender> sender_;  // while the window exists
  protocol::FileBytes file_;  // the loaded bytes; a transfer holds its own reference
  bool sending_ = false;
};
