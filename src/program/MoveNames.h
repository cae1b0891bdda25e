// The axis-name lists that program creation hands to MakeProgram, built from
// the sheet's axis labels ("$1-X", ...): the move-name list (the address of
// each axis for test moves) and the position-name list (the address of each
// axis that the position file moves, empty for the axes of other part
// systems). Used by the program page and the batch tool alike.
#pragma once

#include <string>
#include <vector>

namespace pf {

// What the machine-information page knows about the machine.
struct AxisNameSource {
  std::vector<std::wstring> axisLabels;        // "$%d-%c" per axis, in axis order
  std::vector<std::wstring> incrementalNames;  // per axis; "999": no incremental name
  int machineType = 0;
  int gCodeList = 2;                           // the G-code list number (button index + 2)
};

struct ProgramAxisNames {
  std::vector<std::wstring> moveNames;
  std::vector<std::wstring> positionNames;
};

// True for the lathe G-code lists (2, 4, 6) that program incremental moves
// by the axes' incremental names.
bool UsesIncrementalNames(int machineType, int gCodeList);

// The part-system digit of an axis label (its second character) and its
// axis letter (its last character); empty when the label is too short.
std::wstring SystemDigit(const std::wstring& label);
std::wstring AxisLetter(const std::wstring& label);

// Lists for a program of an axis kind (0..6) of the axis at `currentIndex`:
// position names only for the axes of that axis's part system.
ProgramAxisNames BuildAxisNames(const AxisNameSource& source, int currentIndex);

// Lists for a circle program: the move names are the plane's circle axis
// labels (left as the axis letters when that list is empty), the position
// names those of the part system of the first circle axis label. A circle
// position beyond the incremental name list counts as one without a name.
ProgramAxisNames BuildCircleAxisNames(const AxisNameSource& source,
                                      const std::vector<std::wstring>& circleAxisLabels);

}  // namespace pf
