// The motion check's cost, on the benchmark's large machine: nine part
// systems of eight axes (72 axes, 27 planes), machine type 1, stroke ends
// -500..500, the programs Finish writes there (the five axis families per
// axis, the two LostMotion3 circle programs per plane: 414 programs).
//
//   CheckOneProgram/kind   one program after an edit, as the program page
//                          checks it (kind 3: time constant, kind 9: circle)
//   CheckEveryProgram      every one of the 414 programs, to set beside
//                          wizard_bench's Finish on the same machine
//
// Built natively; not a test: build/native/bench/motion_bench.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "common/Format.h"
#include "common/MessageSink.h"
#include "pages/ProgramMotion.h"
#include "program/MoveNames.h"
#include "program/ProgramKinds.h"

namespace pf {
namespace {

constexpr int kSystems = 9;
constexpr wchar_t kAxisLetters[] = L"XYZUVWAB";
constexpr int kAxisKinds[] = {0, 1, 2, 3, 4};
constexpr int kCircleKinds[] = {9, 10};
constexpr int kMachineType = kMachineCentre;
constexpr int kGCodeList = 2;

struct Program {
  int kind;
  int index;
  CProgramInfo record;
};

struct LargeMachine {
  ProgramMotionInput input;
  CPlaneArray planes;
  std::vector<Program> programs;

  LargeMachine() {
    AxisNameSource& machine = input.machine;
    machine.machineType = kMachineType;
    machine.gCodeList = kGCodeList;
    for (int s = 1; s <= kSystems; ++s) {
      for (const wchar_t* letter = kAxisLetters; *letter != 0; ++letter) {
        machine.axisLabels.push_back(Format(L"$%d-%c", s, *letter));
        machine.incrementalNames.push_back(L"999");
        input.axisLimits.push_back({L"-500.000", L"500.000", true, true});
        input.rapidSpeeds.push_back(24000.0);
      }
      const wchar_t* pairs[3][3] = {{L"IJ", L"X", L"Y"}, {L"JK", L"Y", L"Z"}, {L"KI", L"Z", L"X"}};
      for (const auto& pair : pairs) {
        CPlane plane;
        plane.m_strName = Format(L"$%d-%s", s, pair[0]);
        for (int k = 0; k < 2; ++k) {
          plane.m_axis[k] = {Format(L"$%d-%s", s, pair[k + 1]), L"-500.0000", L"500.0000", true, true};
          input.planeAxes.push_back(plane.m_axis[k].m_strAxis);
        }
        input.planeNames.push_back(plane.m_strName);
        planes.push_back(plane);
      }
    }
    input.planes = &planes;
    for (int kind : kAxisKinds)
      for (int i = 0; i < static_cast<int>(machine.axisLabels.size()); ++i) Add(kind, i);
    for (int kind : kCircleKinds)
      for (int p = 0; p < static_cast<int>(input.planeNames.size()); ++p) Add(kind, p);
  }

  // Generates the program's files as program creation does.
  void Add(int kind, int index) {
    Program program{kind, index, CProgramInfo()};
    CProgramInfo& record = program.record;
    record.m_nKind = kind;
    record.m_strFeed = L"20000";
    record.m_strRadius = L"100";
    record.m_strPlane = IsCircleKind(kind) ? input.planeNames[static_cast<std::size_t>(index)] : L"";
    record.m_aryAxis.resize(input.machine.axisLabels.size());
    int count = 0;
    GetProgramFileTable(kind, kMachineType, count);
    record.resize(static_cast<std::size_t>(count));
    const ProgramAxisNames names =
        IsCircleKind(kind)
            ? BuildCircleAxisNames(input.machine, {input.planeAxes[2 * static_cast<std::size_t>(index)],
                                                   input.planeAxes[2 * static_cast<std::size_t>(index) + 1]})
            : BuildAxisNames(input.machine, index);
    for (int file = 0; file < count; ++file)
      record.MakeProgram(kMachineType, names.moveNames, names.positionNames, index, file, kGCodeList);
    programs.push_back(std::move(program));
  }

  ProgramMotion Check(const Program& program) {
    input.program = &program.record;
    input.kind = program.kind;
    input.index = program.index;
    return CheckProgramMotion(input);
  }
};

LargeMachine& Machine() {
  static LargeMachine machine;
  return machine;
}

void CheckOneProgram(benchmark::State& state) {
  LargeMachine& machine = Machine();
  const int kind = static_cast<int>(state.range(0));
  const Program* program = nullptr;
  for (const Program& p : machine.programs)
    if (p.kind == kind && !program) program = &p;
  for (auto _ : state) benchmark::DoNotOptimize(machine.Check(*program));
  state.SetLabel(ToNarrow(machine.Check(*program).verdict));
}

void CheckEveryProgram(benchmark::State& state) {
  LargeMachine& machine = Machine();
  int within = 0;
  for (auto _ : state) {
    within = 0;
    for (const Program& program : machine.programs) within += machine.Check(program).WithinLimits() ? 1 : 0;
  }
  state.counters["programs"] = static_cast<double>(machine.programs.size());
  state.counters["within"] = within;
}

BENCHMARK(CheckOneProgram)->Arg(3)->Arg(9)->Unit(benchmark::kMicrosecond);
BENCHMARK(CheckEveryProgram)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace pf

BENCHMARK_MAIN();
