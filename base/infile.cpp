// The reading half of base/fileio.h.
#include <fcntl.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <new>
#include <utility>

#include "base/fileio.h"

namespace base {

InputFile::~InputFile() {
  if (fd_ >= 0 && owned_) ::close(fd_);
}

InputFile::InputFile(InputFile&& other) noexcept
    : fd_(std::exchange(other.fd_, -1)),
      owned_(other.owned_),
      error_(other.error_),
      regular_(other.regular_),
      fifo_(other.fifo_),
      size_(other.size_) {}

InputFile& InputFile::operator=(InputFile&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0 && owned_) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
    owned_ = other.owned_;
    error_ = other.error_;
    regular_ = other.regular_;
    fifo_ = other.fifo_;
    size_ = other.size_;
  }
  return *this;
}

InputFile InputFile::FromDescriptor(int fd, bool owned) {
  InputFile file;
  struct stat info {};
  if (fd < 0 || ::fstat(fd, &info) != 0) {
    file.error_ = fd < 0 ? EBADF : errno;
    if (fd >= 0 && owned) ::close(fd);
    return file;
  }
  file.fd_ = fd;
  file.owned_ = owned;
  file.regular_ = S_ISREG(info.st_mode);
  file.size_ = file.regular_ ? static_cast<std::uint64_t>(info.st_size) : 0;
  return file;
}

namespace {

// 0, or why a file of this mode is refused.
int Refusal(mode_t mode, InputKind kind) {
  if (S_ISDIR(mode)) return EISDIR;
  if (!S_ISREG(mode) && kind == InputKind::kRegularOnly) return ENODEV;
  return 0;
}

}  // namespace

InputFile OpenInput(const std::string& path, InputKind kind) {
  InputFile file;
  struct stat info {};
  if (kind == InputKind::kRegularOnly) {
    // Refused before the open: a device is never opened at all.
    if (::stat(path.c_str(), &info) != 0) {
      file.error_ = errno;
      return file;
    }
    if (const int refusal = Refusal(info.st_mode, kind)) {
      file.error_ = refusal;
      return file;
    }
  }
  // O_NONBLOCK: a FIFO without a writer would otherwise hold the open until one comes.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    file.error_ = errno;
    return file;
  }
  // Checked again on what was opened: the path may have been replaced since the stat.
  int refusal = ::fstat(fd, &info) != 0 ? errno : Refusal(info.st_mode, kind);
  const bool regular = S_ISREG(info.st_mode);
  if (refusal == 0) {
    // Read with blocking reads from here on, like standard input.
    const int flags = ::fcntl(fd, F_GETFL);
    if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0) refusal = errno;
  }
  if (refusal != 0) {
    file.error_ = refusal;
    ::close(fd);
    return file;
  }
  file.fd_ = fd;
  file.regular_ = regular;
  file.fifo_ = S_ISFIFO(info.st_mode);
  file.size_ = regular ? static_cast<std::uint64_t>(info.st_size) : 0;
  return file;
}

long InputFile::Read(void* data, std::size_t size) {
  if (fd_ < 0) {
    errno = EBADF;
    return -1;
  }
  for (;;) {
    if (fifo_) {
      // Opened without a writer, a FIFO reads as ended at once; poll waits for the
      // writer's bytes or its close, and is not needed once anything was read.
      struct pollfd wait {
        fd_, POLLIN, 0
      };
      if (::poll(&wait, 1, -1) < 0) {
        if (errno == EINTR) continue;
        return -1;
      }
    }
    const ssize_t got = ::read(fd_, data, size);
    if (got < 0 && errno == EINTR) continue;
    if (got > 0) fifo_ = false;
    return static_cast<long>(got);
  }
}

int ReadAll(InputFile& file, std::size_t cap, std::string* bytes) {
  bytes->clear();
  if (!file.ok()) return file.error() != 0 ? file.error() : EBADF;
  const std::size_t limit = cap == static_cast<std::size_t>(-1) ? cap : cap + 1;
  try {
    // A regular file's size is only a hint: it may grow or shrink while it is read.
    std::size_t chunk = 64 * 1024;
    if (file.regular()) {
      const std::size_t expected =
          static_cast<std::size_t>(std::min<std::uint64_t>(file.size(), limit - 1)) + 1;
      bytes->reserve(expected);
      chunk = std::max(chunk, expected);
    }
    while (bytes->size() < limit) {
      const std::size_t want = std::min(chunk, limit - bytes->size());
      const std::size_t have = bytes->size();
      bytes->resize(have + want);
      const long got = file.Read(bytes->data() + have, want);
      if (got < 0) {
        const int error = errno;
        bytes->resize(have);
        return error;
      }
      bytes->resize(have + static_cast<std::size_t>(got));
      if (got == 0) break;
      if (chunk < 1024 * 1024) chunk *= 2;
    }
  } catch (const std::bad_alloc&) {
    bytes->clear();
    return ENOMEM;
  }
  if (bytes->size() > cap) {
    bytes->resize(cap);
    return EFBIG;
  }
  return 0;
}

}  // namespace base
