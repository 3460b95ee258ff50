// CRC-32 of a 256 MiB file read in 1 MiB pieces, in this process and through quorkit-cli,
// against GNU cksum run on the same file as a child process. cksum computes its own CRC
// (CRC-32/CKSUM over the data and its length); what is compared is the pace over the same bytes,
// both reading from the page cache.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "tools/protocol/crcmodels.h"

extern char** environ;

namespace {

constexpr size_t kFileBytes = size_t{256} << 20;
constexpr size_t kPiece = size_t{1} << 20;

struct BigFile {
  std::string dir, path;
  BigFile() {
    char pattern[] = "/tmp/crc_bench.XXXXXX";
    if (!mkdtemp(pattern)) std::abort();
    dir = pattern;
    path = dir + "/data.bin";
    FILE* out = std::fopen(path.c_str(), "wb");
    if (!out) std::abort();
    std::vector<uint64_t> piece(kPiece / 8);
    uint64_t x = 0x9E3779B97F4A7C15;
    for (size_t done = 0; done < kFileBytes; done += kPiece) {
      for (auto& word : piece) {
        x ^= x << 13;
        x ^= x >> 7;
        x ^= x << 17;
        word = x;
      }
      if (std::fwrite(piece.data(), 1, kPiece, out) != kPiece) std::abort();
    }
    if (std::fclose(out) != 0) std::abort();
  }
  ~BigFile() {
    unlink(path.c_str());
    rmdir(dir.c_str());
  }
};

BigFile& File() {
  static BigFile file;
  return file;
}

double Seconds(clockid_t clock) {
  timespec t{};
  clock_gettime(clock, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

double ChildrenCpu() {
  rusage usage{};
  getrusage(RUSAGE_CHILDREN, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) * 1e-6;
}

struct Timing {
  double wall = 0, cpu = 0;
  bool ok = false;
};

Timing OurCrc32(const std::string& path, std::vector<uint8_t>& buffer, uint64_t* crc) {
  Timing t;
  const double wall = Seconds(CLOCK_MONOTONIC), cpu = Seconds(CLOCK_PROCESS_CPUTIME_ID);
  const int fd = open(path.c_str(), O_RDONLY);
  if (fd < 0) return t;
  protocol::CrcEngine engine(*protocol::FindCrcModel("CRC-32"));
  size_t total = 0;
  for (;;) {
    const ssize_t n = read(fd, buffer.data(), buffer.size());
    if (n <= 0) {
      t.ok = n == 0 && total == kFileBytes;
      break;
    }
    engine.Update(buffer.data(), static_cast<size_t>(n));
    total += static_cast<size_t>(n);
  }
  close(fd);
  *crc = engine.Value();
  t.wall = Seconds(CLOCK_MONOTONIC) - wall;
  t.cpu = Seconds(CLOCK_PROCESS_CPUTIME_ID) - cpu;
  return t;
}

// A child process with its output thrown away; CPU time is what the waited-for child used.
Timing Run(std::vector<std::string> args) {
  Timing t;
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  const double cpu = ChildrenCpu(), wall = Seconds(CLOCK_MONOTONIC);
  pid_t pid = 0;
  const int spawned = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return t;
  int status = 0;
  if (waitpid(pid, &status, 0) != pid) return t;
  t.wall = Seconds(CLOCK_MONOTONIC) - wall;
  t.cpu = ChildrenCpu() - cpu;
  t.ok = WIFEXITED(status) && WEXITSTATUS(status) == 0;
  return t;
}

Timing Cksum(const std::string& path) {
  return Run({"cksum", path});
}

void BM_Crc32File256MiB(benchmark::State& state) {
  const std::string& path = File().path;
  std::vector<uint8_t> buffer(kPiece);
  uint64_t crc = 0;
  for (auto _ : state) {
    if (!OurCrc32(path, buffer, &crc).ok) state.SkipWithError("reading the file failed");
    benchmark::DoNotOptimize(crc);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(kFileBytes));
  state.counters["clmul"] = protocol::CrcClmulAvailable() ? 1 : 0;
}
BENCHMARK(BM_Crc32File256MiB)->Unit(benchmark::kMillisecond)->UseRealTime();

// `ours` and `cksum FILE` on the same file in turn, their mean times as counters NAME_wall_s,
// NAME_cpu_s, cksum_wall_s, cksum_cpu_s and cksum_vs_NAME: cksum's wall time over ours, above
// 1 when ours is the faster.
template <typename Ours>
void VersusCksum(benchmark::State& state, const std::string& name, Ours&& ours) {
  const std::string& path = File().path;
  Timing mine, theirs;
  for (auto _ : state) {
    const Timing a = ours(path);
    const Timing b = Cksum(path);
    if (!a.ok || !b.ok) {
      state.SkipWithError(a.ok ? "cksum failed" : "the timed run failed");
      break;
    }
    mine.wall += a.wall;
    mine.cpu += a.cpu;
    theirs.wall += b.wall;
    theirs.cpu += b.cpu;
  }
  const double n = static_cast<double>(state.iterations());
  state.counters[name + "_wall_s"] = mine.wall / n;
  state.counters[name + "_cpu_s"] = mine.cpu / n;
  state.counters["cksum_wall_s"] = theirs.wall / n;
  state.counters["cksum_cpu_s"] = theirs.cpu / n;
  state.counters["cksum_vs_" + name] = mine.wall > 0 ? theirs.wall / mine.wall : 0;
}

// The engine in this process.
void BM_Crc32VersusCksum256MiB(benchmark::State& state) {
  std::vector<uint8_t> buffer(kPiece);
  uint64_t crc = 0;
  VersusCksum(state, "ours", [&](const std::string& path) {
    const Timing t = OurCrc32(path, buffer, &crc);
    benchmark::DoNotOptimize(crc);
    return t;
  });
}
BENCHMARK(BM_Crc32VersusCksum256MiB)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(5);

// `quorkit-cli checksum crc-32 --file FILE` as a build script runs it: a child process, its
// start-up included.
void BM_CliCrc32VersusCksum256MiB(benchmark::State& state) {
  VersusCksum(state, "cli", [](const std::string& path) {
    return Run({QUORKIT_CLI, "checksum", "crc-32", "--file", path});
  });
}
BENCHMARK(BM_CliCrc32VersusCksum256MiB)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(5);

// The engine alone over 16 MiB in memory: range(0) 0 = fastest path, 1 = table path.
void BM_Crc32InMemory16MiB(benchmark::State& state) {
  const std::vector<uint8_t> bytes(size_t{16} << 20, 0xA5);
  const protocol::CrcPath path =
      state.range(0) == 0 ? protocol::CrcPath::kFastest : protocol::CrcPath::kTable;
  protocol::CrcEngine engine(*protocol::FindCrcModel("CRC-32"), path);
  for (auto _ : state) {
    engine.Reset();
    engine.Update(bytes.data(), bytes.size());
    benchmark::DoNotOptimize(engine.Value());
  }
  state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(bytes.size()));
  state.counters["clmul"] = engine.UsesClmul() ? 1 : 0;
}
BENCHMARK(BM_Crc32InMemory16MiB)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
