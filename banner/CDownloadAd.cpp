#include "banner/CDownloadAd.h"

#include <mutex>

#include "banner/BannerFolder.h"
#include "banner/picturecheck.h"
#include "winsys/Canvas.h"
#include "winsys/Dialog.h"
#include "winsys/WindowLink.h"

namespace {

std::mutex g_server_mutex;
std::string g_server_host = banner::kDefaultServerHost;
int g_server_port = banner::kDefaultServerPort;

}  // namespace

CDownloadAd::CDownloadAd() = default;

CDownloadAd::~CDownloadAd() {
  Stop();
}

void CDownloadAd::Stop() {
  worker_.request_stop();
  if (worker_.joinable()) worker_.join();
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
  started_ = true;
  banner::PrepareDownloads();
  worker_ = std::jthread([this, options = std::move(options), owner = owner_,
                          link = owner_->Link()](std::stop_token stop) {
    const std::stop_callback give_up(stop, [this] { cancel_.Cancel(); });
    const banner::DownloadResult result = banner::DownloadBanner(options, &cancel_);
    if (stop.stop_requested()) return;
    const uintptr_t wparam = result.status == 200 ? 1 : 0;
    link.Post([owner, wparam] { owner->SendMessage(kResultMessage, wparam, 0); });
  });
  return true;
}
