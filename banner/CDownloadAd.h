// The banner download worker: fetches a newer banner into the banner folder on a thread of
// its own and reports once to its owner window by posting message kResultMessage (wParam 1
// when the banner was saved, 0 otherwise). Stop (and the destructor) gives up a running
// download and joins the worker, which honours that within 200 ms; the owner calls it
// before its window goes.
#pragma once

#include <string>
#include <thread>

#include "banner/download.h"

namespace winsys {
class Dialog;
}

class CDownloadAd {
 public:
  static constexpr unsigned kResultMessage = 0x0400 + 100;  // WM_USER + 100

  CDownloadAd();
  virtual ~CDownloadAd();
  CDownloadAd(const CDownloadAd&) = delete;
  CDownloadAd& operator=(const CDownloadAd&) = delete;

  // The server that workers started from now on ask, as "HOST:PORT" (an IPv6 host in
  // brackets). False, and nothing changed, when the text is not of that form.
  static bool SetServer(const std::string& host_port);
  // The current server as "HOST:PORT".
  static std::string Server();

  void SetOwner(winsys::Dialog* owner);
  // Works out the banner folder, creating it when needed; true when it exists.
  bool PrepareFolder();
  const std::string& Folder() const { return folder_; }
  // Starts the worker thread (once). False when it was already started or there is no owner.
  bool Start();
  bool Started() const { return started_; }
  // Gives up a running download (its temporary file goes at once) and joins the worker;
  // nothing is reported from then on. The worker is not started again.
  void Stop();

 private:
  winsys::Dialog* owner_ = nullptr;
  std::string folder_;
  bool started_ = false;
  banner::DownloadCancel cancel_;
  std::jthread worker_;
};
