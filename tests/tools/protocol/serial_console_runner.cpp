// Runs a console script of the serial file sender with targets on pseudo-terminals.
//
//   serial_console_runner DRIVE SCRIPT EXPECTED WORKDIR
//
// In WORKDIR (emptied first) it writes the data files data/1000.bin, data/512.bin and
// data/empty.bin and links pty/NAME to the port of each target below; the script maps COM
// numbers to them with "serial N pty/NAME". After the script it adds one line per session
// of every target: what came over the wire. The whole must equal EXPECTED; the exit status
// of the console must be 2 when EXPECTED holds an "error" line, else 0.
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "tests/tools/protocol/pty_target.h"

namespace {

using testing_serial::Behaviour;
using testing_serial::PtyTarget;
namespace fs = std::filesystem;

struct TargetSetup {
  const char* name;
  Behaviour behaviour;
  int packet;
  int at;
};

constexpr TargetSetup kTargets[] = {
    {"echo64", Behaviour::kEcho, 64, 0},       {"echo256", Behaviour::kEcho, 256, 0},
    {"echo512", Behaviour::kEcho, 512, 0},     {"silent256", Behaviour::kSilent, 256, 0},
    {"short256", Behaviour::kShort, 256, 0},   {"changed256", Behaviour::kChange, 256, 1},
    {"vanish256", Behaviour::kVanish, 256, 1},
};

struct DataFile {
  std::string name;
  std::vector<uint8_t> bytes;
};

std::vector<uint8_t> Pattern(size_t size, unsigned seed) {
  std::vector<uint8_t> bytes(size);
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<uint8_t>(seed * 31 + i * 13 + i / 256);
  return bytes;
}

// "1024 bytes (4 packets) = data/1000.bin + 24 x FF", "256 bytes (1 packet) = first 256
// bytes of data/1000.bin", or "... = unknown bytes".
std::string Describe(const std::vector<uint8_t>& wire, int packet,
                     const std::vector<DataFile>& files) {
  std::ostringstream text;
  const size_t packets = wire.size() / static_cast<size_t>(packet);
  const size_t rest = wire.size() % static_cast<size_t>(packet);
  text << wire.size() << " bytes (" << packets << (packets == 1 ? " packet" : " packets");
  if (rest) text << " + " << rest;
  text << ") = ";
  for (const DataFile& file : files) {
    if (file.bytes.empty()) continue;
    const size_t common = std::min(wire.size(), file.bytes.size());
    const auto common_end = wire.begin() + static_cast<std::ptrdiff_t>(common);
    if (!std::equal(wire.begin(), common_end, file.bytes.begin())) continue;
    if (wire.size() < file.bytes.size()) {
      text << "first " << wire.size() << " bytes of " << file.name;
      return text.str();
    }
    const size_t fill = wire.size() - file.bytes.size();
    if (!std::all_of(common_end, wire.end(), [](uint8_t b) { return b == 0xFF; })) {
      continue;
    }
    text << file.name;
    if (fill) text << " + " << fill << " x FF";
    return text.str();
  }
  text << "unknown bytes";
  return text.str();
}

bool RunDrive(const std::string& drive, const std::string& script, const fs::path& workdir,
              std::string* output, int* status) {
  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) return false;
  const pid_t child = fork();
  if (child < 0) return false;
  if (child == 0) {
    dup2(pipe_fds[1], STDOUT_FILENO);
    close(pipe_fds[0]);
    close(pipe_fds[1]);
    if (chdir(workdir.c_str()) != 0) _exit(127);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    execl(drive.c_str(), drive.c_str(), script.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  close(pipe_fds[1]);
  char chunk[4096];
  ssize_t n;
  while ((n = read(pipe_fds[0], chunk, sizeof chunk)) != 0) {
    if (n > 0) output->append(chunk, static_cast<size_t>(n));
    if (n < 0 && errno != EINTR) break;
  }
  close(pipe_fds[0]);
  int raw = 0;
  waitpid(child, &raw, 0);
  *status = WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 5) {
    std::cerr << "usage: serial_console_runner DRIVE SCRIPT EXPECTED WORKDIR\n";
    return 2;
  }
  const std::string drive = fs::absolute(argv[1]).string();
  const std::string script = fs::absolute(argv[2]).string();
  const fs::path expected_path = fs::absolute(argv[3]);
  const fs::path workdir = fs::absolute(argv[4]);
  fs::remove_all(workdir);
  fs::create_directories(workdir / "data");
  fs::create_directories(workdir / "pty");

  const std::vector<DataFile> files = {{"data/1000.bin", Pattern(1000, 1)},
                                       {"data/512.bin", Pattern(512, 2)},
                                       {"data/empty.bin", {}}};
  for (const DataFile& file : files) {
    std::ofstream(workdir / file.name, std::ios::binary)
        .write(reinterpret_cast<const char*>(file.bytes.data()),
               static_cast<std::streamsize>(file.bytes.size()));
  }
  std::vector<std::unique_ptr<PtyTarget>> targets;
  for (const TargetSetup& setup : kTargets) {
    // A vanished target's link goes with it: a terminal number freed by it and taken by a
    // test running beside this one must not bring the port back.
    const fs::path link = workdir / "pty" / setup.name;
    targets.push_back(std::make_unique<PtyTarget>(setup.behaviour, setup.packet, setup.at, [link] {
      std::error_code ignored;
      fs::remove(link, ignored);
    }));
    fs::create_symlink(targets.back()->path(), link);
  }

  std::string actual;
  int status = 0;
  if (!RunDrive(drive, script, workdir, &actual, &status)) {
    std::cerr << "cannot run " << drive << "\n";
    return 1;
  }
  std::this_thread::sleep_for(std::chrono::milliseconds(200));  // targets see the last close
  for (size_t i = 0; i < targets.size(); ++i) {
    for (const std::vector<uint8_t>& session : targets[i]->Sessions()) {
      actual += std::string("wire ") + kTargets[i].name + ": " +
                Describe(session, kTargets[i].packet, files) + "\n";
    }
  }
  targets.clear();

  std::ifstream in(expected_path, std::ios::binary);
  const std::string expected((std::istreambuf_iterator<char>(in)),
                             std::istreambuf_iterator<char>());
  int result = 0;
  if (actual != expected) {
    std::ofstream(workdir / "actual.out", std::ios::binary) << actual;
    std::cerr << "output differs from " << expected_path.string() << "\n--- expected\n"
              << expected << "--- actual\n"
              << actual;
    result = 1;
  }
  const bool wants_error =
      expected.rfind("error ", 0) == 0 || expected.find("\nerror ") != std::string::npos;
  if (status != (wants_error ? 2 : 0)) {
    std::cerr << "console exit status " << status << ", expected " << (wants_error ? 2 : 0) << "\n";
    result = 1;
  }
  return result;
}
