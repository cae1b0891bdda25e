// Program creation (see ProgramCreation.h).
#include "pages/ProgramCreation.h"

#include "nclink/NcType.h"
#include "program/ProgramKinds.h"

namespace pf {
namespace {

// The G-code list number is the machine-information page's choice + 2.
constexpr int kFirstGCodeList = 2;

// The basic extended parameter that decides the G08 form of the
// machining-centre mode words.
constexpr int32_t kParaExt3 = 3;

ProgramAxisNames NamesFor(const CreationRequest& request) {
  if (IsCircleKind(request.kind)) {
    return BuildCircleAxisNames(request.machine, request.circleAxisLabels);
  }
  return BuildAxisNames(request.machine, request.currentIndex);
}

}  // namespace

AxisNameSource MakeAxisNameSource(const std::vector<std::wstring>& axisLabels,
                                  const std::vector<std::wstring>& incrementalNames, int machineType,
                                  int gCodeNumber) {
  AxisNameSource source;
  source.axisLabels = axisLabels;
  source.incrementalNames = incrementalNames;
  source.machineType = machineType;
  source.gCodeList = gCodeNumber + kFirstGCodeList;
  return source;
}

bool CreateProgramFiles(COVXIF& ovxIf, const CreationRequest& request, CProgramInfo& program) {
  const ProgramAxisNames names = NamesFor(request);

  int32_t ncType = -1;
  GetNcType(ovxIf, ncType);
  program.m_nNcType = ncType;

  int32_t paraExt3 = 0;
  program.m_nParaExt3 = ovxIf.GetBasicParaExt(kParaExt3, &paraExt3) == 0 ? paraExt3 : 0;

  for (int file : request.fileNumbers) {
    if (!program.MakeProgram(request.machine.machineType, names.moveNames, names.positionNames,
                             request.currentIndex, file, request.machine.gCodeList)) {
      program.at(static_cast<std::size_t>(file)).m_strText.clear();
      return false;
    }
  }
  return true;
}

}  // namespace pf
