// 1 MiB in 512-byte packets over a pseudo-terminal to a target thread that echoes every
// packet. BM_EchoOnly is the floor: the same writes and echo reads with nothing around
// them. The sender's own cost per packet is the difference of the two per-packet counters.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <memory>
#include <vector>

#include "tests/tools/protocol/pty_target.h"
#include "tools/protocol/filedown.h"

namespace {

using testing_serial::Behaviour;
using testing_serial::PtyTarget;

constexpr int kPacket = 512;
constexpr size_t kFileSize = 1 << 20;
constexpr int kCom = 50;

std::shared_ptr<const std::vector<uint8_t>> File() {
  auto bytes = std::make_shared<std::vector<uint8_t>>(kFileSize);
  for (size_t i = 0; i < kFileSize; ++i) (*bytes)[i] = static_cast<uint8_t>(i * 7 + i / 509);
  return bytes;
}

// Seconds per packet (shown as "u" for microseconds) and throughput.
void PerPacket(benchmark::State& state) {
  state.counters["per_packet"] =
      benchmark::Counter(static_cast<double>(state.iterations()) * (kFileSize / kPacket),
                         benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kFileSize));
}

void BM_SendFile(benchmark::State& state) {
  PtyTarget target(Behaviour::kEcho, kPacket);
  protocol::SetComDevice(kCom, target.path());
  protocol::CComPort port;
  protocol::SendJob job{File(), kCom, 115200, kPacket};
  std::string outcome;
  for (auto _ : state) {
    protocol::RunTransfer(port, job, {[&](const std::string& text) { outcome = text; }, [](int) {}},
                          std::stop_token());
  }
  if (outcome != "下载完成!") state.SkipWithError(outcome.c_str());
  PerPacket(state);
  protocol::SetComDevice(kCom, "");
}
BENCHMARK(BM_SendFile)->Unit(benchmark::kMillisecond)->UseRealTime();

// Raw writes and blocking echo reads on the same line, nothing else.
void BM_EchoOnly(benchmark::State& state) {
  PtyTarget target(Behaviour::kEcho, kPacket);
  const auto file = File();
  std::vector<uint8_t> echo(kPacket);
  for (auto _ : state) {
    const int fd = open(target.path().c_str(), O_RDWR | O_NOCTTY);
    termios settings{};
    tcgetattr(fd, &settings);
    cfmakeraw(&settings);
    tcsetattr(fd, TCSANOW, &settings);
    for (size_t offset = 0; offset < kFileSize; offset += kPacket) {
      if (write(fd, file->data() + offset, kPacket) != kPacket) state.SkipWithError("write");
      for (int got = 0; got < kPacket;) {
        const ssize_t n = read(fd, echo.data() + got, static_cast<size_t>(kPacket - got));
        if (n <= 0) {
          state.SkipWithError("read");
          break;
        }
        got += static_cast<int>(n);
      }
    }
    close(fd);
  }
  PerPacket(state);
}
BENCHMARK(BM_EchoOnly)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
