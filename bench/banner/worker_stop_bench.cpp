// How long a stop takes, from the request until the worker is joined, for each worker where
// it blocks longest: the serial sender waiting for an echo, the banner download waiting for
// a server that never answers, for a connect that is never answered and in the pause before
// its second attempt, and the animation waiting out a frame of ten minutes. Each must stay
// within 200 ms. Only the stop is timed; setting the worker up is not.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <thread>

#include "banner/CPictureEx.h"
#include "banner/download.h"
#include "tests/banner/gif_fixture.h"
#include "tests/banner/http_server.h"
#include "tests/tools/protocol/pty_target.h"
#include "tools/protocol/filedown.h"

namespace {

using Clock = std::chrono::steady_clock;

void SetStopTime(benchmark::State& state, Clock::time_point start) {
  state.SetIterationTime(std::chrono::duration<double>(Clock::now() - start).count());
}

void BM_StopSerialSenderWaitingForEcho(benchmark::State& state) {
  constexpr int kCom = 51;
  testing_serial::PtyTarget target(testing_serial::Behaviour::kSilent, 64);
  protocol::SetComDevice(kCom, target.path());
  for (auto _ : state) {
    auto sender = std::make_unique<protocol::FileSender>(
        protocol::FileSender::Reports{[](const std::string&) {}, [](int) {}, [] {}});
    sender->Start();
    const size_t sessions = target.Sessions().size();
    sender->Send({std::make_shared<const std::vector<uint8_t>>(1000, 0x5A), kCom, 115200, 64});
    while (target.Sessions().size() == sessions)
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));  // now in the read
    const auto start = Clock::now();
    sender.reset();
    SetStopTime(state, start);
  }
  protocol::SetComDevice(kCom, "");
}
BENCHMARK(BM_StopSerialSenderWaitingForEcho)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

// The download as the worker runs it, cancelled after `settle` once it waits.
template <typename Prepare>
void StopDownload(benchmark::State& state, Prepare prepare) {
  char pattern[] = "/tmp/quorkit-stop-bench-XXXXXX";
  const std::string folder = mkdtemp(pattern);
  for (auto _ : state) {
    banner::DownloadOptions options;
    options.host = "127.0.0.1";
    options.folder = folder;
    [[maybe_unused]] auto keep = prepare(options);  // the peer lives for the iteration
    banner::DownloadCancel cancel;
    std::jthread worker([&](std::stop_token stop) {
      const std::stop_callback give_up(stop, [&cancel] { cancel.Cancel(); });
      banner::DownloadBanner(options, &cancel);
    });
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    const auto start = Clock::now();
    worker.request_stop();
    worker.join();
    SetStopTime(state, start);
  }
  std::filesystem::remove_all(folder);
}

void BM_StopDownloadSilentServer(benchmark::State& state) {
  StopDownload(state, [](banner::DownloadOptions& options) {
    auto server = std::make_shared<httptest::Server>();
    server->Push(httptest::Reply{"", /*silent=*/true});
    options.port = server->port();
    return server;
  });
}
BENCHMARK(BM_StopDownloadSilentServer)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

void BM_StopDownloadUnansweredConnect(benchmark::State& state) {
  auto listener = std::make_shared<httptest::UnansweredListener>();
  if (!listener->ok()) state.SkipWithError("the listener's queue could not be filled");
  StopDownload(state, [listener](banner::DownloadOptions& options) {
    options.port = listener->port();
    return listener;
  });
}
BENCHMARK(BM_StopDownloadUnansweredConnect)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

void BM_StopDownloadPauseBeforeRetry(benchmark::State& state) {
  StopDownload(state, [](banner::DownloadOptions& options) {
    options.port = httptest::Server::RefusingPort();
    options.retry_delay_ms = 60000;
    return 0;
  });
}
BENCHMARK(BM_StopDownloadPauseBeforeRetry)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

void BM_StopAnimationInALongFrame(benchmark::State& state) {
  static int argc = 1;
  static char name[] = "quorkit_bench";
  static char* argv[] = {name, nullptr};
  static std::unique_ptr<QApplication> application;
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  if (QCoreApplication::instance() == nullptr)
    application = std::make_unique<QApplication>(argc, argv);
  giftest::GifBuilder gif(4, 4, {0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF});
  gif.Control(0, 60000).Image(0, 0, 4, 4, 1).Control(0, 60000).Image(0, 0, 4, 4, 2).Trailer();
  CPictureEx picture;
  for (auto _ : state) {
    picture.LoadFromMemory(gif.Data().data(), gif.Data().size());
    picture.Draw();
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    const auto start = Clock::now();
    picture.Stop();
    SetStopTime(state, start);
  }
}
BENCHMARK(BM_StopAnimationInALongFrame)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond)
    ->Iterations(10);

}  // namespace
