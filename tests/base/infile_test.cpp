// Opening and reading the files a user names: refusals come at once, never a wait, and
// reading stops one byte past the cap.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <initializer_list>
#include <string>
#include <thread>

#include "base/fileio.h"

namespace {

class InFileTest : public testing::Test {
 protected:
  void SetUp() override {
    char pattern[] = "/tmp/infile_test.XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder_ = pattern;
  }
  void TearDown() override { std::system(("rm -rf '" + folder_ + "'").c_str()); }

  std::string Make(const std::string& name, const std::string& bytes) {
    const std::string path = folder_ + "/" + name;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    EXPECT_GE(fd, 0);
    EXPECT_EQ(::write(fd, bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    ::close(fd);
    return path;
  }
  std::string Fifo(const std::string& name) {
    const std::string path = folder_ + "/" + name;
    EXPECT_EQ(::mkfifo(path.c_str(), 0600), 0);
    return path;
  }

  std::string folder_;
};

TEST_F(InFileTest, RegularFileIsOpenedAndReadWhole) {
  for (const base::InputKind kind : {base::InputKind::kRegularOnly, base::InputKind::kStreamsToo}) {
    base::InputFile file = OpenInput(Make("a.bin", "abc"), kind);
    ASSERT_TRUE(file.ok());
    EXPECT_TRUE(file.regular());
    EXPECT_EQ(file.size(), 3u);
    EXPECT_EQ(::fcntl(file.fd(), F_GETFL) & O_NONBLOCK, 0);  // reads block as usual
    std::string bytes;
    EXPECT_EQ(ReadAll(file, 3, &bytes), 0);
    EXPECT_EQ(bytes, "abc");
  }
}

// The refusals, each at once: a FIFO without a writer never holds the open.
TEST_F(InFileTest, RegularOnlyRefusesEverythingElse) {
  struct Case {
    std::string path;
    base::InputKind kind;
    int error;
  };
  const std::string fifo = Fifo("pipe");
  const Case cases[] = {
      {folder_, base::InputKind::kRegularOnly, EISDIR},
      {folder_, base::InputKind::kStreamsToo, EISDIR},
      {fifo, base::InputKind::kRegularOnly, ENODEV},
      {"/dev/null", base::InputKind::kRegularOnly, ENODEV},
      {"/dev/zero", base::InputKind::kRegularOnly, ENODEV},
      {folder_ + "/missing", base::InputKind::kRegularOnly, ENOENT},
      {folder_ + "/missing", base::InputKind::kStreamsToo, ENOENT},
  };
  for (const Case& c : cases) {
    const base::InputFile file = OpenInput(c.path, c.kind);
    EXPECT_FALSE(file.ok()) << c.path;
    EXPECT_EQ(file.error(), c.error) << c.path;
    EXPECT_EQ(file.fd(), -1);
  }
}

TEST_F(InFileTest, UnreadableFileGivesItsErrno) {
  if (geteuid() == 0) GTEST_SKIP() << "root reads any file";
  const std::string path = Make("secret", "x");
  ASSERT_EQ(::chmod(path.c_str(), 0), 0);
  const base::InputFile file = OpenInput(path, base::InputKind::kRegularOnly);
  EXPECT_EQ(file.error(), EACCES);
}

// An endless stream costs cap + 1 bytes of reading.
TEST_F(InFileTest, StreamBeyondTheCapIsTooBig) {
  base::InputFile zero = OpenInput("/dev/zero", base::InputKind::kStreamsToo);
  ASSERT_TRUE(zero.ok());
  EXPECT_FALSE(zero.regular());
  std::string bytes;
  EXPECT_EQ(ReadAll(zero, 1 << 20, &bytes), EFBIG);
  EXPECT_EQ(bytes.size(), 1u << 20);

  base::InputFile null = OpenInput("/dev/null", base::InputKind::kStreamsToo);
  EXPECT_EQ(ReadAll(null, 10, &bytes), 0);
  EXPECT_TRUE(bytes.empty());
}

TEST_F(InFileTest, RegularFileAtAndBeyondTheCap) {
  const std::string path = Make("ten", "0123456789");
  std::string bytes;
  base::InputFile at = OpenInput(path, base::InputKind::kRegularOnly);
  EXPECT_EQ(ReadAll(at, 10, &bytes), 0);
  EXPECT_EQ(bytes, "0123456789");
  base::InputFile beyond = OpenInput(path, base::InputKind::kRegularOnly);
  EXPECT_EQ(ReadAll(beyond, 9, &bytes), EFBIG);
  EXPECT_EQ(bytes, "012345678");
}

// Opened before its writer, a FIFO waits in the reads for the writer's bytes, not in the
// open, and does not read as empty.
TEST_F(InFileTest, FifoOpenedBeforeItsWriterIsReadWhole) {
  const std::string path = Fifo("late");
  base::InputFile file = OpenInput(path, base::InputKind::kStreamsToo);
  ASSERT_TRUE(file.ok());
  EXPECT_FALSE(file.regular());
  EXPECT_EQ(::fcntl(file.fd(), F_GETFL) & O_NONBLOCK, 0);
  std::thread writer([&] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    const int fd = ::open(path.c_str(), O_WRONLY);
    ASSERT_GE(fd, 0);
    const std::string text(100000, 'q');
    EXPECT_EQ(::write(fd, text.data(), text.size()), static_cast<ssize_t>(text.size()));
    ::close(fd);
  });
  std::string bytes;
  EXPECT_EQ(ReadAll(file, 1 << 20, &bytes), 0);
  writer.join();
  EXPECT_EQ(bytes, std::string(100000, 'q'));
}

TEST_F(InFileTest, AdoptedDescriptor) {
  int ends[2];
  ASSERT_EQ(::pipe(ends), 0);
  ASSERT_EQ(::write(ends[1], "hello", 5), 5);
  ::close(ends[1]);
  {
    base::InputFile borrowed = base::InputFile::FromDescriptor(ends[0], false);
    ASSERT_TRUE(borrowed.ok());
    EXPECT_FALSE(borrowed.regular());
    std::string bytes;
    EXPECT_EQ(ReadAll(borrowed, 100, &bytes), 0);
    EXPECT_EQ(bytes, "hello");
  }
  EXPECT_EQ(::fcntl(ends[0], F_GETFD), 0);  // still open: not owned
  {
    base::InputFile owned = base::InputFile::FromDescriptor(ends[0], true);
    base::InputFile moved = std::move(owned);
    EXPECT_FALSE(owned.ok());
    EXPECT_TRUE(moved.ok());
  }
  EXPECT_EQ(::fcntl(ends[0], F_GETFD), -1);  // closed once, by the object it moved to
  EXPECT_EQ(base::InputFile::FromDescriptor(-1, false).error(), EBADF);
}

}  // namespace
