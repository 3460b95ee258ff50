// The one writer on real files in a temporary folder: every kind of OUT, the refusals, the
// failures halfway, and the permission cases as an unprivileged user.
#include <fcntl.h>
#include <grp.h>
#include <gtest/gtest.h>
#include <pwd.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <string>
#include <vector>

#include "base/fileio.h"

namespace {

namespace fs = std::filesystem;

std::string Slurp(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return in ? std::string(std::istreambuf_iterator<char>(in), {}) : "<none>";
}

void Put(const std::string& path, const std::string& bytes, mode_t mode = 0644) {
  std::ofstream(path, std::ios::binary) << bytes;
  ASSERT_EQ(::chmod(path.c_str(), mode), 0) << path;
}

mode_t ModeOf(const std::string& path) {
  struct stat info {};
  return ::lstat(path.c_str(), &info) == 0 ? info.st_mode : 0;
}

// Every entry under `dir` (links not followed), "name" or "name -> target", sorted.
std::vector<std::string> Listing(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    std::string name = entry.path().lexically_relative(dir).string();
    if (fs::is_symlink(fs::symlink_status(entry.path()))) {
      name += " -> " + fs::read_symlink(entry.path()).string();
    }
    names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

bool HasTemporaryFile(const std::string& dir) {
  for (const auto& entry : fs::recursive_directory_iterator(dir)) {
    if (entry.path().filename().string().rfind(".qk", 0) == 0) return true;
  }
  return false;
}

const passwd* Nobody() {
  return ::getpwnam("nobody");
}

// Runs `body` as the user nobody (forked) when this is root, else here: its result, or 255
// when the user could not be switched.
int AsUnprivileged(const std::function<int()>& body) {
  if (::geteuid() != 0) return body();
  const passwd* nobody = Nobody();
  if (nobody == nullptr) return 255;
  const uid_t uid = nobody->pw_uid;
  const gid_t gid = nobody->pw_gid;
  const pid_t child = ::fork();
  if (child == 0) {
    if (::setgroups(0, nullptr) != 0 || ::setgid(gid) != 0 || ::setuid(uid) != 0) _exit(255);
    _exit(body() & 0xFF);
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) return 255;
  return WIFEXITED(status) ? WEXITSTATUS(status) : 255;
}

class FileWriteTest : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/quorkit_fileio.XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    dir_ = pattern;
    // An unprivileged user may pass through.
    ASSERT_EQ(::chmod(dir_.c_str(), 0755), 0);
    saved_umask_ = ::umask(022);
  }
  void TearDown() override {
    ::umask(saved_umask_);
    for (const auto& entry : fs::recursive_directory_iterator(dir_)) {
      if (fs::is_directory(fs::symlink_status(entry.path()))) ::chmod(entry.path().c_str(), 0755);
    }
    fs::remove_all(dir_);
  }
  std::string At(const std::string& name) const { return dir_ + "/" + name; }
  std::string Folder(const std::string& name, mode_t mode = 0755) {
    EXPECT_EQ(::mkdir(At(name).c_str(), 0700), 0);
    EXPECT_EQ(::chmod(At(name).c_str(), mode), 0);
    return At(name);
  }
  void Link(const std::string& target, const std::string& name) {
    ASSERT_EQ(::symlink(target.c_str(), At(name).c_str()), 0) << name;
  }

  std::string dir_;
  mode_t saved_umask_ = 0;
};

TEST_F(FileWriteTest, WritesEveryKindOfOut) {
  const std::string long_name(255, 'n');
  const struct {
    const char* kind;
    std::function<void()> setup;
    std::string out;      // what the user names
    std::string written;  // where the content must arrive
    mode_t mode;          // the mode it must have
  } cases[] = {
      {"new file", [] {}, "new.bin", "new.bin", 0644},
      {"regular file", [&] { Put(At("old.bin"), "earlier content"); }, "old.bin", "old.bin", 0644},
      {"0600 file keeps its mode", [&] { Put(At("secret"), "x", 0600); }, "secret", "secret", 0600},
      {"0755 file keeps its mode", [&] { Put(At("run.sh"), "x", 0755); }, "run.sh", "run.sh", 0755},
      {"link",
       [&] {
         Put(At("real.bin"), "x");
         Link(At("real.bin"), "link.bin");
       },
       "link.bin", "real.bin", 0644},
      {"chain of relative links",
       [&] {
         Folder("deep");
         Put(At("deep/end.bin"), "x", 0640);
         Link("deep/end.bin", "second");
         Link("second", "first");
       },
       "first", "deep/end.bin", 0640},
      {"relative link into another folder",
       [&] {
         Folder("a");
         Folder("b");
         Put(At("b/real"), "x");
         Link("../b/real", "a/link");
       },
       "a/link", "b/real", 0644},
      {"dangling link", [&] { Link("made.bin", "dangling"); }, "dangling", "made.bin", 0644},
      {"255-byte name", [] {}, long_name, long_name, 0644},
      {"255-byte name replaced", [&] { Put(At(long_name), "x", 0600); }, long_name, long_name,
       0600},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kind);
    fs::remove_all(dir_);
    ASSERT_TRUE(fs::create_directory(dir_));
    ASSERT_EQ(::chmod(dir_.c_str(), 0755), 0);
    c.setup();
    std::vector<std::string> expected = Listing(dir_);
    if (ModeOf(At(c.written)) == 0) expected.push_back(c.written);
    std::sort(expected.begin(), expected.end());

    EXPECT_EQ(base::WriteWholeFile(At(c.out), std::string_view("new\0content", 11)), 0);
    EXPECT_EQ(Slurp(At(c.written)), std::string("new\0content", 11));
    EXPECT_EQ(Slurp(At(c.out)), Slurp(At(c.written)));
    EXPECT_TRUE(S_ISREG(ModeOf(At(c.written))));
    EXPECT_EQ(ModeOf(At(c.written)) & 07777, c.mode);
    EXPECT_EQ(Listing(dir_), expected);  // links unchanged, nothing left beside them
  }
}

TEST_F(FileWriteTest, RefusesBeforeWritingAnything) {
  Folder("folder");
  Put(At("plain"), "x");
  Link("loop2", "loop1");
  Link("loop1", "loop2");
  Link("missing/target", "dangling_into_nothing");
  ASSERT_EQ(::mkfifo(At("fifo").c_str(), 0644), 0);
  const int sock = ::socket(AF_UNIX, SOCK_STREAM, 0);
  ASSERT_GE(sock, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  std::strcpy(address.sun_path, At("socket").c_str());
  ASSERT_EQ(::bind(sock, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  Link("fifo", "fifo_link");

  const struct {
    std::string out;
    int error;
  } cases[] = {
      {At("folder"), EISDIR},
      {At("folder/"), EISDIR},
      {At("new_folder/"), EISDIR},
      {At("no/such/folder/file.bin"), ENOENT},
      {At("plain/file.bin"), ENOTDIR},
      {At("loop1"), ELOOP},
      {At("dangling_into_nothing"), ENOENT},
      {At("fifo"), ENXIO},  // no reader: fails at once instead of waiting for one
      {At("fifo_link"), ENXIO},
      {At("socket"), ENXIO},
      {"", ENOENT},
  };
  const std::vector<std::string> before = Listing(dir_);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.out);
    base::OutputFile file;
    EXPECT_EQ(file.Open(c.out), c.error);
    EXPECT_EQ(file.Write("x"), c.error);  // the failure sticks
    EXPECT_EQ(file.Commit(), c.error);
    EXPECT_EQ(base::WriteWholeFile(c.out, "x"), c.error);
  }
  ::close(sock);
  EXPECT_EQ(Listing(dir_), before);
  EXPECT_TRUE(S_ISFIFO(ModeOf(At("fifo"))));
  EXPECT_TRUE(S_ISSOCK(ModeOf(At("socket"))));
  EXPECT_EQ(Slurp(At("plain")), "x");
}

TEST_F(FileWriteTest, StreamsAreWrittenInPlace) {
  // A FIFO with a reader gets the bytes and stays a FIFO; so does one reached by a link.
  ASSERT_EQ(::mkfifo(At("fifo").c_str(), 0600), 0);
  Link("fifo", "link");
  const int reader = ::open(At("fifo").c_str(), O_RDONLY | O_NONBLOCK);
  ASSERT_GE(reader, 0);
  for (const char* out : {"fifo", "link"}) {
    ASSERT_EQ(base::WriteWholeFile(At(out), "through the fifo"), 0) << out;
    char buffer[64] = {};
    EXPECT_EQ(::read(reader, buffer, sizeof buffer), 16);
    EXPECT_STREQ(buffer, "through the fifo");
  }
  ::close(reader);
  EXPECT_TRUE(S_ISFIFO(ModeOf(At("fifo"))));
  EXPECT_EQ(Listing(dir_), (std::vector<std::string>{"fifo", "link -> fifo"}));

  // A reader that has gone is a failure (EPIPE), not the end of the program.
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  const std::string write_end = "/proc/self/fd/" + std::to_string(ends[1]);
  base::OutputFile gone;
  ASSERT_EQ(gone.Open(write_end), 0);
  ::close(ends[0]);
  EXPECT_EQ(gone.Write("x"), EPIPE);
  EXPECT_EQ(gone.Commit(), EPIPE);
  ::close(ends[1]);

  // Descriptor links (/dev/stdout, /dev/fd/N) name an open pipe, not a path to follow.
  ASSERT_EQ(::pipe(ends), 0);
  for (const std::string& out :
       {"/dev/fd/" + std::to_string(ends[1]), "/proc/self/fd/" + std::to_string(ends[1])}) {
    ASSERT_EQ(base::WriteWholeFile(out, "piped"), 0) << out;
    char buffer[16] = {};
    EXPECT_EQ(::read(ends[0], buffer, sizeof buffer), 5);
    EXPECT_STREQ(buffer, "piped");
  }
  ::close(ends[0]);
  ::close(ends[1]);
}

TEST_F(FileWriteTest, DescriptorLinkWritesThroughTheDescriptor) {
  // As standard output redirected with >>: appended where the descriptor stands, the file
  // neither replaced nor emptied.
  Put(At("log"), "before\n");
  struct stat before {};
  ASSERT_EQ(::stat(At("log").c_str(), &before), 0);
  const int fd = ::open(At("log").c_str(), O_WRONLY | O_APPEND);
  ASSERT_GE(fd, 0);
  ASSERT_EQ(base::WriteWholeFile("/dev/fd/" + std::to_string(fd), "image\n"), 0);
  ASSERT_EQ(::write(fd, "after\n", 6), 6);
  ::close(fd);
  EXPECT_EQ(Slurp(At("log")), "before\nimage\nafter\n");
  struct stat after {};
  ASSERT_EQ(::stat(At("log").c_str(), &after), 0);
  EXPECT_EQ(after.st_ino, before.st_ino);
  EXPECT_EQ(Listing(dir_), (std::vector<std::string>{"log"}));
}

TEST_F(FileWriteTest, DeviceStaysADevice) {
  if (::geteuid() != 0) GTEST_SKIP() << "only root could replace /dev/null";
  ASSERT_EQ(base::WriteWholeFile("/dev/null", "gone"), 0);
  EXPECT_TRUE(S_ISCHR(ModeOf("/dev/null")));
  EXPECT_EQ(ModeOf("/dev/null") & 0777, 0666u);
  Link("/dev/null", "null_link");
  ASSERT_EQ(base::WriteWholeFile(At("null_link"), "gone"), 0);
  EXPECT_TRUE(S_ISCHR(ModeOf("/dev/null")));
  EXPECT_EQ(Listing(dir_), (std::vector<std::string>{"null_link -> /dev/null"}));
}

TEST_F(FileWriteTest, AFailureLeavesTheEarlierFile) {
  Put(At("out.bin"), "earlier", 0640);
  Link("out.bin", "link");
  const std::vector<std::string> before = Listing(dir_);
  const std::string big(64 * 1024, 'b');

  // A full disk, as a file size limit.
  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  auto* old_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit small = saved;
  small.rlim_cur = 4096;
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  int results[4];
  {
    base::OutputFile file;
    results[0] = file.Open(At("link"));
    results[1] = file.Write(big);
    results[2] = file.Write("more");
    results[3] = file.Commit();
  }
  const int whole = base::WriteWholeFile(At("out.bin"), big);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, old_handler);
  EXPECT_EQ(results[0], 0);
  EXPECT_EQ(results[1], EFBIG);
  EXPECT_EQ(results[2], EFBIG);
  EXPECT_EQ(results[3], EFBIG);
  EXPECT_EQ(whole, EFBIG);
  EXPECT_EQ(Slurp(At("out.bin")), "earlier");
  EXPECT_EQ(Listing(dir_), before);

  // Abandoned, or dropped without a commit.
  {
    base::OutputFile file;
    ASSERT_EQ(file.Open(At("out.bin")), 0);
    ASSERT_EQ(file.Write("new"), 0);
    EXPECT_TRUE(HasTemporaryFile(dir_));
    EXPECT_EQ(Slurp(At("out.bin")), "earlier");
    file.Abandon();
    EXPECT_NE(file.Commit(), 0);
  }
  {
    base::OutputFile file;
    ASSERT_EQ(file.Open(At("link")), 0);
    ASSERT_EQ(file.Write("new"), 0);
  }
  EXPECT_EQ(Slurp(At("out.bin")), "earlier");
  EXPECT_EQ(ModeOf(At("out.bin")) & 07777, 0640u);
  EXPECT_EQ(Listing(dir_), before);
  EXPECT_FALSE(HasTemporaryFile(dir_));
}

TEST_F(FileWriteTest, AFullDiskLeavesTheEarlierFile) {
  const std::string disk = Folder("disk");
  if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=16k") != 0) {
    GTEST_SKIP() << "cannot mount a small tmpfs: " << std::strerror(errno);
  }
  Put(disk + "/out.bin", "earlier");
  const int error = base::WriteWholeFile(disk + "/out.bin", std::string(256 * 1024, 'x'));
  const std::vector<std::string> listing = Listing(disk);
  const std::string content = Slurp(disk + "/out.bin");
  ASSERT_EQ(::umount(disk.c_str()), 0);
  EXPECT_EQ(error, ENOSPC);
  EXPECT_EQ(content, "earlier");
  EXPECT_EQ(listing, (std::vector<std::string>{"out.bin"}));
}

TEST_F(FileWriteTest, UnprivilegedUserMayWriteOnlyWhatItMay) {
  const bool root = ::geteuid() == 0;
  if (root && Nobody() == nullptr) GTEST_SKIP() << "no user nobody";
  const std::string shared = Folder("shared", 0777);
  const std::string locked = Folder("locked", 0555);
  auto own = [&](const std::string& path) {
    if (root) {
      ASSERT_EQ(::chown(path.c_str(), Nobody()->pw_uid, Nobody()->pw_gid), 0);
    }
  };
  Put(shared + "/mine", "mine", 0644);
  own(shared + "/mine");
  Put(shared + "/readonly", "readonly", 0444);
  own(shared + "/readonly");
  Put(shared + "/theirs", "theirs", 0644);  // root's, when run as root
  ASSERT_EQ(::symlink("readonly", (shared + "/readonly_link").c_str()), 0);
  ::chmod(locked.c_str(), 0755);
  Put(locked + "/writable", "writable", 0666);
  own(locked + "/writable");
  ::chmod(locked.c_str(), 0555);

  struct Case {
    std::string out;
    int error;
    std::string content;  // afterwards
    bool needs_root;      // another owner's file
  };
  const Case cases[] = {
      {shared + "/mine", 0, "written", false},
      {shared + "/fresh", 0, "written", false},
      {shared + "/readonly", EACCES, "readonly", false},
      {shared + "/readonly_link", EACCES, "readonly", false},
      {shared + "/theirs", EACCES, "theirs", true},
      {locked + "/new", EACCES, "<none>", false},
      {locked + "/writable", EACCES, "writable", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.out);
    if (c.needs_root && !root) continue;
    const int error = AsUnprivileged([&] { return base::WriteWholeFile(c.out, "written"); });
    EXPECT_EQ(error, c.error);
    EXPECT_EQ(Slurp(c.out), c.content);
  }
  EXPECT_EQ(ModeOf(shared + "/readonly") & 07777, 0444u);
  EXPECT_FALSE(HasTemporaryFile(dir_));
}

TEST_F(FileWriteTest, RootKeepsOwnerGroupAndMode) {
  if (::geteuid() != 0) GTEST_SKIP() << "needs root to own files as another user";
  if (Nobody() == nullptr) GTEST_SKIP() << "no user nobody";
  const uid_t uid = Nobody()->pw_uid;
  const gid_t gid = Nobody()->pw_gid;
  // Root may write what root may write: a read-only file too, which stays read-only.
  Put(At("theirs"), "x", 0440);
  ASSERT_EQ(::chown(At("theirs").c_str(), uid, gid), 0);
  Put(At("setgid"), "x", 02755);
  ASSERT_EQ(::chown(At("setgid").c_str(), uid, gid), 0);
  ASSERT_EQ(::chmod(At("setgid").c_str(), 02755), 0);  // chown cleared it
  for (const char* name : {"theirs", "setgid"}) {
    SCOPED_TRACE(name);
    const mode_t mode = ModeOf(At(name)) & 07777;
    ASSERT_EQ(base::WriteWholeFile(At(name), "root's"), 0);
    EXPECT_EQ(Slurp(At(name)), "root's");
    struct stat info {};
    ASSERT_EQ(::stat(At(name).c_str(), &info), 0);
    EXPECT_EQ(info.st_uid, uid);
    EXPECT_EQ(info.st_gid, gid);
    EXPECT_EQ(info.st_mode & 07777, mode);
  }
}

TEST(FileErrorMessage, NamesTheFileAndTheReason) {
  EXPECT_EQ(base::FileErrorMessage("out.bin", EACCES), "out.bin: Permission denied");
  EXPECT_EQ(base::FileErrorMessage("/x/y", ENOENT), "/x/y: No such file or directory");
  EXPECT_EQ(base::FileErrorMessage("fifo", ENXIO), "fifo: No such device or address");
}

}  // namespace
