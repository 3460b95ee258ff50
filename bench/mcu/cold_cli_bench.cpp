// What a build script waits for: quorkit-cli started as a fresh process writing the GB2312
// 16 x 16 library, wall time from the spawn to its exit (loading, Qt start-up, font look-up
// and the first drawing of every glyph included). Median over the repetitions; cpu_ms is the
// child's user + system time, which a busy machine does not inflate as it does the wall time.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <string>
#include <vector>

extern char** environ;

namespace {

void RunCli(benchmark::State& state, std::vector<std::string> args) {
  const std::string out = "/tmp/quorkit_cold_bench_" + std::to_string(::getpid()) + ".bin";
  args.insert(args.begin(), {QUORKIT_CLI, "fontlib", "gb2312-bin", out});
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  double cpu_ms = 0;
  for (auto _ : state) {
    pid_t pid = 0;
    if (posix_spawn(&pid, argv[0], nullptr, nullptr, argv.data(), environ) != 0) {
      state.SkipWithError("cannot start quorkit-cli");
      break;
    }
    int status = 0;
    rusage usage{};
    if (::wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("quorkit-cli failed");
      break;
    }
    cpu_ms += static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
              static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
  }
  state.counters["cpu_ms"] = benchmark::Counter(cpu_ms, benchmark::Counter::kAvgIterations);
  std::remove(out.c_str());
}

void BM_ColdCliGb2312Song(benchmark::State& state) {
  RunCli(state, {});
}
BENCHMARK(BM_ColdCliGb2312Song)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

void BM_ColdCliGb2312Unifont(benchmark::State& state) {
  RunCli(state, {"--font", "Unifont", "--pixels", "16"});
}
BENCHMARK(BM_ColdCliGb2312Unifont)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

}  // namespace
