// Building the move-name and position-name lists of program creation.
#include "program/MoveNames.h"

#include <algorithm>

#include "program/ProgramKinds.h"

namespace pf {
namespace {

constexpr const wchar_t* kNoIncrementalName = L"999";

// The standard incremental address of an axis letter, used when the machine
// has none of its own.
struct IncrementalPair {
  const wchar_t* axis;
  const wchar_t* incremental;
};
constexpr IncrementalPair kIncrementalPairs[] = {
    {L"X", L"U"},
    {L"Y", L"V"},
    {L"Z", L"W"},
};

// The character at `pos` of a label as text; empty when the label is shorter.
std::wstring CharAt(const std::wstring& label, std::size_t pos) {
  return pos < label.size() ? label.substr(pos, 1) : std::wstring();
}

// True when the incremental name list holds a name at `index`. A circle's
// position j may lie beyond the list of a machine with fewer axes than the
// circle has (a one-axis lathe): no name is set there.
bool HasIncrementalName(const std::vector<std::wstring>& inc, std::size_t index) {
  return index < inc.size() && inc[index] != kNoIncrementalName;
}

std::wstring MapIncrementalName(const AxisNameSource& source, const std::wstring& name, std::size_t j,
                                bool circleKind) {
  const std::vector<std::wstring>& inc = source.incrementalNames;
  if (HasIncrementalName(inc, j)) {
    std::size_t k = j;
    if (circleKind) {
      const auto& labels = source.axisLabels;
      const auto found = std::find(labels.begin(), labels.end(), name);
      if (found != labels.end()) k = static_cast<std::size_t>(found - labels.begin());
    }
    if (k < inc.size()) return inc[k];
  }
  for (const IncrementalPair& pair : kIncrementalPairs) {
    if (name == pair.axis) return pair.incremental;
  }
  return name;
}

ProgramAxisNames BuildNames(const AxisNameSource& source, const std::wstring& systemDigit,
                            const std::vector<std::wstring>* circleAxisLabels) {
  ProgramAxisNames names;
  for (const std::wstring& label : source.axisLabels) {
    names.moveNames.push_back(AxisLetter(label));
    names.positionNames.push_back(SystemDigit(label) == systemDigit ? AxisLetter(label) : std::wstring());
  }
  const bool circleKind = circleAxisLabels != nullptr;
  if (circleKind && !circleAxisLabels->empty()) names.moveNames = *circleAxisLabels;

  if (UsesIncrementalNames(source.machineType, source.gCodeList)) {
    for (std::size_t j = 0; j < names.moveNames.size(); ++j) {
      names.moveNames[j] = MapIncrementalName(source, names.moveNames[j], j, circleKind);
    }
  }
  return names;
}

}  // namespace

bool UsesIncrementalNames(int machineType, int gCodeList) {
  return machineType == kMachineLathe && (gCodeList == 2 || gCodeList == 4 || gCodeList == 6);
}

std::wstring SystemDigit(const std::wstring& label) { return CharAt(label, 1); }

// A one-character label stays as it is.
std::wstring AxisLetter(const std::wstring& label) { return label.empty() ? label : label.substr(label.size() - 1); }

ProgramAxisNames BuildAxisNames(const AxisNameSource& source, int currentIndex) {
  const std::wstring& current = source.axisLabels.at(static_cast<std::size_t>(currentIndex));
  return BuildNames(source, SystemDigit(current), nullptr);
}

ProgramAxisNames BuildCircleAxisNames(const AxisNameSource& source,
                                      const std::vector<std::wstring>& circleAxisLabels) {
  const std::wstring digit = circleAxisLabels.empty() ? std::wstring() : SystemDigit(circleAxisLabels.front());
  return BuildNames(source, digit, &circleAxisLabels);
}

}  // namespace pf
