// A target board at the far end of a pseudo-terminal: the program opens the slave side as
// its serial port; a thread on the master side plays the target. It takes packets of a
// fixed size, as a real target's firmware does, and answers each as its behaviour says.
// Every open-to-close of the port is one session; the bytes of each are recorded.
#pragma once

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstdint>
#include <functional>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace testing_serial {

// A pseudo-terminal pair; the slave is opened by whoever uses slave_path().
class PtyPair {
 public:
  PtyPair() {
    master_ = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    char name[128] = {};
    if (master_ < 0 || grantpt(master_) != 0 || unlockpt(master_) != 0 ||
        ptsname_r(master_, name, sizeof name) != 0) {
      throw std::runtime_error("no pseudo-terminal");
    }
    slave_path_ = name;
    fcntl(master_, F_SETFL, fcntl(master_, F_GETFL) | O_NONBLOCK);
  }
  ~PtyPair() { CloseMaster(); }
  PtyPair(const PtyPair&) = delete;
  PtyPair& operator=(const PtyPair&) = delete;

  const std::string& slave_path() const { return slave_path_; }
  int master() const { return master_; }
  void CloseMaster() {
    if (master_ >= 0) close(master_);
    master_ = -1;
  }

  // Writes all of `bytes` to the master side.
  void Send(const std::vector<uint8_t>& bytes) const {
    size_t done = 0;
    while (done < bytes.size()) {
      const ssize_t n = write(master_, bytes.data() + done, bytes.size() - done);
      if (n > 0) {
        done += static_cast<size_t>(n);
      } else if (n < 0 && errno != EAGAIN && errno != EINTR) {
        return;
      } else {
        pollfd fd{master_, POLLOUT, 0};
        poll(&fd, 1, 50);
      }
    }
  }

  // Reads what arrives on the master side within `ms` milliseconds of quiet.
  std::vector<uint8_t> Drain(int ms) const {
    std::vector<uint8_t> bytes;
    for (;;) {
      pollfd fd{master_, POLLIN, 0};
      if (poll(&fd, 1, ms) <= 0 || !(fd.revents & POLLIN)) return bytes;
      uint8_t chunk[4096];
      const ssize_t n = read(master_, chunk, sizeof chunk);
      if (n <= 0) return bytes;
      bytes.insert(bytes.end(), chunk, chunk + n);
    }
  }

 private:
  int master_ = -1;
  std::string slave_path_;
};

enum class Behaviour {
  kEcho,    // sends every packet back
  kSilent,  // never answers
  kShort,   // sends back all but the last byte of every packet
  kChange,  // sends back packet `at` with one byte changed
  kVanish,  // closes its end once packet `at` has arrived
};

class PtyTarget {
 public:
  // `on_vanish` runs just before a vanishing target closes its end (while its terminal
  // number is still taken), e.g. to remove the path a script knows the port by.
  PtyTarget(Behaviour behaviour, int packet, int at = 0, std::function<void()> on_vanish = {})
      : behaviour_(behaviour), packet_(packet), at_(at), on_vanish_(std::move(on_vanish)) {
    thread_ = std::thread([this] { Run(); });
  }
  ~PtyTarget() {
    stop_ = true;
    thread_.join();
  }
  PtyTarget(const PtyTarget&) = delete;
  PtyTarget& operator=(const PtyTarget&) = delete;

  const std::string& path() const { return pty_.slave_path(); }

  // The bytes of every finished session, then those of the running one (if any came).
  std::vector<std::vector<uint8_t>> Sessions() const {
    std::lock_guard<std::mutex> lock(mutex_);
    std::vector<std::vector<uint8_t>> all = sessions_;
    if (!current_.empty()) all.push_back(current_);
    return all;
  }
  // Sessions whose port has been closed again.
  int FinishedSessions() const {
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<int>(sessions_.size());
  }

 private:
  void Run() {
    std::vector<uint8_t> pending;  // bytes of the packet being received
    int packets = 0;               // whole packets of this session
    bool open = false;
    while (!stop_ && pty_.master() >= 0) {
      pollfd fd{pty_.master(), POLLIN, 0};
      poll(&fd, 1, 10);
      uint8_t chunk[4096];
      const ssize_t n = read(pty_.master(), chunk, sizeof chunk);
      if (n < 0 && errno == EIO) {  // no slave open: a session has ended, or none began
        if (open) EndSession();
        open = false;
        pending.clear();
        packets = 0;
        usleep(1000);
        continue;
      }
      if (n <= 0) continue;
      open = true;
      {
        std::lock_guard<std::mutex> lock(mutex_);
        current_.insert(current_.end(), chunk, chunk + n);
      }
      pending.insert(pending.end(), chunk, chunk + n);
      while (static_cast<int>(pending.size()) >= packet_ && pty_.master() >= 0) {
        std::vector<uint8_t> packet(pending.begin(), pending.begin() + packet_);
        pending.erase(pending.begin(), pending.begin() + packet_);
        Answer(packet, packets++);
      }
    }
    if (open) EndSession();
  }

  void Answer(std::vector<uint8_t> packet, int index) {
    switch (behaviour_) {
      case Behaviour::kEcho:
        break;
      case Behaviour::kSilent:
        return;
      case Behaviour::kShort:
        packet.pop_back();
        break;
      case Behaviour::kChange:
        if (index == at_) packet[packet.size() / 2] ^= 0x01;
        break;
      case Behaviour::kVanish:
        if (index == at_) {
          if (on_vanish_) on_vanish_();
          pty_.CloseMaster();
          return;
        }
        break;
    }
    pty_.Send(packet);
  }

  void EndSession() {
    std::lock_guard<std::mutex> lock(mutex_);
    sessions_.push_back(std::move(current_));
    current_.clear();
  }

  Behaviour behaviour_;
  int packet_;
  int at_;
  std::function<void()> on_vanish_;
  PtyPair pty_;
  std::atomic<bool> stop_{false};
  mutable std::mutex mutex_;
  std::vector<std::vector<uint8_t>> sessions_;
  std::vector<uint8_t> current_;
  std::thread thread_;
};

}  // namespace testing_serial
