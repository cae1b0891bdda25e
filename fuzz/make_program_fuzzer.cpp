// The number checks of program creation: MakeProgram for every file of a
// program, with the parameters a person may type on the program page (any
// texts) on a machine of one to four axes. A file either gets a whole
// program ending in M30, or shows one of the generators' messages and keeps
// its text.
#include <fuzzer/FuzzedDataProvider.h>

#include <climits>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzScratch.h"
#include "common/MessageSink.h"
#include "common/Text.h"
#include "program/MoveNames.h"
#include "program/ProgramErrors.h"
#include "program/ProgramInfo.h"
#include "program/ProgramKinds.h"

namespace {

class CountingSink : public pf::IMessageSink {
 public:
  int Show(const pf::MessageRequest& request) override {
    ++count;
    last = request.stringId;
    return pf::kAnswerOk;
  }
  int count = 0;
  unsigned last = 0;
};

constexpr std::size_t kMaxText = 24;
constexpr wchar_t kAxisLetters[] = L"XYZCUVWAB";

std::wstring Text(FuzzedDataProvider& in) { return pf::ToWide(in.ConsumeRandomLengthString(kMaxText)); }

pf::AxisNameSource Machine(FuzzedDataProvider& in, int machineType, int gCodeList) {
  pf::AxisNameSource machine;
  machine.machineType = machineType;
  machine.gCodeList = gCodeList;
  const int axes = in.ConsumeIntegralInRange(1, 4);
  for (int i = 0; i < axes; ++i) {
    const int system = in.ConsumeIntegralInRange(1, 2);
    const wchar_t letter = kAxisLetters[in.ConsumeIntegralInRange<std::size_t>(0, std::size(kAxisLetters) - 2)];
    machine.axisLabels.push_back(L"$" + std::to_wstring(system) + L"-" + letter);
    machine.incrementalNames.push_back(in.ConsumeBool() ? L"999" : Text(in));
  }
  return machine;
}

bool IsKnownError(unsigned id) { return id >= pf::kErrPositionInvalid && id <= pf::kErrRadiusInvalid; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const int kind = in.ConsumeIntegralInRange(0, pf::kProgramKindCount - 1);
  const int machineType = in.ConsumeIntegralInRange(pf::kMachineLathe, pf::kMachineCentre);
  const int gCodeList = in.ConsumeIntegralInRange(2, 7);
  const pf::AxisNameSource machine = Machine(in, machineType, gCodeList);
  const int axes = static_cast<int>(machine.axisLabels.size());

  pf::CProgramInfo program;
  program.LoadFiles(pf_fuzz::ScratchFolder() + L"/no-project", kind, machineType, L"none");
  program.m_strDistance = Text(in);
  program.m_strFeed = Text(in);
  program.m_strDwell = Text(in);
  program.m_strRadius = Text(in);
  program.m_strSmpTime = Text(in);
  program.m_strSmpTime2 = Text(in);
  program.m_bDwell = in.ConsumeIntegralInRange(0, 1);
  program.m_nCircleDir = in.ConsumeIntegralInRange(0, 1);
  program.m_nNcType = in.ConsumeIntegralInRange(-1, 1);
  program.m_nParaExt3 = in.ConsumeIntegral<int>();
  program.m_aryAxis.resize(axes);
  for (pf::CProgramAxisInfo& axis : program.m_aryAxis) {
    axis.m_strPosition = Text(in);
    axis.m_nOrder = in.ConsumeIntegralInRange(0, INT_MAX);
  }

  const int index = pf::IsCircleKind(kind) ? 0 : in.ConsumeIntegralInRange(0, axes - 1);
  const pf::ProgramAxisNames names =
      pf::IsCircleKind(kind)
          ? pf::BuildCircleAxisNames(machine, {machine.axisLabels.front(), machine.axisLabels.back()})
          : pf::BuildAxisNames(machine, index);

  CountingSink messages;
  pf::ScopedMessageSink scope(messages);
  for (std::size_t file = 0; file < program.size(); ++file) {
    const int shownBefore = messages.count;
    const std::wstring before = program[file].GetText();
    if (program.MakeProgram(machineType, names.moveNames, names.positionNames, index, static_cast<int>(file),
                            gCodeList)) {
      const std::wstring& text = program[file].GetText();
      pf_fuzz::Require(messages.count == shownBefore, "a generated file shows no message");
      pf_fuzz::Require(text.size() >= 5 && text.compare(text.size() - 5, 5, L"M30\r\n") == 0,
                       "a generated file ends in M30");
    } else {
      pf_fuzz::Require(messages.count == shownBefore + 1 && IsKnownError(messages.last),
                       "a refused file shows one generator message");
      pf_fuzz::Require(program[file].GetText() == before, "a refused file keeps its text");
    }
  }
  return 0;
}
