// Loading a banner on the user-interface thread: how long the load holds the thread and how
// much memory showing the picture adds, for hostile GIFs and for the largest accepted ones.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <QApplication>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <string>

#include "banner/CPictureEx.h"
#include "tests/banner/gif_fixture.h"

namespace {

using giftest::GifBuilder;

const std::vector<uint32_t> kColours = {0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF};

void NeedApplication() {
  static std::unique_ptr<QApplication> application;
  if (QCoreApplication::instance() != nullptr) return;  // another benchmark made one
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  // Large blocks always straight from and back to the system, so that resident memory
  // shows what each load adds.
  mallopt(M_MMAP_THRESHOLD, 128 * 1024);
  mallopt(M_TRIM_THRESHOLD, 128 * 1024);
  static int argc = 1;
  static char name[] = "quorkit_bench";
  static char* argv[] = {name, nullptr};
  application = std::make_unique<QApplication>(argc, argv);
}

// Kilobytes of a line of /proc/self/status ("VmRSS", "VmHWM").
long StatusKb(const char* key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind(key, 0) == 0)
      return std::strtol(line.c_str() + std::strlen(key) + 1, nullptr, 10);
  }
  return -1;
}

// Starts a new peak of resident memory.
void ResetPeak() {
  std::ofstream("/proc/self/clear_refs") << "5";
}

GifBuilder OnePixelFrames(int frames) {
  GifBuilder gif(8, 8, kColours);
  for (int i = 0; i < frames; ++i) gif.Control(0, 10).Image(i % 8, i / 8 % 8, 1, 1, 1 + i % 3);
  gif.Trailer();
  return gif;
}

GifBuilder Screen(int width, int height, int frames, int frame_width, int frame_height) {
  GifBuilder gif(width, height, kColours);
  for (int i = 0; i < frames; ++i) {
    gif.Control(0, 10).Image(0, 0, frame_width, frame_height, 1 + i % 3);
  }
  gif.Trailer();
  return gif;
}

// One load (and draw, which starts the animation or draws the single picture) per
// iteration; counters: the picture was accepted, and the memory that loading and showing it
// added at its peak.
void Load(benchmark::State& state, const GifBuilder& gif) {
  NeedApplication();
  long added_kb = 0;
  int accepted = 0;
  for (auto _ : state) {
    state.PauseTiming();
    CPictureEx picture;
    const long before = StatusKb("VmRSS");
    ResetPeak();
    state.ResumeTiming();
    accepted = picture.LoadFromMemory(gif.Data().data(), gif.Size());
    picture.Draw();
    state.PauseTiming();
    added_kb = std::max(added_kb, StatusKb("VmHWM") - before);
    picture.Unload();
    state.ResumeTiming();
  }
  state.counters["accepted"] = accepted;
  state.counters["file_KiB"] = static_cast<double>(gif.Size()) / 1024;
  state.counters["peak_added_MiB"] = static_cast<double>(added_kb) / 1024;
}

void BM_Gif182000OnePixelFrames(benchmark::State& state) {
  static const GifBuilder gif = OnePixelFrames(182000);
  Load(state, gif);
}
BENCHMARK(BM_Gif182000OnePixelFrames)->Unit(benchmark::kMillisecond);

void BM_Gif4096OnePixelFrames(benchmark::State& state) {
  static const GifBuilder gif = OnePixelFrames(4096);
  Load(state, gif);
}
BENCHMARK(BM_Gif4096OnePixelFrames)->Unit(benchmark::kMillisecond);

void BM_Gif8000x8000Screen(benchmark::State& state) {
  static const GifBuilder gif = Screen(8000, 8000, 1, 2, 2);
  Load(state, gif);
}
BENCHMARK(BM_Gif8000x8000Screen)->Unit(benchmark::kMillisecond);

// Over the size decoded in one go: refused.
void BM_Gif2896x2896OneImage(benchmark::State& state) {
  static const GifBuilder gif = Screen(2896, 2896, 1, 2896, 2896);
  Load(state, gif);
}
BENCHMARK(BM_Gif2896x2896OneImage)->Unit(benchmark::kMillisecond);

// The largest picture decoded at once on the user-interface thread: 2048 x 2048.
void BM_Gif2048x2048OneImage(benchmark::State& state) {
  static const GifBuilder gif = Screen(2048, 2048, 1, 2048, 2048);
  Load(state, gif);
}
BENCHMARK(BM_Gif2048x2048OneImage)->Unit(benchmark::kMillisecond);

// An animation at the memory bound: a 4096 x 3072 canvas and frames of 2048 x 2048.
void BM_Gif4096x3072FramesOf2048(benchmark::State& state) {
  static const GifBuilder gif = Screen(4096, 3072, 2, 2048, 2048);
  Load(state, gif);
}
BENCHMARK(BM_Gif4096x3072FramesOf2048)->Unit(benchmark::kMillisecond);

// The size of the banner itself, animated.
void BM_Gif500x60TenFrames(benchmark::State& state) {
  static const GifBuilder gif = Screen(500, 60, 10, 500, 60);
  Load(state, gif);
}
BENCHMARK(BM_Gif500x60TenFrames)->Unit(benchmark::kMillisecond);

}  // namespace
