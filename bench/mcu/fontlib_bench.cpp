// Font libraries are generated inside a menu handler; these are the waits a user sees, from
// the first record drawn to the file renamed into place.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "bench/BenchApplication.h"
#include "tools/mcu/CGlyphCanvas.h"
#include "tools/mcu/fontlib.h"

namespace {

winsys::FontDescription Face(const char* face) {
  if (std::string(face) == "宋体") return InitialGlyphFont();
  winsys::FontDescription description;
  description.face = face;
  description.pixels = 16;
  return description;
}

void Generate(benchmark::State& state, mcu::FontLibrary library, const char* face) {
  EnsureApplication();
  CGlyphCanvas canvas;
  canvas.SetFont(Face(face));
  mcu::GlyphSampler sampler(canvas);
  const std::string path = "/tmp/quorkit_fontlib_bench.out";
  for (auto _ : state) {
    mcu::LibraryFile file;
    std::string error;
    if (!file.Open(path, &error) || !mcu::WriteFontLibrary(library, sampler, file) ||
        !file.Commit(&error)) {
      state.SkipWithError(error.c_str());
      break;
    }
  }
  std::remove(path.c_str());
}

void BM_Gb2312Binary16x16(benchmark::State& state) {
  Generate(state, mcu::FontLibrary::kGb2312Binary, "Unifont");
}
BENCHMARK(BM_Gb2312Binary16x16)->Unit(benchmark::kMillisecond);

void BM_Gb2312Binary16x16Song(benchmark::State& state) {
  Generate(state, mcu::FontLibrary::kGb2312Binary, "宋体");
}
BENCHMARK(BM_Gb2312Binary16x16Song)->Unit(benchmark::kMillisecond);

void BM_AsciiText16x16(benchmark::State& state) {
  Generate(state, mcu::FontLibrary::kAsciiText, "Unifont");
}
BENCHMARK(BM_AsciiText16x16)->Unit(benchmark::kMillisecond);

void BM_AsciiBinary16x16(benchmark::State& state) {
  Generate(state, mcu::FontLibrary::kAsciiBinary, "Unifont");
}
BENCHMARK(BM_AsciiBinary16x16)->Unit(benchmark::kMillisecond);

void BM_Ascii8x8Text(benchmark::State& state) {
  Generate(state, mcu::FontLibrary::kAscii8x8Text, "Unifont");
}
BENCHMARK(BM_Ascii8x8Text)->Unit(benchmark::kMillisecond);

}  // namespace
