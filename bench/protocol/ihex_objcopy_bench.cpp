// A 16 MiB image as Intel HEX (32-byte records, some 40 MB of text): the CPU time of our
// conversion against `objcopy -I ihex -O binary` on the same file, and our peak memory.
// Each side runs in a child process of its own, measured through RUSAGE_CHILDREN; the
// best of three runs counts.
#include <benchmark/benchmark.h>
#include <sys/mman.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "tools/protocol/ihexfile.h"

namespace {

constexpr unsigned kImageBytes = 16u << 20;
constexpr unsigned kRecordBytes = 32;
constexpr unsigned kBase = 0x08000000;
constexpr int kRuns = 3;

struct BigFile {
  std::string dir, hex;
  size_t hex_bytes = 0;
  BigFile() {
    char pattern[] = "/tmp/ihex_objcopy_bench.XXXXXX";
    if (!mkdtemp(pattern)) std::abort();
    dir = pattern;
    hex = dir + "/image.hex";
    std::FILE* out = std::fopen(hex.c_str(), "wb");
    if (!out) std::abort();
    static const char kDigits[] = "0123456789ABCDEF";
    std::string line;
    const auto put = [&line](unsigned byte, unsigned* sum) {
      line += kDigits[byte >> 4];
      line += kDigits[byte & 15];
      *sum += byte;
    };
    uint32_t noise = 12345;
    for (unsigned offset = 0; offset < kImageBytes; offset += kRecordBytes) {
      const unsigned address = kBase + offset;
      line.clear();
      unsigned sum = 0;
      if (address % 0x10000 == 0) {
        line += ":02000004";
        sum = 2 + 4;
        put(address >> 24, &sum);
        put((address >> 16) & 0xFF, &sum);
        put((0x100 - (sum & 0xFF)) & 0xFF, &sum);
        line += "\r\n";
        sum = 0;
      }
      line += ':';
      put(kRecordBytes, &sum);
      put((address >> 8) & 0xFF, &sum);
      put(address & 0xFF, &sum);
      put(0, &sum);
      for (unsigned i = 0; i < kRecordBytes; ++i) {
        noise = noise * 1103515245 + 12345;
        put((noise >> 16) & 0xFF, &sum);
      }
      unsigned ignored = 0;
      put((0x100 - (sum & 0xFF)) & 0xFF, &ignored);
      line += "\r\n";
      if (std::fwrite(line.data(), 1, line.size(), out) != line.size()) std::abort();
      hex_bytes += line.size();
    }
    const std::string end = ":00000001FF\r\n";
    std::fwrite(end.data(), 1, end.size(), out);
    hex_bytes += end.size();
    if (std::fclose(out) != 0) std::abort();
  }
  ~BigFile() { std::system(("rm -rf '" + dir + "'").c_str()); }
};

struct Usage {
  double cpu_seconds = 0;
  long peak_kib = 0;  // above what the child held when it began
  bool ok = false;
};

long ResidentKib() {
  long pages = 0, resident = 0;
  std::ifstream("/proc/self/statm") >> pages >> resident;
  return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// Runs `body` in a child and returns the child's CPU time (user + system) and the growth
// of its peak RSS while `body` ran.
template <typename Body>
Usage InChild(Body body) {
  void* shared =
      mmap(nullptr, sizeof(long), PROT_READ | PROT_WRITE, MAP_SHARED | MAP_ANONYMOUS, -1, 0);
  if (shared == MAP_FAILED) return {};
  long* growth = static_cast<long*>(shared);
  *growth = 0;
  rusage before{};
  getrusage(RUSAGE_CHILDREN, &before);
  const pid_t child = fork();
  if (child < 0) {
    munmap(shared, sizeof(long));
    return {};
  }
  if (child == 0) {
    const long start = ResidentKib();
    const bool ok = body();
    rusage self{};
    getrusage(RUSAGE_SELF, &self);
    *growth = self.ru_maxrss - start;
    _exit(ok ? 0 : 1);  // a forked child: the parent's exit handlers are not its own
  }
  int status = 0;
  const bool waited = waitpid(child, &status, 0) == child;
  rusage after{};
  getrusage(RUSAGE_CHILDREN, &after);
  const auto seconds = [](const timeval& t) {
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) / 1e6;
  };
  Usage usage;
  usage.cpu_seconds = seconds(after.ru_utime) - seconds(before.ru_utime) + seconds(after.ru_stime) -
                      seconds(before.ru_stime);
  usage.peak_kib = *growth;
  munmap(shared, sizeof(long));
  usage.ok = waited && WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return usage;
}

void BM_Hex16MiBAgainstObjcopy(benchmark::State& state) {
  if (std::system("objcopy --version >/dev/null 2>&1") != 0) {
    state.SkipWithError("objcopy (binutils) is needed");
    return;
  }
  static BigFile file;
  const std::string ours_bin = file.dir + "/ours.bin";
  const std::string objcopy_bin = file.dir + "/objcopy.bin";
  Usage read_best, convert_best, objcopy_best;
  read_best.cpu_seconds = convert_best.cpu_seconds = objcopy_best.cpu_seconds = 1e9;
  for (auto _ : state) {
    for (int run = 0; run < kRuns; ++run) {
      const Usage read = InChild([&] {
        CIHexFile reader;
        const CIHexFile::Conversion result = reader.ReadForConversion(file.hex);
        return result.ok && result.image.size() == kImageBytes;
      });
      const Usage convert = InChild([&] {
        CIHexFile reader;
        const CIHexFile::Conversion result = reader.ReadForConversion(file.hex);
        return result.ok && reader.WriteImage(ours_bin, result.image);
      });
      const Usage objcopy = InChild([&] {
        execlp("objcopy", "objcopy", "-I", "ihex", "-O", "binary", file.hex.c_str(),
               objcopy_bin.c_str(), static_cast<char*>(nullptr));
        return false;
      });
      if (!read.ok || !convert.ok || !objcopy.ok) {
        state.SkipWithError("a conversion failed");
        return;
      }
      if (read.cpu_seconds < read_best.cpu_seconds) read_best = read;
      if (convert.cpu_seconds < convert_best.cpu_seconds) convert_best = convert;
      if (objcopy.cpu_seconds < objcopy_best.cpu_seconds) objcopy_best = objcopy;
      read_best.peak_kib = std::max(read_best.peak_kib, read.peak_kib);
    }
  }
  std::ifstream a(ours_bin, std::ios::binary), b(objcopy_bin, std::ios::binary);
  if (std::string(std::istreambuf_iterator<char>(a), {}) !=
      std::string(std::istreambuf_iterator<char>(b), {})) {
    state.SkipWithError("the images differ");
    return;
  }
  const double over_image_mib =
      static_cast<double>(read_best.peak_kib) / 1024.0 - kImageBytes / 1048576.0;
  state.counters["hex_MB"] = static_cast<double>(file.hex_bytes) / 1e6;
  state.counters["ours_read_cpu_ms"] = read_best.cpu_seconds * 1e3;
  state.counters["ours_convert_cpu_ms"] = convert_best.cpu_seconds * 1e3;
  state.counters["objcopy_cpu_ms"] = objcopy_best.cpu_seconds * 1e3;
  state.counters["ratio"] = convert_best.cpu_seconds / objcopy_best.cpu_seconds;
  state.counters["peak_over_image_MiB"] = over_image_mib;
  std::printf(
      "HEX 16 MiB image (%.1f MB of text): ours %.0f ms CPU (reading %.0f ms), objcopy %.0f ms "
      "CPU, ratio %.2f; our peak RSS grew by %.1f MiB, %.1f MiB over the image\n",
      static_cast<double>(file.hex_bytes) / 1e6, convert_best.cpu_seconds * 1e3,
      read_best.cpu_seconds * 1e3, objcopy_best.cpu_seconds * 1e3,
      convert_best.cpu_seconds / objcopy_best.cpu_seconds,
      static_cast<double>(read_best.peak_kib) / 1024.0, over_image_mib);
}
BENCHMARK(BM_Hex16MiBAgainstObjcopy)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
