// Reading and writing the files a user names: one writer and one opener for every tool,
// the windows and the command line alike. No Qt here.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace base {

// Which inputs an opener accepts.
enum class InputKind {
  kRegularOnly,  // a window's open dialog: anything else is refused at once, never waited on
  kStreamsToo,   // the command line: pipes, /dev/stdin, <(...) and devices are read as streams
};

// An open input file; closes itself.
class InputFile {
 public:
  InputFile() = default;
  ~InputFile();
  InputFile(InputFile&& other) noexcept;
  InputFile& operator=(InputFile&& other) noexcept;
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  bool ok() const { return fd_ >= 0; }
  int fd() const { return fd_; }
  int error() const { return error_; }  // errno of the failure when !ok()
  bool regular() const { return regular_; }
  std::uint64_t size() const { return size_; }  // of a regular file; 0 for a stream

  // Reads up to `size` bytes: the count, 0 at the end, or -1 with errno set (EINTR is
  // retried). A FIFO opened before its writer came waits here for the writer's first bytes
  // (or its close) rather than in the open.
  long Read(void* data, std::size_t size);

  // Adopts an open descriptor (standard input for "-"); it is closed with the object unless
  // `owned` is false.
  static InputFile FromDescriptor(int fd, bool owned);

 private:
  friend InputFile OpenInput(const std::string& path, InputKind kind);
  int fd_ = -1;
  bool owned_ = true;
  int error_ = 0;
  bool regular_ = false;
  bool fifo_ = false;
  std::uint64_t size_ = 0;
};

// Opens `path` read-only. The open never blocks (O_NONBLOCK, then fstat); with kRegularOnly
// a directory fails with EISDIR and any other non-regular file with ENODEV, and a device
// is not even opened (opening a serial port may already raise its modem lines). With
// kStreamsToo a directory still fails with EISDIR. Once open, reads block as usual.
InputFile OpenInput(const std::string& path, InputKind kind);

// Reads the rest of `file` into `bytes`, at most `cap` bytes. Returns 0, errno of a read
// failure, or EFBIG when there is more than `cap` (at most cap + 1 bytes are ever read, so
// an endless stream costs nothing).
int ReadAll(InputFile& file, std::size_t cap, std::string* bytes);

// The one writer. A regular OUT (or a new one) is written to a temporary file beside it
// and renamed over it only when complete; OUT keeps its mode, and its owner and group
// where the user may set them. A symbolic link keeps pointing where it did: its target
// gets the content. An existing device, FIFO or socket is written in place (a FIFO without
// a reader fails with ENXIO rather than blocking). A directory, a missing folder, a folder
// or an existing file the user may not write are refused before anything is written. Any
// failure leaves the earlier OUT as it was and no temporary file behind.
class OutputFile {
 public:
  OutputFile() = default;
  ~OutputFile();  // abandons an uncommitted file
  OutputFile(const OutputFile&) = delete;
  OutputFile& operator=(const OutputFile&) = delete;

  // 0 or the errno why `path` cannot be written.
  int Open(const std::string& path);
  // 0 or errno; after a failure every further call returns that failure.
  int Write(const void* data, std::size_t size);
  int Write(std::string_view bytes) { return Write(bytes.data(), bytes.size()); }
  // Flushes, syncs and puts the file in place: 0 or errno (nothing is left behind then).
  int Commit();
  // Drops what was written; OUT stays as it was (what went to a device or FIFO is gone).
  void Abandon();

  const std::string& path() const { return path_; }

 private:
  std::string path_;    // what the user named
  std::string target_;  // where the content goes (a link's target)
  std::string name_;    // target_'s last component, renamed over in dir_fd_
  std::string temp_;    // the temporary file in dir_fd_, empty when writing in place
  int dir_fd_ = -1;     // target_'s folder while a temporary file is written there
  int fd_ = -1;
  int error_ = 0;
};

// Writes `bytes` to `path` through an OutputFile: 0 or errno.
int WriteWholeFile(const std::string& path, std::string_view bytes);

// "PATH: reason" for a command-line message (strerror's text).
std::string FileErrorMessage(const std::string& path, int error);

}  // namespace base
