// A small HTTP peer on 127.0.0.1 for the banner download tests: it answers each connection
// with the next scripted reply and keeps the request heads it received.
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace httptest {

struct Reply {
  std::string bytes;        // sent as they are
  bool silent = false;      // send nothing; hold the connection until the peer or Stop ends it
  bool hold_after = false;  // after sending, hold the connection the same way
};

class Server {
 public:
  Server() {
    fd_ = socket(AF_INET, SOCK_STREAM, 0);
    int one = 1;
    setsockopt(fd_, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    listen(fd_, 8);
    socklen_t length = sizeof address;
    getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
  }
  ~Server() { Stop(); }

  void Stop() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (fd_ >= 0) close(fd_);
    fd_ = -1;
  }

  int port() const { return port_; }
  std::string HostPort() const { return "127.0.0.1:" + std::to_string(port_); }

  void Push(Reply reply) {
    std::lock_guard<std::mutex> lock(mutex_);
    replies_.push_back(std::move(reply));
  }
  void Push(const std::string& bytes) { Push(Reply{bytes}); }

  std::vector<std::string> Requests() {
    std::lock_guard<std::mutex> lock(mutex_);
    return requests_;
  }
  // Connections that the client closed while this server held them open.
  int ClosedByPeer() const { return closed_by_peer_; }
  int Accepted() const { return accepted_; }

  // A port on which nothing listens.
  static int RefusingPort() {
    const int fd = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    socklen_t length = sizeof address;
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    close(fd);
    return ntohs(address.sin_port);
  }

 private:
  // Waits until `fd` is readable; false when stopping.
  bool WaitReadable(int fd) {
    while (!stop_) {
      pollfd p{fd, POLLIN, 0};
      if (poll(&p, 1, 20) > 0) return true;
    }
    return false;
  }

  // Holds a connection until the peer closes it (counted) or the server stops.
  void Hold(int client) {
    char buffer[4096];
    while (WaitReadable(client)) {
      if (recv(client, buffer, sizeof buffer, 0) <= 0) {
        ++closed_by_peer_;
        return;
      }
    }
  }

  void Serve() {
    while (WaitReadable(fd_)) {
      const int client = accept(fd_, nullptr, nullptr);
      if (client < 0) continue;
      ++accepted_;
      std::string head;
      char buffer[4096];
      while (head.find("\r\n\r\n") == std::string::npos && WaitReadable(client)) {
        const ssize_t n = recv(client, buffer, sizeof buffer, 0);
        if (n <= 0) break;
        head.append(buffer, static_cast<size_t>(n));
      }
      Reply reply;
      {
        std::lock_guard<std::mutex> lock(mutex_);
        requests_.push_back(head);
        if (!replies_.empty()) {
          reply = std::move(replies_.front());
          replies_.pop_front();
        }
      }
      if (reply.silent) {
        Hold(client);
      } else {
        size_t sent = 0;
        while (sent < reply.bytes.size() && !stop_) {
          const ssize_t n =
              send(client, reply.bytes.data() + sent, reply.bytes.size() - sent, MSG_NOSIGNAL);
          if (n <= 0) break;
          sent += static_cast<size_t>(n);
        }
        if (reply.hold_after) Hold(client);
      }
      close(client);
    }
  }

  int fd_ = -1;
  int port_ = 0;
  std::atomic<bool> stop_{false};
  std::atomic<int> closed_by_peer_{0};
  std::atomic<int> accepted_{0};
  std::mutex mutex_;
  std::deque<Reply> replies_;
  std::vector<std::string> requests_;
  std::thread thread_;
};

// A listener on 127.0.0.1 that never accepts, with its queue filled: the system drops
// further connection requests, so a connect to port() waits until it gives up. ok() is false
// when the queue could not be filled.
class UnansweredListener {
 public:
  UnansweredListener() {
    fd_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof address;
    if (fd_ < 0 || bind(fd_, reinterpret_cast<sockaddr*>(&address), length) != 0 ||
        listen(fd_, 0) != 0 ||
        getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
      return;
    }
    port_ = ntohs(address.sin_port);
    // Connect until one is left unanswered: from then on the queue is full.
    for (int i = 0; i < 8 && !ok_; ++i) {
      const int client = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0);
      clients_.push_back(client);
      connect(client, reinterpret_cast<sockaddr*>(&address), sizeof address);
      pollfd p{client, POLLOUT, 0};
      ok_ = poll(&p, 1, 100) == 0;
    }
  }
  ~UnansweredListener() {
    for (const int client : clients_) close(client);
    if (fd_ >= 0) close(fd_);
  }
  UnansweredListener(const UnansweredListener&) = delete;
  UnansweredListener& operator=(const UnansweredListener&) = delete;

  bool ok() const { return ok_; }
  int port() const { return port_; }

 private:
  int fd_ = -1;
  int port_ = 0;
  bool ok_ = false;
  std::vector<int> clients_;
};

// The request line and header lines of a request head, without line ends.
inline std::vector<std::string> Lines(const std::string& head) {
  std::vector<std::string> lines;
  size_t at = 0;
  while (at < head.size()) {
    const size_t end = head.find("\r\n", at);
    if (end == std::string::npos || end == at) break;
    lines.push_back(head.substr(at, end - at));
    at = end + 2;
  }
  return lines;
}

}  // namespace httptest
