// The motion check of a shown program (see ProgramMotion.h).
#include "pages/ProgramMotion.h"

#include <algorithm>

#include "common/Text.h"
#include "program/ProgramKinds.h"

namespace pf {
namespace {

// A failed read leaves its value at a start value that the text shows all
// the same ("0.000"), and equal ends leave no stroke: neither is a limit.
void SetLimits(MotionAxis& axis, const StrokeLimitTexts& texts) {
  double low = 0.0;
  double high = 0.0;
  axis.limitsKnown = texts.minusRead && texts.plusRead && ParseLimitText(texts.minus, low) &&
                     ParseLimitText(texts.plus, high) && low < high;
  axis.limitMinus = axis.limitsKnown ? low : 0.0;
  axis.limitPlus = axis.limitsKnown ? high : 0.0;
}

// The axes of the program's part system with their address words, as the
// move-name and position-name lists of program creation give them for the
// axis at `axisIndex`: each position name addresses its axis absolutely;
// on the incremental lathe lists each move name that differs from it
// addresses the axis incrementally.
void AddAddresses(const ProgramMotionInput& input, int axisIndex, MotionSetup& setup) {
  const ProgramAxisNames names = BuildAxisNames(input.machine, axisIndex);
  for (std::size_t j = 0; j < names.positionNames.size(); ++j) {
    const std::wstring& absolute = names.positionNames[j];
    if (absolute.empty()) continue;
    setup.addresses.push_back({absolute, static_cast<int>(j), false});
    const std::wstring& move = names.moveNames[j];
    if (!setup.modalAddressing && move != absolute) setup.addresses.push_back({move, static_cast<int>(j), true});
  }
}

// The base axes of I, J and K in the part system `digit`, from the planes
// the machine-information page found ($1-IJ with axes X and Y: I is X, J is Y).
void AddCentreAxes(const ProgramMotionInput& input, const std::wstring& digit, MotionSetup& setup) {
  for (std::size_t p = 0; p < input.planeNames.size() && 2 * p + 1 < input.planeAxes.size(); ++p) {
    const std::wstring& plane = input.planeNames[p];
    if (plane.size() < 2 || SystemDigit(plane) != digit) continue;
    for (std::size_t k = 0; k < 2; ++k) {
      const std::size_t letter = std::wstring(L"IJK").find(plane[plane.size() - 2 + k]);
      const int axis = IndexOf(input.machine.axisLabels, input.planeAxes[2 * p + k]);
      if (letter != std::wstring::npos && axis >= 0) setup.centreAxis[letter] = axis;
    }
  }
}

void AddPlaneLimits(const ProgramMotionInput& input, MotionSetup& setup) {
  CPlane plane;
  if (!input.planes || !input.planes->Find(input.planeNames.at(static_cast<std::size_t>(input.index)), plane)) return;
  for (const CPlaneAxis& planeAxis : plane.m_axis) {
    const int axis = IndexOf(input.machine.axisLabels, planeAxis.m_strAxis);
    if (axis < 0) continue;
    SetLimits(setup.axes[static_cast<std::size_t>(axis)],
              {planeAxis.m_strMinusLimit, planeAxis.m_strPlusLimit, planeAxis.m_bMinusRead, planeAxis.m_bPlusRead});
  }
}

std::vector<MotionFile> FilesOf(const ProgramMotionInput& input) {
  std::vector<MotionFile> files;
  int count = 0;
  const ProgramFileEntry* table = GetProgramFileTable(input.kind, input.machine.machineType, count);
  if (!table) return files;
  const std::size_t shown = std::min(static_cast<std::size_t>(count), input.program->size());
  for (std::size_t i = 0; i < shown; ++i) files.push_back({table[i].fileName, (*input.program)[i].m_strText});
  return files;
}

}  // namespace

std::vector<StrokeLimitTexts> AxisLimitsOf(const std::vector<CProgramInfo>& axisRecords) {
  std::vector<StrokeLimitTexts> limits;
  limits.reserve(axisRecords.size());
  for (const CProgramInfo& record : axisRecords) {
    limits.push_back(
        {record.m_strLimitMinus, record.m_strLimitPlus, record.m_bLimitMinusRead, record.m_bLimitPlusRead});
  }
  return limits;
}

bool BuildMotionSetup(const ProgramMotionInput& input, MotionSetup& setup, PictureAxes& pictureAxes,
                      std::wstring& error) {
  setup = MotionSetup();
  const std::vector<std::wstring>& labels = input.machine.axisLabels;
  for (std::size_t i = 0; i < labels.size(); ++i) {
    MotionAxis axis;
    axis.name = AxisLetter(labels[i]);
    if (i < input.axisLimits.size()) SetLimits(axis, input.axisLimits[i]);
    if (i < input.rapidSpeeds.size()) axis.rapidSpeed = input.rapidSpeeds[i];
    setup.axes.push_back(axis);
  }
  // On the lathe lists that program incremental moves by the incremental
  // axis names, G90/G91 are no program words.
  setup.modalAddressing = !UsesIncrementalNames(input.machine.machineType, input.machine.gCodeList);

  if (IsCircleKind(input.kind)) {
    const std::size_t plane = static_cast<std::size_t>(input.index);
    int found[2] = {-1, -1};
    for (std::size_t k = 0; k < 2; ++k) {
      const std::wstring& label = input.planeAxes.at(2 * plane + k);
      found[k] = IndexOf(labels, label);
      if (found[k] < 0) {
        error = L"Not checked: the plane axis " + label + L" is not among the machine's axes";
        return false;
      }
    }
    pictureAxes = {found[0], found[1]};
    AddPlaneLimits(input, setup);
  } else {
    pictureAxes = {input.index, -1};
  }
  AddAddresses(input, pictureAxes.horizontal, setup);
  AddCentreAxes(input, SystemDigit(labels.at(static_cast<std::size_t>(pictureAxes.horizontal))), setup);
  return true;
}

ProgramMotion CheckProgramMotion(const ProgramMotionInput& input) {
  ProgramMotion motion;
  MotionSetup setup;
  PictureAxes pictureAxes;
  if (!BuildMotionSetup(input, setup, pictureAxes, motion.verdict)) {
    motion.status = MotionStatus::NotChecked;
    return motion;
  }
  static_cast<MotionResult&>(motion) = CheckMotion(setup, FilesOf(input), pictureAxes);
  return motion;
}

}  // namespace pf
