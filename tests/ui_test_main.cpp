#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <string>

#include "app/Application.h"
#include "banner/CDownloadAd.h"

namespace {

// A server on 127.0.0.1 that takes connections and never answers: every main window the
// tests open starts its banner download, which then neither reaches beyond this machine
// nor answers while a test runs. Tests of the download bring servers of their own.
std::string SilentServer() {
  const int listener = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t length = sizeof address;
  if (listener < 0 || bind(listener, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
      listen(listener, 64) != 0 ||
      getsockname(listener, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
    return "127.0.0.1:1";  // refused at once: a failed download
  }
  return "127.0.0.1:" + std::to_string(ntohs(address.sin_port));
}

}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  CDownloadAd::SetServer(SilentServer());
  // The tests expect the Chinese interface whatever the locale says.
  app::Application application(argc, argv, app::Application::Mode::kHeadless,
                               app::Language::kChinese);
  return RUN_ALL_TESTS();
}
