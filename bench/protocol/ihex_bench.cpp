// A 1 MiB firmware image as Intel HEX (16-byte records, about 2.8 MB of text): what one
// conversion reads and writes.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "tools/protocol/ihexfile.h"

namespace {

constexpr unsigned kImageBytes = 1024 * 1024;

struct Files {
  std::string dir, hex, bin;
  size_t hex_bytes = 0;
  Files() {
    char pattern[] = "/tmp/ihex_bench.XXXXXX";
    if (!mkdtemp(pattern)) std::abort();
    dir = pattern;
    hex = dir + "/image.hex";
    bin = dir + "/image.bin";
    std::string text;
    char line[64];
    for (unsigned address = 0; address < kImageBytes; address += 16) {
      if (address % 0x10000 == 0) {
        const unsigned upper = 0x0800 + (address >> 16);
        std::snprintf(line, sizeof line, ":02000004%04X%02X\r\n", upper,
                      (0x100 - ((2 + 4 + (upper >> 8) + (upper & 0xFF)) & 0xFF)) & 0xFF);
        text += line;
      }
      unsigned sum = 16 + ((address >> 8) & 0xFF) + (address & 0xFF);
      std::snprintf(line, sizeof line, ":10%04X00", address & 0xFFFF);
      text += line;
      for (unsigned i = 0; i < 16; ++i) {
        const unsigned byte = (address * 31 + i * 7) & 0xFF;
        sum += byte;
        std::snprintf(line, sizeof line, "%02X", byte);
        text += line;
      }
      std::snprintf(line, sizeof line, "%02X\r\n", (0x100 - (sum & 0xFF)) & 0xFF);
      text += line;
    }
    text += ":00000001FF\r\n";
    hex_bytes = text.size();
    FILE* out = std::fopen(hex.c_str(), "wb");
    if (!out || std::fwrite(text.data(), 1, text.size(), out) != text.size()) std::abort();
    std::fclose(out);
  }
  ~Files() {
    unlink(hex.c_str());
    unlink(bin.c_str());
    rmdir(dir.c_str());
  }
};

Files& BenchFiles() {
  static Files files;
  return files;
}

// Both passes and the image: open, measure, reserve, load, close.
void BM_ReadHex1MiB(benchmark::State& state) {
  Files& files = BenchFiles();
  CIHexFile reader;
  for (auto _ : state) {
    CIHexFile::Conversion result = reader.ReadForConversion(files.hex);
    if (!result.ok || result.image.size() != kImageBytes) state.SkipWithError("conversion failed");
    benchmark::DoNotOptimize(result.image.data());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(files.hex_bytes));
}
BENCHMARK(BM_ReadHex1MiB)->Unit(benchmark::kMillisecond);

// The whole conversion after the dialogs: reading plus the safe write of the .bin file.
void BM_ConvertHex1MiB(benchmark::State& state) {
  Files& files = BenchFiles();
  CIHexFile reader;
  for (auto _ : state) {
    CIHexFile::Conversion result = reader.ReadForConversion(files.hex);
    if (!result.ok || !reader.WriteImage(files.bin, result.image)) {
      state.SkipWithError("conversion failed");
    }
  }
}
BENCHMARK(BM_ConvertHex1MiB)->Unit(benchmark::kMillisecond);

void BM_ParseRecord(benchmark::State& state) {
  CIHexFile::Record record;
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        CIHexFile::ParseRecord(":10010000214601360121470136007EFE09D2190140\r", &record));
  }
}
BENCHMARK(BM_ParseRecord);

}  // namespace
