// The wizard's two heavy steps on a large simulated machine: nine part
// systems of eight axes, every plane of each system available (27 planes),
// machine type 1, every offered program ticked (414 program pages). A log
// viewer endpoint is attached (a socket listener that drains and counts the
// records), so every NC call is logged as it is in use.
//
//   MachineInfoNext  Next on the machine-information page: the project file
//                    is missing, the records of all eleven kinds are built,
//                    every axis's speed and stroke limits are read from the
//                    NC, the plane table is rebuilt.
//   Finish           Finish on the requirements page: every ticked program
//                    is written, then the project file.
//
// Each iteration runs the wizard (CProgramSheet, as StartIF runs it) on the
// headless toolkit with a fresh project; only the step is timed (manual
// time). Counters per step: NC calls (the simulator's journal), log records
// (received by the viewer) and the files below the project afterwards.
// MachineInfoNext also runs without the viewer (logged:0), which shows what
// the logging costs. Beside each step stands its floor, the same work done
// raw in the same run (RawCost.h): the step's NC calls replayed straight
// into the library, one send per record it logged, the files it wrote
// written plainly; `ratio` is the step's time over its floor.
// Built natively; not a test: build/native/bench/wizard_bench.
#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "RawCost.h"
#include "common/Path.h"
#include "common/Text.h"
#include "nclink/LogChannel.h"
#include "nclink/LogEndpoint.h"
#include "nclink/OVXIF.h"
#include "res/controls.h"
#include "sheet/ProgramSheet.h"
#include "ui/UiBackend.h"
#include "ui/headless/HeadlessUi.h"

namespace pf {
namespace {

constexpr int kRequestPage = 14;
constexpr int kMostProgramPages = 1000;  // far more than the machine's 414: a walk that stalls ends

// A log viewer: listens where the module looks for it and drains every
// record on a thread of its own, counting them.
class DrainingViewer {
 public:
  explicit DrainingViewer(const std::string& folder) {
    const std::string path = folder + "/" + ToNarrow(kLogViewerTitle);
    listenFd_ = socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    if (bind(listenFd_, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 || listen(listenFd_, 1) != 0) {
      std::perror("log viewer socket");
    }
    thread_ = std::thread([this] { Drain(); });
  }
  ~DrainingViewer() {
    shutdown(listenFd_, SHUT_RDWR);
    close(listenFd_);
    thread_.join();
  }
  DrainingViewer(const DrainingViewer&) = delete;
  DrainingViewer& operator=(const DrainingViewer&) = delete;

  // The records received so far, once nothing has arrived for a while (the
  // module's sends are complete when its call returns; this waits for the
  // viewer to read them).
  long SettledCount() const {
    long count = records_.load();
    for (int quiet = 0; quiet < 20;) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
      const long now = records_.load();
      quiet = now == count ? quiet + 1 : 0;
      count = now;
    }
    return count;
  }

  // The payload sizes of the records from number `first` on.
  std::vector<std::size_t> PayloadSizesFrom(long first) const {
    std::lock_guard<std::mutex> lock(sizesLock_);
    return {sizes_.begin() + std::min<std::ptrdiff_t>(first, static_cast<std::ptrdiff_t>(sizes_.size())), sizes_.end()};
  }

 private:
  void Drain() {
    const int connection = accept(listenFd_, nullptr, nullptr);
    if (connection < 0) return;
    std::vector<uint8_t> pending;
    uint8_t buffer[65536];
    for (;;) {
      const ssize_t got = read(connection, buffer, sizeof buffer);
      if (got <= 0) break;
      pending.insert(pending.end(), buffer, buffer + got);
      std::size_t used = 0;
      while (pending.size() - used >= 8) {
        uint32_t size = 0;
        std::memcpy(&size, &pending[used + 4], 4);  // type (u32 LE), size (u32 LE), payload
        if (pending.size() - used - 8 < size) break;
        used += 8 + size;
        {
          std::lock_guard<std::mutex> lock(sizesLock_);
          sizes_.push_back(size);
        }
        ++records_;
      }
      pending.erase(pending.begin(), pending.begin() + static_cast<std::ptrdiff_t>(used));
    }
    close(connection);
  }

  int listenFd_ = -1;
  std::atomic<long> records_{0};
  mutable std::mutex sizesLock_;
  std::vector<std::size_t> sizes_;
  std::thread thread_;
};

// The simulator's journal, through the library copy that the wrapper loaded.
class SimJournal {
 public:
  SimJournal() : library_(dlopen("libOVXIF.so", RTLD_NOW | RTLD_NOLOAD)) {
    if (library_ != nullptr) {
      count_ = reinterpret_cast<int32_t (*)()>(dlsym(library_, "SimJournalCount"));
      clear_ = reinterpret_cast<void (*)()>(dlsym(library_, "SimClearJournal"));
      line_ = reinterpret_cast<int32_t (*)(int32_t, char*, int32_t)>(dlsym(library_, "SimJournalLine"));
    }
  }
  ~SimJournal() {
    if (library_ != nullptr) dlclose(library_);
  }
  SimJournal(const SimJournal&) = delete;
  SimJournal& operator=(const SimJournal&) = delete;

  void Clear() const {
    if (clear_ != nullptr) clear_();
  }
  long Count() const { return count_ != nullptr ? count_() : -1; }
  std::vector<std::string> Lines() const {
    std::vector<std::string> lines;
    for (int32_t i = 0; line_ != nullptr && i < count_(); ++i) {
      std::string line(static_cast<std::size_t>(line_(i, nullptr, 0)) + 1, '\0');
      line.resize(static_cast<std::size_t>(line_(i, &line[0], static_cast<int32_t>(line.size()))));
      lines.push_back(line);
    }
    return lines;
  }
  void* library() const { return library_; }

 private:
  void* library_;
  int32_t (*count_)() = nullptr;
  void (*clear_)() = nullptr;
  int32_t (*line_)(int32_t, char*, int32_t) = nullptr;
};

// The module's setting for the run: data and runtime folders of its own, the
// large machine, and two NC wrappers loaded and initialised as StartIF
// leaves them: one logging to the draining viewer, one whose log channel
// was made before the viewer listened (so it logs nothing), to tell the
// cost of the logging apart.
class BenchWorld {
 public:
  BenchWorld() {
    std::string name = (std::filesystem::temp_directory_path() / "pf-bench-XXXXXX").string();
    folder_ = mkdtemp(&name[0]);
    setenv("XDG_DATA_HOME", folder_.c_str(), 1);
    setenv("XDG_RUNTIME_DIR", folder_.c_str(), 1);
    setenv("OVXSIM_MACHINE", LARGE_MACHINE, 1);
    quietChannel_ = std::make_unique<CLogChannel>();
    viewer_ = std::make_unique<DrainingViewer>(folder_);
    loggedChannel_ = std::make_unique<CLogChannel>();
    quietOvxIf_ = Open(*quietChannel_);
    loggedOvxIf_ = Open(*loggedChannel_);
    journal_ = std::make_unique<SimJournal>();
  }
  ~BenchWorld() {
    journal_.reset();
    quietOvxIf_->Unload(2);
    loggedOvxIf_->Unload(2);
    std::error_code ignored;
    std::filesystem::remove_all(folder_, ignored);
  }

  bool ready() const {
    return quietOvxIf_->IsUsable() && loggedOvxIf_->IsUsable() && !quietChannel_->IsOn() &&
           loggedChannel_->IsOn() && journal_->Count() >= 0;
  }
  COVXIF& ovxIf(bool logged) { return logged ? *loggedOvxIf_ : *quietOvxIf_; }
  const DrainingViewer& viewer() const { return *viewer_; }
  const std::string& folder() const { return folder_; }
  const SimJournal& journal() const { return *journal_; }
  // A project name not used before in this run: every run makes a new
  // project, as the user does, rather than one whose files were deleted
  // moments ago.
  std::wstring NewProject() { return L"Bench" + std::to_wstring(++projects_); }

 private:
  static std::unique_ptr<COVXIF> Open(CLogChannel& channel) {
    auto ovxIf = std::make_unique<COVXIF>(channel);
    ovxIf->Load();
    ovxIf->SetClosed(ovxIf->OvxNcIfInit());
    return ovxIf;
  }

  std::string folder_;
  std::unique_ptr<CLogChannel> quietChannel_;
  std::unique_ptr<DrainingViewer> viewer_;
  std::unique_ptr<CLogChannel> loggedChannel_;
  std::unique_ptr<COVXIF> quietOvxIf_;
  std::unique_ptr<COVXIF> loggedOvxIf_;
  std::unique_ptr<SimJournal> journal_;
  int projects_ = 0;
};

BenchWorld& World() {
  static BenchWorld world;
  return world;
}

// One timed step: its time, NC calls, log records and the files it wrote.
struct StepCost {
  double seconds = 0;
  long ncCalls = 0;
  long logRecords = 0;
  long files = 0;
  double ncFloor = 0;    // the NC calls replayed
  double sendFloor = 0;  // one send per record
  double fileFloor = 0;  // the files written plainly
  double Floor() const { return ncFloor + sendFloor + fileFloor; }
};

long FilesBelow(const std::filesystem::path& folder) {
  std::error_code error;
  long files = 0;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder, error)) {
    if (entry.is_regular_file()) ++files;
  }
  return files;
}

StepCost Measure(const std::function<void()>& step) {
  BenchWorld& world = World();
  const long recordsBefore = world.viewer().SettledCount();
  world.journal().Clear();
  const auto start = std::chrono::steady_clock::now();
  step();
  const auto end = std::chrono::steady_clock::now();
  StepCost cost;
  cost.seconds = std::chrono::duration<double>(end - start).count();
  cost.ncCalls = world.journal().Count();
  cost.logRecords = world.viewer().SettledCount() - recordsBefore;
  cost.ncFloor = bench::ReplayNcCalls(world.journal().library(), world.journal().Lines());
  cost.sendFloor = bench::SendRecords(world.viewer().PayloadSizesFrom(recordsBefore));
  return cost;
}

// Runs the wizard of the large machine in a new project with machine type 1:
// times Next on the machine-information page and cancels on the selection
// page, or ticks every offered program, creates each on its page and times
// Finish.
StepCost RunWizard(bool toFinish, bool logged) {
  BenchWorld& world = World();
  const std::wstring project = world.NewProject();
  HeadlessUi ui;
  ScopedUiBackend backend(ui);
  CProgramSheet sheet(14001, 0, 0, 2501, world.ovxIf(logged));
  StepCost cost;
  ui.queue()
      .Add([&](HeadlessUi& u) { u.TypeText(PF_IDC_PROJECT, project); })
      .Add([](HeadlessUi& u) { u.PressNext(); })
      .Add([](HeadlessUi& u) { u.PickItem(PF_IDC_MACHINE_TYPE, 1); })
      .Add([&](HeadlessUi& u) {
        const StepCost next = Measure([&] { u.PressNext(); });
        if (!toFinish) cost = next;
      })
      .Add([&](HeadlessUi& u) {
        if (!toFinish) {
          u.PressCancel();
          return;
        }
        for (HTreeItem group : sheet.m_pageSelProg.m_hGroup) {
          if (group != nullptr) u.ClickTreeItem(PF_IDC_SELECTION_TREE, group, TreePart::StateIcon);
        }
        u.PressNext();
        for (int pages = 0; sheet.GetActiveIndex() != kRequestPage && pages < kMostProgramPages; ++pages) {
          u.Click(PF_IDC_CREATE);
          u.PressNext();
        }
      })
      .Add([&](HeadlessUi& u) { cost = Measure([&] { u.PressFinish(); }); });
  sheet.Execute();
  cost.files = FilesBelow(sheet.GetProgramFolder());
  if (toFinish) cost.fileFloor = bench::WriteFilesPlainly(sheet.GetProgramFolder(), world.folder());
  if (!ui.abandoned().empty() || ui.closed().back().result != (toFinish ? kIdWizFinish : kIdCancel)) cost.seconds = -1;
  return cost;
}

void Report(benchmark::State& state, bool toFinish) {
  if (!World().ready()) {
    state.SkipWithError("the simulated NC library or the log viewer endpoint is not usable");
    return;
  }
  const bool logged = state.range(0) != 0;
  double ncCalls = 0;
  double logRecords = 0;
  double files = 0;
  double seconds = 0;
  StepCost floors;
  for (auto _ : state) {
    const StepCost cost = RunWizard(toFinish, logged);
    if (cost.seconds < 0) {
      state.SkipWithError("the wizard did not run as scripted");
      return;
    }
    state.SetIterationTime(cost.seconds);
    ncCalls += static_cast<double>(cost.ncCalls);
    logRecords += static_cast<double>(cost.logRecords);
    files += static_cast<double>(cost.files);
    seconds += cost.seconds;
    floors.ncFloor += cost.ncFloor;
    floors.sendFloor += cost.sendFloor;
    floors.fileFloor += cost.fileFloor;
  }
  state.counters["nc_calls"] = benchmark::Counter(ncCalls, benchmark::Counter::kAvgIterations);
  state.counters["log_records"] = benchmark::Counter(logRecords, benchmark::Counter::kAvgIterations);
  state.counters["files"] = benchmark::Counter(files, benchmark::Counter::kAvgIterations);
  const auto perIteration = [&](double total) {
    return benchmark::Counter(total * 1000.0, benchmark::Counter::kAvgIterations);
  };
  state.counters["floor_nc_ms"] = perIteration(floors.ncFloor);
  state.counters["floor_send_ms"] = perIteration(floors.sendFloor);
  state.counters["floor_file_ms"] = perIteration(floors.fileFloor);
  state.counters["floor_ms"] = perIteration(floors.Floor());
  state.counters["ratio"] = floors.Floor() > 0 ? seconds / floors.Floor() : 0.0;
}

void MachineInfoNext(benchmark::State& state) { Report(state, false); }
void Finish(benchmark::State& state) { Report(state, true); }

// logged:1 with the viewer attached; logged:0 without, for comparison.
BENCHMARK(MachineInfoNext)->ArgName("logged")->Arg(1)->Arg(0)->UseManualTime()->Unit(benchmark::kMillisecond)
    ->Iterations(20);
BENCHMARK(Finish)->ArgName("logged")->Arg(1)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace pf

BENCHMARK_MAIN();
