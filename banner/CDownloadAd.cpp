#include "banner/CDownloadAd.h"

#include <condition_variable>
#include <mutex>
#include <thread>

#include "banner/BannerFolder.h"
#include "banner/download.h"
#include "winsys/Dialog.h"

namespace {

std::mutex g_server_mutex;
std::string g_server_host = banner::kDefaultServerHost;
int g_server_port = banner::kDefaultServerPort;

}  // namespace

// What the worker thread shares with the object that started it. `gone` is set when that
// object is destroyed; from then on the worker reports to nobody.
struct CDownloadAd::Shared {
  std::mutex mutex;
  std::condition_variable handled_changed;
  winsys::Dialog* owner = nullptr;
  bool gone = false;
  bool handled = false;
  banner::DownloadCancel cancel;
};

namespace {

using Shared = CDownloadAd::Shared;

// Runs on the user-interface thread, where the owner cannot be destroyed meanwhile.
void Deliver(const std::shared_ptr<Shared>& shared, uintptr_t wparam) {
  winsys::Dialog* owner;
  {
    std::lock_guard<std::mutex> lock(shared->mutex);
    owner = shared->gone ? nullptr : shared->owner;
  }
  if (owner) owner->SendMessage(CDownloadAd::kResultMessage, wparam, 0);
  std::lock_guard<std::mutex> lock(shared->mutex);
  shared->handled = true;
  shared->handled_changed.notify_all();
}

void Work(std::shared_ptr<Shared> shared, banner::DownloadOptions options) {
  const banner::DownloadResult result = banner::DownloadBanner(options, &shared->cancel);
  const uintptr_t wparam = result.status == 200 ? 1 : 0;
  std::unique_lock<std::mutex> lock(shared->mutex);
  if (shared->gone || shared->owner == nullptr) return;
  // The message is handed to the owner's thread as a queued call, so that the worker never
  // blocks on a window that is being closed; it then waits until it was handled, or until
  // the owner is gone (a call queued to a closed window is dropped).
  shared->owner->PostCall([shared, wparam] { Deliver(shared, wparam); });
  shared->handled_changed.wait(lock, [&] { return shared->handled || shared->gone; });
}

}  // namespace

CDownloadAd::CDownloadAd() : shared_(std::make_shared<Shared>()) {}

CDownloadAd::~CDownloadAd() {
  {
    std::lock_guard<std::mutex> lock(shared_->mutex);
    shared_->gone = true;
    shared_->owner = nullptr;
    shared_->handled_changed.notify_all();
  }
  shared_->cancel.Cancel();
}

bool CDownloadAd::SetServer(const std::string& host_port) {
  std::string host;
  int port = 0;
  if (!banner::ParseHostPort(host_port, &host, &port)) return false;
  std::lock_guard<std::mutex> lock(g_server_mutex);
  g_server_host = host;
  g_server_port = port;
  return true;
}

std::string CDownloadAd::Server() {
  std::lock_guard<std::mutex> lock(g_server_mutex);
  const bool v6 = g_server_host.find(':') != std::string::npos;
  return (v6 ? "[" + g_server_host + "]" : g_server_host) + ":" + std::to_string(g_server_port);
}

void CDownloadAd::SetOwner(winsys::Dialog* owner) {
  owner_ = owner;
}

bool CDownloadAd::PrepareFolder() {
  folder_ = banner::PrepareBannerFolder();
  return !folder_.empty();
}

bool CDownloadAd::Start() {
  if (started_ || owner_ == nullptr) return false;
  banner::DownloadOptions options;
  {
    std::lock_guard<std::mutex> lock(g_server_mutex);
    options.host = g_server_host;
    options.port = g_server_port;
  }
  options.folder = folder_;
  {
    std::lock_guard<std::mutex> lock(shared_->mutex);
    shared_->owner = owner_;
  }
  started_ = true;
  std::thread(Work, shared_, std::move(options)).detach();
  return true;
}
