// The writing half of base/fileio.h.
#include <fcntl.h>
#include <linux/magic.h>
#include <signal.h>
#include <sys/random.h>
#include <sys/stat.h>
#include <sys/statfs.h>
#include <time.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstring>
#include <string>

#include "base/fileio.h"

namespace base {
namespace {

// Links followed before giving up, as the kernel does.
constexpr int kMaxLinks = 40;

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The links in /proc (/dev/stdout, /dev/fd/N, /proc/self/fd/N) name open descriptors, not
// paths: what they read back ("pipe:[123]", "/x (deleted)") cannot be followed by name.
bool InProcFolder(const std::string& link) {
  struct statfs fs {};
  return ::statfs(FolderOf(link).c_str(), &fs) == 0 && fs.f_type == PROC_SUPER_MAGIC;
}

// Where the content of `path` goes: the last link's target, followed by name. Sets
// `in_place` for an OUT that is opened through the kernel and written where it is.
int Resolve(const std::string& path, std::string* target, bool* in_place, struct stat* info) {
  std::string current = path;
  for (int links = 0; links <= kMaxLinks; ++links) {
    if (::lstat(current.c_str(), info) != 0) {
      if (errno != ENOENT) return errno;
      // A new file (or a dangling link's target): its folder decides.
      if (NameOf(current).empty()) return EISDIR;
      *target = current;
      *in_place = false;
      info->st_mode = 0;
      return 0;
    }
    if (S_ISLNK(info->st_mode)) {
      if (InProcFolder(current)) {
        *target = current;
        *in_place = true;
        return 0;
      }
      std::string link(PATH_MAX, '\0');
      const ssize_t size = ::readlink(current.c_str(), link.data(), link.size());
      if (size < 0) return errno;
      if (static_cast<size_t>(size) >= link.size()) return ENAMETOOLONG;
      link.resize(static_cast<size_t>(size));
      if (link.empty()) return ENOENT;
      current = link[0] == '/' ? link : FolderOf(current) + "/" + link;
      continue;
    }
    if (S_ISDIR(info->st_mode)) return EISDIR;
    *target = current;
    *in_place = !S_ISREG(info->st_mode);
    return 0;
  }
  return ELOOP;
}

// /dev/stdout, /dev/fd/N or /proc/self/fd/N naming one of this program's descriptors open
// for writing: a copy of it, so that the bytes go where (and at the offset) standard output
// would put them. -1 for any other path.
int OwnDescriptorFor(const std::string& link) {
  char folder[PATH_MAX];
  if (::realpath(FolderOf(link).c_str(), folder) == nullptr) return -1;
  if (std::string(folder) != "/proc/" + std::to_string(::getpid()) + "/fd") return -1;
  const std::string name = NameOf(link);
  if (name.empty() || name.size() > 9 ||
      name.find_first_not_of("0123456789") != std::string::npos) {
    return -1;
  }
  const int fd = std::stoi(name);
  const int flags = ::fcntl(fd, F_GETFL);
  if (flags < 0 || (flags & O_ACCMODE) == O_RDONLY) return -1;
  return ::fcntl(fd, F_DUPFD_CLOEXEC, 0);
}

// A short name, so that any name the folder accepts for OUT leaves room for it.
std::string TemporaryName() {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyz0123456789";
  unsigned char random[8] = {};
  if (::getrandom(random, sizeof random, GRND_NONBLOCK) != sizeof random) {
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    unsigned long long seed = static_cast<unsigned long long>(now.tv_nsec) ^
                              (static_cast<unsigned long long>(::getpid()) << 20) ^
                              reinterpret_cast<uintptr_t>(&now);
    for (unsigned char& byte : random) {
      seed = seed * 6364136223846793005ull + 1442695040888963407ull;
      byte = static_cast<unsigned char>(seed >> 56);
    }
  }
  std::string name = ".qk";
  for (unsigned char byte : random) name += kLetters[byte % (sizeof kLetters - 1)];
  return name;
}

// write(2) that reports a reader gone from a pipe as EPIPE instead of ending the program.
ssize_t WriteWithoutSigpipe(int fd, const void* data, size_t size) {
  sigset_t pipe_only;
  sigset_t saved;
  sigemptyset(&pipe_only);
  sigaddset(&pipe_only, SIGPIPE);
  sigset_t pending;
  sigemptyset(&pending);
  ::sigpending(&pending);
  const bool was_pending = sigismember(&pending, SIGPIPE) == 1;
  ::pthread_sigmask(SIG_BLOCK, &pipe_only, &saved);
  const ssize_t written = ::write(fd, data, size);
  const int error = errno;
  if (written < 0 && error == EPIPE && !was_pending) {
    const timespec zero{};
    while (::sigtimedwait(&pipe_only, nullptr, &zero) < 0 && errno == EINTR) {
    }
  }
  ::pthread_sigmask(SIG_SETMASK, &saved, nullptr);
  errno = error;
  return written;
}

}  // namespace

OutputFile::~OutputFile() {
  Abandon();
}

int OutputFile::Open(const std::string& path) {
  Abandon();
  path_ = path;
  error_ = 0;
  if (path.empty()) return error_ = ENOENT;

  bool in_place = false;
  struct stat info {};
  if (const int error = Resolve(path, &target_, &in_place, &info); error != 0) {
    return error_ = error;
  }

  if (in_place && (fd_ = OwnDescriptorFor(target_)) >= 0) return 0;
  if (in_place) {
    // A device, FIFO or another descriptor link: never replaced. A FIFO without a reader
    // fails at once (ENXIO) instead of waiting for one; a socket cannot be opened (ENXIO).
    fd_ = ::open(target_.c_str(), O_WRONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (fd_ < 0) return error_ = errno;
    struct stat opened {};
    int error = 0;
    if (::fstat(fd_, &opened) != 0) {
      error = errno;
    } else if (S_ISDIR(opened.st_mode)) {
      error = EISDIR;
    } else if (S_ISREG(opened.st_mode) && ::ftruncate(fd_, 0) != 0) {
      error = errno;  // a regular file reached through a descriptor link
    } else {
      const int flags = ::fcntl(fd_, F_GETFL);
      if (flags < 0 || ::fcntl(fd_, F_SETFL, flags & ~O_NONBLOCK) != 0) error = errno;
    }
    if (error != 0) {
      Abandon();
      return error_ = error;
    }
    return 0;
  }

  const bool exists = S_ISREG(info.st_mode);
  // The folder being writable is not enough: the user must be allowed to write OUT itself.
  if (exists && ::faccessat(AT_FDCWD, target_.c_str(), W_OK, AT_EACCESS) != 0) {
    return error_ = errno;
  }
  dir_fd_ = ::open(FolderOf(target_).c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC);
  if (dir_fd_ < 0) {
    error_ = errno;
    Abandon();
    return error_;
  }
  name_ = NameOf(target_);
  for (int attempt = 0; attempt < 100 && fd_ < 0; ++attempt) {
    temp_ = TemporaryName();
    // A new OUT gets 0666 less the umask (and the folder's default ACL), as open(2) gives.
    fd_ = ::openat(dir_fd_, temp_.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC,
                   exists ? 0600 : 0666);
    if (fd_ < 0 && errno != EEXIST) break;
  }
  if (fd_ < 0) {
    error_ = errno;
    temp_.clear();
    Abandon();
    return error_;
  }
  if (exists) {
    // Owner and group where the user may set them; the mode always (after chown, which may
    // clear set-id bits).
    if (::fchown(fd_, info.st_uid, info.st_gid) != 0)
      ::fchown(fd_, static_cast<uid_t>(-1), info.st_gid);
    if (::fchmod(fd_, info.st_mode & 07777) != 0) {
      error_ = errno;
      Abandon();
      return error_;
    }
  }
  return 0;
}

int OutputFile::Write(const void* data, std::size_t size) {
  if (error_ != 0) return error_;
  if (fd_ < 0) return error_ = EBADF;
  const char* bytes = static_cast<const char*>(data);
  while (size > 0) {
    const ssize_t written =
        temp_.empty() ? WriteWithoutSigpipe(fd_, bytes, size) : ::write(fd_, bytes, size);
    if (written < 0) {
      if (errno == EINTR) continue;
      return error_ = errno;
    }
    if (written == 0) return error_ = EIO;
    bytes += written;
    size -= static_cast<size_t>(written);
  }
  return 0;
}

int OutputFile::Commit() {
  if (error_ == 0 && fd_ < 0) error_ = EBADF;
  if (error_ != 0) {
    const int error = error_;
    Abandon();
    return error_ = error;
  }
  int error = 0;
  if (temp_.empty()) {
    // In place: a device or pipe may not sync (EINVAL, EROFS); that is no failure.
    if (::fsync(fd_) != 0 && errno != EINVAL && errno != EROFS) error = errno;
    if (::close(fd_) != 0 && error == 0 && errno != EINTR) error = errno;
    fd_ = -1;
  } else {
    if (::fsync(fd_) != 0) error = errno;
    if (::close(fd_) != 0 && error == 0 && errno != EINTR) error = errno;
    fd_ = -1;
    if (error == 0 && ::renameat(dir_fd_, temp_.c_str(), dir_fd_, name_.c_str()) != 0) {
      error = errno;
    }
    if (error == 0) {
      temp_.clear();
      // The rename itself, made durable where the folder can be opened for it.
      const int folder = ::openat(dir_fd_, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
      if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
      }
    }
  }
  Abandon();
  return error_ = error;
}

void OutputFile::Abandon() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
  if (!temp_.empty() && dir_fd_ >= 0) ::unlinkat(dir_fd_, temp_.c_str(), 0);
  temp_.clear();
  if (dir_fd_ >= 0) ::close(dir_fd_);
  dir_fd_ = -1;
  name_.clear();
  if (error_ == 0) error_ = ECANCELED;
}

int WriteWholeFile(const std::string& path, std::string_view bytes) {
  OutputFile file;
  if (const int error = file.Open(path); error != 0) return error;
  if (const int error = file.Write(bytes); error != 0) return error;
  return file.Commit();
}

std::string FileErrorMessage(const std::string& path, int error) {
  return path + ": " + std::strerror(error);
}

}  // namespace base
