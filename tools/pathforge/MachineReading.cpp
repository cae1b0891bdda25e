// Reading a machine description through the wizard's NC code (see
// MachineReading.h).
#include "MachineReading.h"

#include <filesystem>

#include "nclink/LogChannel.h"
#include "nclink/MachineAxes.h"
#include "nclink/OVXIF.h"
#include "pages/SamplingEstimate.h"
#include "program/ProgramKinds.h"
#include "sim/Machine.h"
#include "tools/shared/FsPath.h"
#include "wizard/MachineValues.h"

namespace pf {
namespace {

// The plug-in type the host reports when it closes the library.
constexpr int32_t kPluginType = 2;

}  // namespace

bool ReadMachineFile(const std::wstring& path, MachineReading& machine, std::wstring& error) {
  if (!std::filesystem::is_regular_file(ToFsPath(path))) {
    error = path + L": no such machine description";
    return false;
  }
  // The library would serve its built-in machine in place of a description
  // it refuses: the refusal is this command's error.
  sim::Machine description;
  std::string refusal;
  if (!sim::ReadMachine(ToNarrow(path), description, refusal)) {
    error = ToWide(refusal);
    return false;
  }
  UseMachineDescription(FromFsPath(std::filesystem::absolute(ToFsPath(path))));
  CLogChannel log;
  COVXIF ovxIf(log);
  ovxIf.Load();
  if (ovxIf.IsLoaded()) ovxIf.SetClosed(ovxIf.OvxNcIfInit());
  CMachineAxisInfo axes(ovxIf);
  const bool read = ovxIf.IsUsable() && axes.MakeAxisInfo() == 1;
  if (read) {
    axes.MakePlaneInfo();
    machine.axisLabels = axes.m_aryAxisName;
    machine.incrementalNames = axes.m_aryIncAxis;
    machine.planeNames = axes.m_aryPlaneName;
    machine.planeAxes = axes.m_aryPlaneAxis;
    machine.values.assign(kProgramKindCount, CProgramInfoAry());
    ProgramLists lists{};
    for (int kind = 0; kind < kProgramKindCount; ++kind) {
      machine.values[static_cast<std::size_t>(kind)].resize(machine.axisLabels.size());
      lists[static_cast<std::size_t>(kind)] = &machine.values[static_cast<std::size_t>(kind)];
    }
    FillMachineValues(ovxIf, machine.axisLabels, lists);
    machine.planes.Rebuild(ovxIf, machine.planeNames, machine.planeAxes);
    machine.rapidSpeeds.clear();
    for (std::size_t i = 0; i < machine.axisLabels.size(); ++i)
      machine.rapidSpeeds.push_back(ReadRapidSpeed(ovxIf, static_cast<int32_t>(i)));
  } else {
    error = path + L": the simulated NC library could not read the machine's axes";
  }
  if (ovxIf.IsLoaded()) ovxIf.Unload(kPluginType);
  return read;
}

void ApplyMachineValues(const MachineReading& machine, int kind, std::vector<CProgramInfo>& records) {
  if (IsCircleKind(kind)) return;
  const CProgramInfoAry& values = machine.values.at(static_cast<std::size_t>(kind));
  for (std::size_t i = 0; i < records.size() && i < values.size(); ++i) {
    records[i].m_strFeed = values[i].m_strFeed;
    records[i].m_strLimitMinus = values[i].m_strLimitMinus;
    records[i].m_strLimitPlus = values[i].m_strLimitPlus;
    records[i].m_bLimitMinusRead = values[i].m_bLimitMinusRead;
    records[i].m_bLimitPlusRead = values[i].m_bLimitPlusRead;
  }
}

ProgramMotionInput MotionInputFor(const MachineReading& machine, int machineType, int gCodeList) {
  ProgramMotionInput input;
  input.machine.axisLabels = machine.axisLabels;
  input.machine.incrementalNames = machine.incrementalNames;
  input.machine.machineType = machineType;
  input.machine.gCodeList = gCodeList;
  input.planeNames = machine.planeNames;
  input.planeAxes = machine.planeAxes;
  input.planes = &machine.planes;
  input.axisLimits = AxisLimitsOf(machine.values.at(0));
  input.rapidSpeeds = machine.rapidSpeeds;
  return input;
}

}  // namespace pf
