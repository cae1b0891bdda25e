// Reading the axis list from an NC with many axes: MakeAxisInfo on one part
// system of N axes, none of them in a tandem pair, through the wrapper with a
// log channel that finds no viewer. Counter nc_calls: the NC calls of one
// read (the simulator's journal). Before the tandem partners were read once
// per axis, the calls grew with the square of N.
//
//   build/native/bench/axis_count_bench
#include <benchmark/benchmark.h>
#include <dlfcn.h>
#include <stdlib.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "nclink/LogChannel.h"
#include "nclink/MachineAxes.h"
#include "nclink/OVXIF.h"

namespace pf {
namespace {

// The simulator's controls, through the library copy that the wrapper loaded.
struct SimControls {
  explicit SimControls(void* library)
      : loadMachine(reinterpret_cast<int32_t (*)(const char*)>(dlsym(library, "SimLoadMachine"))),
        clearJournal(reinterpret_cast<void (*)()>(dlsym(library, "SimClearJournal"))),
        journalCount(reinterpret_cast<int32_t (*)()>(dlsym(library, "SimJournalCount"))) {}
  bool usable() const { return loadMachine != nullptr && clearJournal != nullptr && journalCount != nullptr; }

  int32_t (*loadMachine)(const char*);
  void (*clearJournal)();
  int32_t (*journalCount)();
};

void MakeAxisInfo(benchmark::State& state) {
  const std::filesystem::path folder = std::filesystem::temp_directory_path() / "pf-axis-count-bench";
  std::filesystem::create_directories(folder);
  setenv("XDG_RUNTIME_DIR", folder.c_str(), 1);
  CLogChannel channel;
  COVXIF ovxIf(channel);
  ovxIf.Load();
  ovxIf.SetClosed(ovxIf.OvxNcIfInit());
  void* library = dlopen("libOVXIF.so", RTLD_NOW | RTLD_NOLOAD);
  const SimControls sim(library);
  std::string axes;
  for (int64_t axis = 0; axis < state.range(0); ++axis) axes += " A" + std::to_string(axis);
  const std::string machine = (folder / "machine.ini").string();
  std::ofstream(machine, std::ios::binary) << "[System1]\nAxes=" << axes << "\n";
  if (!ovxIf.IsUsable() || library == nullptr || !sim.usable() || sim.loadMachine(machine.c_str()) != 0) {
    state.SkipWithError("the simulated NC library is not usable");
  } else {
    CMachineAxisInfo info(ovxIf);
    long calls = 0;
    for (auto _ : state) {
      sim.clearJournal();
      if (info.MakeAxisInfo() != 1) state.SkipWithError("the axis list was not read");
      calls += sim.journalCount();
    }
    state.counters["nc_calls"] = benchmark::Counter(static_cast<double>(calls), benchmark::Counter::kAvgIterations);
  }
  if (library != nullptr) dlclose(library);
  ovxIf.Unload(2);
  std::filesystem::remove_all(folder);
}

BENCHMARK(MakeAxisInfo)->ArgName("axes")->Arg(64)->Arg(256)->Arg(512)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pf

BENCHMARK_MAIN();
