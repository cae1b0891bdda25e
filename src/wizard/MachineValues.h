// The NC values that the sheet puts into the axis programs when the machine
// information is confirmed: each axis's maximum speed as the feed of the
// feed kinds, and its stroke ends as the limits shown on the axis pages.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "nclink/OVXIF.h"
#include "program/ProgramInfoAry.h"
#include "program/ProgramKinds.h"

namespace pf {

// The program records of every kind, indexed by kind.
using ProgramLists = std::array<CProgramInfoAry*, kProgramKindCount>;

// For every axis label i: finds the CNC's serial axis of that label among
// the "AXISNUM" axes (serial axis 0 when none has it), reads its "MAX_SPEED"
// ("%d", 0 when the read fails) and its stroke ends ("%3.3f", ReadStrokeLimits)
// and stores them in record i: the speed as m_strFeed of kinds 0, 1, 2, 3, 5
// and 6, "1000" as m_strFeed of kind 4, the stroke ends as m_strLimitMinus
// and m_strLimitPlus of the seven axis kinds, with m_bLimitMinusRead and
// m_bLimitPlusRead telling whether the NC gave each end of this axis. Every list of an axis kind
// must hold a record per label (bounds-checked). The sheet calls it only
// when the axis list was read from the NC without error.
void FillMachineValues(COVXIF& ovxIf, const std::vector<std::wstring>& axisLabels, const ProgramLists& programs);

}  // namespace pf
