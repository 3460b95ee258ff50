#include "banner/CDownloadAd.h"

#include <mutex>
#include <thread>

#include "banner/BannerFolder.h"
#include "banner/download.h"
#include "banner/picturecheck.h"
#include "winsys/Canvas.h"
#include "winsys/Dialog.h"
#include "winsys/WindowLink.h"

namespace {

std::mutex g_server_mutex;
std::string g_server_host = banner::kDefaultServerHost;
int g_server_port = banner::kDefaultServerPort;

}  // namespace

// What the worker thread shares with the object that started it. `gone` is set when that
// object is destroyed; from then on the worker reports to nobody.
struct CDownloadAd::Shared {
  std::mutex mutex;
  std::shared_ptr<winsys::WindowLink> link;  // to the owner window
  bool gone = false;
  banner::DownloadCancel cancel;
};

namespace {

using Shared = CDownloadAd::Shared;

void Work(std::shared_ptr<Shared> shared, banner::DownloadOptions options) {
  const banner::DownloadResult result = banner::DownloadBanner(options, &shared->cancel);
  const uintptr_t wparam = result.status == 200 ? 1 : 0;
  std::shared_ptr<winsys::WindowLink> link;
  {
    std::lock_guard<std::mutex> lock(shared->mutex);
    if (shared->gone) return;
    link = shared->link;
  }
  // Waits until the owner has handled it, or until its window goes (the link is cut then).
  if (link) link->Send(CDownloadAd::kResultMessage, wparam, 0);
}

}  // namespace

CDownloadAd::CDownloadAd() : shared_(std::make_shared<Shared>()) {}

CDownloadAd::~CDownloadAd() {
  {
    std::lock_guard<std::mutex> lock(shared_->mutex);
    shared_->gone = true;
    shared_->link.reset();
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
  // The body is decoded on the worker's thread by the loader the picture control uses.
  options.decode = [](const uint8_t* data, size_t size) {
    return winsys::Picture::Decode(data, size, banner::kMaxDecodePixels) != nullptr;
  };
  {
    std::lock_guard<std::mutex> lock(shared_->mutex);
    shared_->link = owner_->Link();
  }
  started_ = true;
  banner::PrepareDownloads();
  std::thread(Work, shared_, std::move(options)).detach();
  return true;
}
