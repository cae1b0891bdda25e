// The program page's fixed rules as tables: what each kind shows and does
// to the dwell when the page becomes active, which control has which hint,
// and how many characters the user may type into each edit. The page and
// the batch tool read them here, so both follow one definition.
#pragma once

#include <string>
#include <vector>

#include "pages/ControlText.h"
#include "res/controls.h"

namespace pf {

// The dwell check box (PF_IDC_DWELL_CHECK) on activation.
enum class DwellCheckBox {
  kHidden,    // disabled and hidden
  kShown,     // visible (and left enabled)
  kDisabled,  // disabled, stays visible
};

// What activation does to one dwell value.
enum class DwellChange { kKeep, kSetOff, kSetOn };

// One kind's activation rule.
struct ProgramPageKindRule {
  bool showsAxisLimits;        // PF_IDC_AXIS, PF_IDC_MINUS, PF_IDC_PLUS show the axis and its stroke ends
  DwellCheckBox checkBox;
  bool checkFromFlag;          // the check state is set from the dwell flag as the record gave it
  DwellChange flag;            // the page's dwell flag
  DwellChange recordDwell;     // the record's m_bDwell
  bool feedShown;              // PF_IDC_FEED and its label PF_IDC_FEED_LABEL filled, enabled and shown
  bool dwellEditCleared;       // PF_IDC_DWELL emptied and disabled
};

// The rule of `kind` (0..10; any other kind is an invalid argument that
// abandons the operation).
const ProgramPageKindRule& GetProgramPageKindRule(int kind);

// The page's dwell flag after activation, from the flag as the record gave it.
int DwellFlagAfterActivation(int kind, int dwellFlag);

// The record's dwell mode (m_bDwell) after the page has shown it: the
// rapid and feed kinds other than lost motion always dwell.
int DwellModeAfterActivation(int kind, int dwellMode);

// The axis row of the kinds that show axis limits: PF_IDC_AXIS the heading
// (string 14004 with the axis label), PF_IDC_MINUS and PF_IDC_PLUS the minus
// and plus stroke ends, "****" for one that is empty.
std::vector<ControlText> AxisLimitTexts(const std::wstring& axisLabel, const std::wstring& limitMinus,
                                        const std::wstring& limitPlus);

// The hint string id for the focused control; for the axis grid and its
// cell editor it depends on the grid's focused column. 0: no hint.
unsigned HintStringId(int controlId, int gridFocusColumn);

// The most characters the user may type into an edit.
struct InputLimit {
  int id;
  int maxChars;
};
inline constexpr InputLimit kProgramPageInputLimits[] = {
    {PF_IDC_DISTANCE, 10},
    {PF_IDC_FEED, 7},
    {PF_IDC_DWELL, 8},
    {PF_IDC_SMP_TIME, 2},
    {PF_IDC_RADIUS, 7},
};

// The most characters the user may type into the axis grid's start position
// and order cells.
inline constexpr int kAxisPositionLimit = 13;
inline constexpr int kAxisOrderLimit = 2;

}  // namespace pf
