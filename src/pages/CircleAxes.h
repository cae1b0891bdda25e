// The two axes of a circle plane as the circle program pages need them:
// the circle axis labels that name the circle's axes in the program, and
// the texts that show the plane's axes with their stroke ends.
#pragma once

#include <string>
#include <vector>

#include "nclink/OVXIF.h"
#include "pages/ControlText.h"
#include "wizard/PlaneArray.h"

namespace pf {

// The circle axis labels of plane label `planeLabel` (for example $1-IJ):
// for each of its last two letters that is I, J or K, the label's first
// three characters followed by the system's base axis parameter "BASE_I",
// "BASE_J" or "BASE_K" (read as text of system digit - 1; empty when the
// read fails). $1-IJ on a machine with BASE_I=X, BASE_J=Y gives $1-X, $1-Y.
std::vector<std::wstring> GetCircleAxisLabels(COVXIF& ovxIf, const std::wstring& planeLabel);

// The plane's axes for PF_IDC_AXIS, PF_IDC_MINUS, PF_IDC_PLUS (first axis:
// label, minus and plus stroke end) and PF_IDC_AXIS2, PF_IDC_MINUS2,
// PF_IDC_PLUS2 (second axis), as the plane table holds them; no texts when
// the table has no plane of that name. The page keeps the second row hidden
// either way.
std::vector<ControlText> PlaneAxesTexts(const CPlaneArray& planes, const std::wstring& planeLabel);

}  // namespace pf
