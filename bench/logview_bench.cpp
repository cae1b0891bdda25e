// What the log viewer costs the wizard: the large-machine script
// (tests/logview/large-machine.script: start-up and the machine page's Next
// on nine part systems of eight axes, about 40,000 log records) run by
// `pathforge wizard` as a process of its own, with
//
//   receiver:0  no log viewer running (nothing is sent),
//   receiver:1  logsink, which only drains its connections,
//   receiver:2  logview, the terminal viewer (its output to /dev/null).
//
// Each iteration is one whole run, timed by the wall clock (manual time);
// cpu_s is the wizard process's own processor time. The goal is logview at
// most 1.2 times logsink; the ratio is printed at the end. Built natively;
// not a test: build/native/bench/logview_bench.
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <stdlib.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "nclink/LogProtocol.h"

extern char** environ;

namespace {

namespace fs = std::filesystem;

constexpr const char* kReceivers[] = {"", LOGSINK_PATH, LOGVIEW_PATH};
constexpr const char* kReceiverNames[] = {"none", "logsink", "logview"};
double g_meanSeconds[3] = {0, 0, 0};

// Starts a program with its output thrown away; its process id.
pid_t Spawn(std::vector<std::string> args) {
  std::vector<char*> argv;
  for (std::string& arg : args) argv.push_back(arg.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
  pid_t pid = -1;
  if (posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), environ) != 0) pid = -1;
  posix_spawn_file_actions_destroy(&actions);
  return pid;
}

// A private runtime and data folder, with the receiver listening in it.
class Receiver {
 public:
  explicit Receiver(int kind) {
    std::string pattern = (fs::temp_directory_path() / "pf-logbench-XXXXXX").string();
    folder_ = mkdtemp(pattern.data());
    setenv("XDG_RUNTIME_DIR", folder_.c_str(), 1);
    setenv("XDG_DATA_HOME", folder_.c_str(), 1);
    if (kind == 0) return;
    pid_ = Spawn({kReceivers[kind]});
    const fs::path socket = pf::LogViewerSocketPath();
    for (int attempt = 0; attempt < 500 && !fs::exists(fs::symlink_status(socket)); ++attempt) {
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ready_ = fs::exists(fs::symlink_status(socket));
  }
  ~Receiver() {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
    std::error_code ignored;
    fs::remove_all(folder_, ignored);
  }
  Receiver(const Receiver&) = delete;
  Receiver& operator=(const Receiver&) = delete;

  bool ready() const { return ready_; }

 private:
  std::string folder_;
  pid_t pid_ = -1;
  bool ready_ = true;
};

struct RunCost {
  double seconds = -1;
  double cpuSeconds = 0;
};

RunCost RunWizard() {
  RunCost cost;
  const auto start = std::chrono::steady_clock::now();
  const pid_t wizard = Spawn({PATHFORGE_PATH, "wizard", "--machine", LOGVIEW_SCRIPTS "/large-machine.machine.ini",
                              "--script", LOGVIEW_SCRIPTS "/large-machine.script"});
  int status = 0;
  rusage usage{};
  if (wizard < 0 || wait4(wizard, &status, 0, &usage) != wizard || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    return cost;
  }
  cost.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  cost.cpuSeconds = static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
                    static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
  return cost;
}

void LargeMachineWizard(benchmark::State& state) {
  const int kind = static_cast<int>(state.range(0));
  Receiver receiver(kind);
  if (!receiver.ready()) {
    state.SkipWithError("the receiver did not start listening");
    return;
  }
  double seconds = 0;
  double cpuSeconds = 0;
  for (auto _ : state) {
    const RunCost cost = RunWizard();
    if (cost.seconds < 0) {
      state.SkipWithError("the wizard run failed");
      return;
    }
    state.SetIterationTime(cost.seconds);
    seconds += cost.seconds;
    cpuSeconds += cost.cpuSeconds;
  }
  state.counters["cpu_s"] = benchmark::Counter(cpuSeconds, benchmark::Counter::kAvgIterations);
  g_meanSeconds[kind] = seconds / static_cast<double>(state.iterations());
}

BENCHMARK(LargeMachineWizard)->ArgName("receiver")->Arg(0)->Arg(1)->Arg(2)->UseManualTime()
    ->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  for (int kind = 0; kind < 3; ++kind) std::printf("%-8s %8.3f s\n", kReceiverNames[kind], g_meanSeconds[kind]);
  if (g_meanSeconds[1] > 0) std::printf("logview / logsink: %.2fx\n", g_meanSeconds[2] / g_meanSeconds[1]);
  return 0;
}
