// The serial port against a real pseudo-terminal pair: the test plays the target on the
// master side. COM 40 and up are mapped to the pty slaves, far above any real device.
#include "tools/protocol/comport.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stop_token>
#include <thread>
#include <vector>

#include "tests/tools/protocol/pty_target.h"

namespace {

using protocol::CComPort;
using testing_serial::PtyPair;
namespace fs = std::filesystem;

constexpr int kCom = 40;

class ComPortTest : public testing::Test {
 protected:
  void SetUp() override {
    protocol::SetComDevice(kCom, pty_.slave_path());
    port_.port_number = kCom;
    port_.baud_rate = 115200;
  }
  void TearDown() override {
    port_.Close();
    protocol::SetComDevice(kCom, "");
  }

  PtyPair pty_;
  CComPort port_;
};

TEST_F(ComPortTest, BytesPassUnchangedBothWays) {
  ASSERT_TRUE(port_.Open()) << port_.last_error;
  // Line ends, interrupt and flow-control characters are data on a raw line.
  const std::vector<uint8_t> out = {0x0A, 0x0D, 0x03, 0x11, 0x13, 0x7F, 0xFF, 0x00, 0x04, 0x1A};
  EXPECT_EQ(port_.Write(out.data(), static_cast<int>(out.size())), 10);
  EXPECT_EQ(pty_.Drain(200), out);

  const std::vector<uint8_t> in = {0x0D, 0x0A, 0x03, 0x1C, 0x11, 0xFF, 0x00, 0x7F};
  pty_.Send(in);
  std::vector<uint8_t> got(in.size());
  EXPECT_EQ(port_.Read(got.data(), static_cast<int>(got.size())), 8);
  EXPECT_EQ(got, in);
  EXPECT_EQ(port_.last_error, "");
}

TEST_F(ComPortTest, OpensRawEightDataBitsNoParityOneStopBitAtTheBaudRate) {
  ASSERT_TRUE(port_.Open()) << port_.last_error;
  port_.Close();  // the line keeps its settings while the far end is open
  const int fd = open(pty_.slave_path().c_str(), O_RDWR | O_NOCTTY);
  ASSERT_GE(fd, 0) << "closing gave the line free again";
  termios settings{};
  ASSERT_EQ(tcgetattr(fd, &settings), 0);
  close(fd);
  EXPECT_EQ(settings.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
  EXPECT_FALSE(settings.c_cflag & (PARENB | CSTOPB | CRTSCTS));
  EXPECT_FALSE(settings.c_lflag & (ICANON | ECHO | ISIG));
  EXPECT_FALSE(settings.c_iflag & (IXON | IXOFF | ICRNL | INPCK));
  EXPECT_FALSE(settings.c_oflag & OPOST);
  EXPECT_EQ(cfgetospeed(&settings), static_cast<speed_t>(B115200));
}

TEST_F(ComPortTest, ReadEndsAfterTheWaitWhenNothingOrTooLittleComes) {
  ASSERT_TRUE(port_.Open());
  uint8_t buffer[8];
  EXPECT_EQ(port_.Read(buffer, 8), -1);
  EXPECT_EQ(port_.last_error, "读取超时");

  pty_.Send({1, 2, 3});
  EXPECT_EQ(port_.Read(buffer, 8), -1);
  EXPECT_EQ(port_.last_error, "读取超时");
  // The three bytes of the failed read are gone; the next read sees only new ones.
  pty_.Send({7, 8});
  EXPECT_EQ(port_.Read(buffer, 2), 2);
  EXPECT_EQ(buffer[0], 7);
  EXPECT_EQ(buffer[1], 8);
  // A success leaves the older text in place.
  EXPECT_EQ(port_.Write(buffer, 2), 2);
  EXPECT_EQ(port_.last_error, "读取超时");
}

TEST_F(ComPortTest, CancelEndsAWaitingReadAndAnEarlierCancelIsForgotten) {
  ASSERT_TRUE(port_.Open());
  port_.Cancel();  // before the read: forgotten
  std::thread target([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    pty_.Send({5, 6, 7});
  });
  uint8_t buffer[3];
  EXPECT_EQ(port_.Read(buffer, 3), 3);
  target.join();

  std::thread canceller([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    port_.Cancel();
  });
  EXPECT_EQ(port_.Read(buffer, 3), -1);
  EXPECT_EQ(port_.last_error, "读取等待被用户取消");
  canceller.join();
}

// Unlike a cancel, a stop is never forgotten: a read that starts after it ends at once too.
TEST_F(ComPortTest, StopEndsAWaitingReadAndEveryLaterOne) {
  std::stop_source stop;
  port_.StopOn(stop.get_token());
  ASSERT_TRUE(port_.Open());
  std::thread stopper([&stop] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    stop.request_stop();
  });
  uint8_t buffer[3];
  const auto start = std::chrono::steady_clock::now();
  EXPECT_EQ(port_.Read(buffer, 3), -1);
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(2500));
  EXPECT_EQ(port_.last_error, "读取等待被用户取消");
  stopper.join();
  port_.last_error.clear();
  pty_.Send({1, 2, 3});
  EXPECT_EQ(port_.Read(buffer, 3), -1);
  EXPECT_EQ(port_.last_error, "读取等待被用户取消");
}

// A write that the line does not take (nobody reads the far end) ends on the stop with
// what went out, instead of after its time-out of 2000 ms + 50 ms per byte (here 55 min).
TEST_F(ComPortTest, StopEndsAWriteTheLineDoesNotTake) {
  std::stop_source stop;
  port_.StopOn(stop.get_token());
  ASSERT_TRUE(port_.Open());
  const std::vector<uint8_t> block(1 << 16, 0x55);
  std::thread stopper([&stop] {
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    stop.request_stop();
  });
  const auto start = std::chrono::steady_clock::now();
  const int written = port_.Write(block.data(), static_cast<int>(block.size()));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));  // only a hang
  stopper.join();
  EXPECT_GT(written, 0);
  EXPECT_LT(written, static_cast<int>(block.size()));
  EXPECT_EQ(port_.last_error, "");  // a stop is no failure of the line
  port_.Close();                    // drops what is queued instead of waiting for it
}

TEST_F(ComPortTest, ClosedPortRefusesWriteAndRead) {
  uint8_t buffer[4] = {};
  EXPECT_EQ(port_.Write(buffer, 4), 0);
  EXPECT_EQ(port_.last_error, "端口未打开");
  port_.last_error.clear();
  EXPECT_EQ(port_.Read(buffer, 4), -1);
  EXPECT_EQ(port_.last_error, "端口未打开");

  ASSERT_TRUE(port_.Open());
  port_.Close();
  port_.Close();  // twice is harmless
  port_.last_error.clear();
  EXPECT_EQ(port_.Write(buffer, 4), 0);
  EXPECT_EQ(port_.last_error, "端口未打开");
  EXPECT_EQ(port_.Read(buffer, 4), -1);
}

TEST_F(ComPortTest, OpenOnAnOpenPortOpensAgain) {
  ASSERT_TRUE(port_.Open());
  ASSERT_TRUE(port_.Open()) << port_.last_error;
  pty_.Send({9});
  uint8_t byte = 0;
  EXPECT_EQ(port_.Read(&byte, 1), 1);
  EXPECT_EQ(byte, 9);
}

TEST_F(ComPortTest, SecondOpenOfTheSameDeviceFails) {
  ASSERT_TRUE(port_.Open());
  CComPort other;
  other.port_number = kCom;
  EXPECT_FALSE(other.Open());
  EXPECT_EQ(other.last_error, "打开COM40失败");
  port_.Close();
  EXPECT_TRUE(other.Open()) << other.last_error;
}

TEST_F(ComPortTest, AVanishedDeviceEndsReadAndWriteAtOnce) {
  ASSERT_TRUE(port_.Open());
  std::thread unplug([this] {
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    pty_.CloseMaster();
  });
  uint8_t buffer[16] = {};
  EXPECT_EQ(port_.Read(buffer, 16), -1);  // waiting when the far end goes
  EXPECT_EQ(port_.last_error, "端口错误");
  unplug.join();
  port_.last_error.clear();
  EXPECT_EQ(port_.Read(buffer, 16), -1);  // gone before the read starts
  EXPECT_EQ(port_.last_error, "端口错误");
  EXPECT_EQ(port_.Write(buffer, 16), 0);
  EXPECT_EQ(port_.last_error, "写入失败，错误码：5");
}

TEST_F(ComPortTest, WriteToAStuckLineEndsWithTheCountSent) {
  // A second writer, opened before the port takes the line exclusively, fills it until the
  // far end, which never reads, takes no more.
  const int fd = open(pty_.slave_path().c_str(), O_WRONLY | O_NOCTTY | O_NONBLOCK);
  ASSERT_GE(fd, 0);
  ASSERT_TRUE(port_.Open());
  std::vector<uint8_t> block(4096, 0x55);
  // The kernel moves queued bytes on behind the writer's back: fill until a pause frees
  // nothing more.
  for (bool took = true; took;) {
    took = false;
    while (write(fd, block.data(), block.size()) > 0) took = true;
    while (write(fd, block.data(), 1) > 0) took = true;
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
  }
  close(fd);
  port_.last_error = "earlier";
  EXPECT_EQ(port_.Write(block.data(), 1), 0);  // time-out: nothing sent, not an error
  EXPECT_EQ(port_.last_error, "earlier");
}

TEST(ComPortOpen, MissingDeviceAndNonTerminal) {
  const fs::path empty = fs::temp_directory_path() / ("quorkit-nodev-" + std::to_string(getpid()));
  fs::create_directories(empty);
  protocol::SetSerialDeviceFolders(empty.string(), empty.string());
  CComPort port;
  for (const int number : {1, 12, 20}) {
    port.port_number = number;
    EXPECT_FALSE(port.Open());
    EXPECT_EQ(port.last_error, "打开COM" + std::to_string(number) + "失败");
  }
  protocol::SetComDevice(12, (empty / "ttyUSB0").string());  // named, but not there
  port.port_number = 12;
  EXPECT_FALSE(port.Open());
  EXPECT_EQ(port.last_error, "打开COM12失败");

  protocol::SetComDevice(12, "/dev/null");  // opens, but is no terminal
  EXPECT_FALSE(port.Open());
  EXPECT_EQ(port.last_error, "获取端口状态失败");
  EXPECT_FALSE(port.IsOpen());
  protocol::SetComDevice(12, "");
  protocol::SetSerialDeviceFolders("/dev", "/sys/class/tty");
  fs::remove_all(empty);
}

TEST(ComPortOpen, WithoutItsCancelSignalThePortReportsTheMissingEvent) {
  { CComPort warm_up; }  // the sanitizers' type checks need descriptors the first time
  rlimit before{};
  ASSERT_EQ(getrlimit(RLIMIT_NOFILE, &before), 0);
  rlimit low = before;
  low.rlim_cur = 64;
  ASSERT_EQ(setrlimit(RLIMIT_NOFILE, &low), 0);
  std::vector<int> taken;  // every descriptor left, so the port gets none
  for (int fd; (fd = open("/dev/null", O_RDONLY | O_CLOEXEC)) >= 0;) taken.push_back(fd);
  bool refused = false;
  std::string text;
  {
    CComPort port;
    refused = !port.Open();
    text = port.last_error;
  }
  for (const int fd : taken) close(fd);
  setrlimit(RLIMIT_NOFILE, &before);
  EXPECT_TRUE(refused);
  EXPECT_EQ(text, "事件对象无效");
}

struct FailureCase {
  int error;
  const char* text;
};

TEST(ComPortOpen, FailureTextAddsDeviceAndHintOnlyForPermission) {
  const FailureCase cases[] = {
      {ENOENT, "打开COM3失败"},
      {EBUSY, "打开COM3失败"},
      {EWOULDBLOCK, "打开COM3失败"},
      {EACCES, "打开COM3失败：没有权限访问/dev/ttyUSB0，请把用户加入dialout组后重新登录"},
      {EPERM, "打开COM3失败：没有权限访问/dev/ttyUSB0，请把用户加入dialout组后重新登录"},
  };
  for (const FailureCase& c : cases) {
    EXPECT_EQ(protocol::OpenFailureText(3, "/dev/ttyUSB0", c.error), c.text) << c.error;
  }
}

TEST(ComPortMapping, UsbThenAcmThenRealOnBoardPortsInNumericOrder) {
  const fs::path root = fs::temp_directory_path() / ("quorkit-fakedev-" + std::to_string(getpid()));
  const fs::path dev = root / "dev";
  const fs::path sys = root / "sys";
  fs::create_directories(dev);
  for (const char* name : {"ttyS0", "ttyS1", "ttyS2", "ttyS3", "ttyS10", "ttyUSB10", "ttyUSB2",
                           "ttyACM0", "ttyACM1", "ttyUSBx", "ttyS", "tty0", "ttyAMA0", "null"}) {
    std::ofstream(dev / name);
  }
  // ttyS0 and ttyS10 are real UARTs, ttyS1 a placeholder, ttyS2 tells nothing.
  for (const auto& [name, type] :
       {std::pair{"ttyS0", "4"}, {"ttyS1", "0"}, {"ttyS3", "0\n"}, {"ttyS10", "16\n"}}) {
    fs::create_directories(sys / name);
    std::ofstream(sys / name / "type") << type;
  }
  fs::create_directories(sys / "ttyS2");

  const std::vector<std::string> expected = {
      (dev / "ttyUSB2").string(), (dev / "ttyUSB10").string(), (dev / "ttyACM0").string(),
      (dev / "ttyACM1").string(), (dev / "ttyS0").string(),    (dev / "ttyS10").string()};
  EXPECT_EQ(protocol::ListSerialDevices(dev.string(), sys.string()), expected);

  protocol::SetSerialDeviceFolders(dev.string(), sys.string());
  for (int n = 1; n <= 6; ++n)
    EXPECT_EQ(protocol::ComDevicePath(n), expected[static_cast<size_t>(n) - 1]) << n;
  EXPECT_EQ(protocol::ComDevicePath(7), "");
  EXPECT_EQ(protocol::ComDevicePath(0), "");
  protocol::SetComDevice(2, "/dev/pts/77");
  EXPECT_EQ(protocol::ComDevicePath(2), "/dev/pts/77");
  EXPECT_EQ(protocol::ComDevicePath(3), expected[2]);  // an override shifts nothing
  protocol::SetComDevice(2, "");
  EXPECT_EQ(protocol::ComDevicePath(2), expected[1]);
  // A new adapter counts at the next look.
  std::ofstream(dev / "ttyUSB0");
  EXPECT_EQ(protocol::ComDevicePath(1), (dev / "ttyUSB0").string());
  EXPECT_EQ(protocol::ComDevicePath(7), expected[5]);
  protocol::SetSerialDeviceFolders("/dev", "/sys/class/tty");
  fs::remove_all(root);
}

}  // namespace
