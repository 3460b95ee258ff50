#include "tools/protocol/comport.h"

#include <dirent.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <fstream>
#include <map>
#include <mutex>
#include <thread>
#include <utility>

#include "base/format.h"
#include "base/tr.h"

namespace protocol {

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kReadWaitMs = 3000;
constexpr int kWriteConstantMs = 2000;
constexpr int kWritePerByteMs = 50;

struct DeviceMap {
  std::mutex mutex;
  std::string dev_dir = "/dev";
  std::string sys_tty_dir = "/sys/class/tty";
  std::map<int, std::string> overrides;
};

DeviceMap& Devices() {
  static DeviceMap* map = new DeviceMap;  // never destroyed: usable until the very end
  return *map;
}

speed_t SpeedOf(int baud) {
  static const std::pair<int, speed_t> kSpeeds[] = {
      {50, B50},       {75, B75},         {110, B110},       {134, B134},       {150, B150},
      {200, B200},     {300, B300},       {600, B600},       {1200, B1200},     {1800, B1800},
      {2400, B2400},   {4800, B4800},     {9600, B9600},     {19200, B19200},   {38400, B38400},
      {57600, B57600}, {115200, B115200}, {230400, B230400}, {460800, B460800}, {921600, B921600},
  };
  for (const auto& [rate, speed] : kSpeeds) {
    if (rate == baud) return speed;
  }
  return B0;
}

// Milliseconds left until `deadline`, rounded up, at least 0.
int MsLeft(Clock::time_point deadline) {
  const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
  return left.count() > 0 ? static_cast<int>(left.count()) : 0;
}

void ResetEvent(int fd) {
  uint64_t value = 0;
  while (read(fd, &value, sizeof value) > 0) {
  }
}

// The numbers n of the entries prefix<n> of `names`, in numeric order.
std::vector<long> NumberedNames(const std::vector<std::string>& names, const std::string& prefix) {
  std::vector<long> numbers;
  for (const std::string& name : names) {
    if (name.size() <= prefix.size() || name.compare(0, prefix.size(), prefix) != 0) continue;
    const std::string digits = name.substr(prefix.size());
    if (digits.size() > 9 ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; })) {
      continue;
    }
    numbers.push_back(std::strtol(digits.c_str(), nullptr, 10));
  }
  std::sort(numbers.begin(), numbers.end());
  numbers.erase(std::unique(numbers.begin(), numbers.end()), numbers.end());
  return numbers;
}

// A ttyS port is real when the kernel knows its UART type; placeholders report 0.
bool UartKnown(const std::string& sys_tty_dir, const std::string& name) {
  std::ifstream file(sys_tty_dir + "/" + name + "/type");
  long type = 0;
  return static_cast<bool>(file >> type) && type != 0;
}

}  // namespace

CComPort::CComPort() {
  cancel_fd_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
}

CComPort::~CComPort() {
  wake_on_stop_.reset();  // before the descriptor it writes to goes
  if (cancel_fd_ >= 0) close(cancel_fd_);
}

void CComPort::StopOn(std::stop_token stop) {
  wake_on_stop_.reset();
  stop_ = std::move(stop);
  // The request sets the token before it runs this, so a Read that resets the event and
  // then finds no request yet is still woken.
  wake_on_stop_ = std::make_unique<std::stop_callback<std::function<void()>>>(
      stop_, std::function<void()>([this] { Cancel(); }));
}

bool CComPort::Open() {
  if (IsOpen()) Close();
  if (cancel_fd_ < 0) {
    last_error = base::Tr("quorkit", "事件对象无效");
    return false;
  }
  ResetEvent(cancel_fd_);

  const std::string device = ComDevicePath(port_number);
  int fd = -1;
  int error = ENOENT;
  if (!device.empty()) {
    fd = open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    error = errno;
  }
  // Two programs on one line would interleave their packets: hold the device exclusively.
  if (fd >= 0 && flock(fd, LOCK_EX | LOCK_NB) != 0) {
    error = errno;
    close(fd);
    fd = -1;
  }
  if (fd < 0) {
    last_error = OpenFailureText(port_number, device, error);
    return false;
  }
  ioctl(fd, TIOCEXCL);
  fd_ = fd;

  termios settings{};
  if (tcgetattr(fd_, &settings) != 0) {
    Close();
    last_error = base::Tr("quorkit", "获取端口状态失败");
    return false;
  }
  cfmakeraw(&settings);
  settings.c_cflag &= ~(PARENB | CSTOPB | CSIZE | CRTSCTS);
  settings.c_cflag |= CS8 | CREAD | CLOCAL;
  settings.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK);
  settings.c_cc[VMIN] = 1;
  settings.c_cc[VTIME] = 0;
  const speed_t speed = SpeedOf(baud_rate);
  if (speed != B0) cfsetspeed(&settings, speed);
  tcsetattr(fd_, TCSANOW, &settings);  // a refusal is not reported: the line keeps its settings
  tcflush(fd_, TCIOFLUSH);             // nothing left over from an earlier user of the line
  return true;
}

void CComPort::Close() {
  if (fd_ >= 0) {
    // A stopped transfer does not wait for a stuck line to take what is still queued.
    if (Stopped()) tcflush(fd_, TCOFLUSH);
    ioctl(fd_, TIOCNXCL);  // a pseudo-terminal keeps the flag while its other end is open
    close(fd_);
    fd_ = -1;
  }
}

int CComPort::Write(const uint8_t* data, int count) {
  if (!IsOpen()) {
    last_error = base::Tr("quorkit", "端口未打开");
    return 0;
  }
  if (count <= 0) return 0;
  const auto deadline =
      Clock::now() + std::chrono::milliseconds(kWriteConstantMs + int64_t{kWritePerByteMs} * count);
  int written = 0;
  while (written < count) {
    if (Stopped()) return written;
    const ssize_t n = write(fd_, data + written, static_cast<size_t>(count - written));
    if (n > 0) {
      written += static_cast<int>(n);
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n < 0 && errno != EAGAIN) {
      last_error = base::Format(base::Tr("quorkit", "写入失败，错误码：%d"), errno);
      return 0;
    }
    const int left = MsLeft(deadline);
    if (left == 0) return written;
    pollfd fds[2] = {{fd_, POLLOUT, 0}, {cancel_fd_, POLLIN, 0}};
    if (poll(fds, 2, left) < 0 && errno != EINTR) {
      last_error = base::Format(base::Tr("quorkit", "写入失败，错误码：%d"), errno);
      return 0;
    }
    // A cancel is meant for a waiting Read, which resets the event anyway; only a stop
    // ends the write.
    if (fds[1].revents & POLLIN) ResetEvent(cancel_fd_);
  }
  // The write ends when the bytes have left the driver's queue, as far as it can tell.
  int queued = 0;
  while (!Stopped() && ioctl(fd_, TIOCOUTQ, &queued) == 0 && queued > 0) {
    const int left = MsLeft(deadline);
    if (left == 0) break;
    std::this_thread::sleep_for(std::chrono::milliseconds(std::min(left, 2)));
  }
  return written;
}

int CComPort::Read(uint8_t* data, int count) {
  if (!IsOpen()) {
    last_error = base::Tr("quorkit", "端口未打开");
    return -1;
  }
  if (cancel_fd_ < 0) {
    last_error = base::Tr("quorkit", "事件对象无效");
    return -1;
  }
  ResetEvent(cancel_fd_);
  if (Stopped()) {  // requested before the reset: its wake-up is gone with it
    last_error = "读取等待被用户取消";
    return -1;
  }
  if (count <= 0) return 0;
  const auto deadline = Clock::now() + std::chrono::milliseconds(kReadWaitMs);
  int got = 0;
  bool waited = false;
  bool hung_up = false;
  for (;;) {
    const ssize_t n = read(fd_, data + got, static_cast<size_t>(count - got));
    if (n > 0) {
      got += static_cast<int>(n);
      if (got == count) return count;
      continue;
    }
    if (n < 0 && errno == EINTR) continue;
    if (n == 0 || (n < 0 && (errno == EIO || errno == ENXIO || errno == ENODEV))) {
      // End of file or EIO: the device is gone (adapter unplugged, far end closed).
      last_error = base::Tr("quorkit", "端口错误");
      return -1;
    }
    if (errno != EAGAIN) {
      last_error = waited ? base::Tr("quorkit", "端口错误") : base::Tr("quorkit", "I/O错误");
      return -1;
    }
    if (hung_up) {  // a hang-up that reads as "no data yet" would spin until the time-out
      last_error = base::Tr("quorkit", "端口错误");
      return -1;
    }
    const int left = MsLeft(deadline);
    if (left == 0) {
      last_error = base::Tr("quorkit", "读取超时");
      return -1;
    }
    pollfd fds[2] = {{fd_, POLLIN, 0}, {cancel_fd_, POLLIN, 0}};
    const int ready = poll(fds, 2, left);
    waited = true;
    if (ready < 0) {
      if (errno == EINTR) continue;
      last_error = base::Tr("quorkit", "端口错误");
      return -1;
    }
    if (fds[1].revents & POLLIN) {
      last_error = base::Tr("quorkit", "读取等待被用户取消");
      return -1;
    }
    if (fds[0].revents & (POLLERR | POLLNVAL)) {
      last_error = base::Tr("quorkit", "端口错误");
      return -1;
    }
    // POLLIN or POLLHUP: the next read takes the bytes or reports the hang-up.
    hung_up = (fds[0].revents & POLLHUP) && !(fds[0].revents & POLLIN);
    if (ready == 0) {
      last_error = base::Tr("quorkit", "读取超时");
      return -1;
    }
  }
}

void CComPort::Cancel() {
  if (cancel_fd_ >= 0) {
    const uint64_t one = 1;
    [[maybe_unused]] const ssize_t n = write(cancel_fd_, &one, sizeof one);
  }
}

std::vector<std::string> ListSerialDevices(const std::string& dev_dir,
                                           const std::string& sys_tty_dir) {
  std::vector<std::string> names;
  if (DIR* dir = opendir(dev_dir.c_str())) {
    while (const dirent* entry = readdir(dir)) names.emplace_back(entry->d_name);
    closedir(dir);
  }
  std::vector<std::string> devices;
  for (const char* group : {"ttyUSB", "ttyACM"}) {
    for (const long n : NumberedNames(names, group)) {
      devices.push_back(dev_dir + "/" + group + std::to_string(n));
    }
  }
  for (const long n : NumberedNames(names, "ttyS")) {
    const std::string name = "ttyS" + std::to_string(n);
    if (UartKnown(sys_tty_dir, name)) devices.push_back(dev_dir + "/" + name);
  }
  return devices;
}

std::string ComDevicePath(int port) {
  std::string dev_dir, sys_tty_dir;
  {
    DeviceMap& map = Devices();
    std::lock_guard<std::mutex> lock(map.mutex);
    if (const auto found = map.overrides.find(port); found != map.overrides.end()) {
      return found->second;
    }
    dev_dir = map.dev_dir;
    sys_tty_dir = map.sys_tty_dir;
  }
  if (port < 1) return std::string();
  const std::vector<std::string> devices = ListSerialDevices(dev_dir, sys_tty_dir);
  return static_cast<size_t>(port) <= devices.size() ? devices[static_cast<size_t>(port) - 1]
                                                     : std::string();
}

void SetComDevice(int port, const std::string& path) {
  DeviceMap& map = Devices();
  std::lock_guard<std::mutex> lock(map.mutex);
  if (path.empty()) {
    map.overrides.erase(port);
  } else {
    map.overrides[port] = path;
  }
}

void SetSerialDeviceFolders(const std::string& dev_dir, const std::string& sys_tty_dir) {
  DeviceMap& map = Devices();
  std::lock_guard<std::mutex> lock(map.mutex);
  map.dev_dir = dev_dir;
  map.sys_tty_dir = sys_tty_dir;
}

std::string OpenFailureText(int port, const std::string& device, int error_code) {
  std::string text = base::Format(base::Tr("quorkit", "打开COM%d失败"), port);
  if (error_code == EACCES || error_code == EPERM) {
    text += base::Format(base::Tr("quorkit", "：没有权限访问%s，请把用户加入dialout组后重新登录"),
                         device.c_str());
  }
  return text;
}

}  // namespace protocol
