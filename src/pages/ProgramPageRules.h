// The program page's fixed rules as tables: what each kind shows and does
// to the dwell when the page becomes active, which control has which hint,
// and how many characters the user may type into each edit. The page and
// the batch tool read them here, so both follow one definition.
#pragma once

#include <string>
#include <vector>

#include "pages/ProgramPageIds.h"

namespace pf {

// The dwell check box (35007) on activation.
enum class DwellCheckBox {
  kHidden,    // disabled and hidden
  kShown,     // visible (and left enabled)
  kDisabled,  // disabled, stays visible
};

// What activation does to one dwell value.
enum class DwellChange { kKeep, kSetOff, kSetOn };

// One kind's activation rule.
struct ProgramPageKindRule {
  bool showsAxisLimits;        // 35042, 35038, 35034 show the axis and its stroke ends
  DwellCheckBox checkBox;
  bool checkFromFlag;          // the check state is set from the dwell flag as the record gave it
  DwellChange flag;            // the page's dwell flag
  DwellChange recordDwell;     // the record's m_bDwell
  bool feedShown;              // 35032 and its label 35022 filled, enabled and shown
  bool dwellEditCleared;       // 35008 emptied and disabled
};

// The rule of `kind` (0..10; any other kind is an invalid argument that
// abandons the operation).
const ProgramPageKindRule& GetProgramPageKindRule(int kind);

// The page's dwell flag after activation, from the flag as the record gave it.
int DwellFlagAfterActivation(int kind, int dwellFlag);

// The record's dwell mode (m_bDwell) after the page has shown it: the
// rapid and feed kinds other than lost motion always dwell.
int DwellModeAfterActivation(int kind, int dwellMode);

// The axis row of the kinds that show axis limits: 35042 the heading
// (string 14004 with the axis label), 35038 and 35034 the minus and plus
// stroke ends, "****" for one that is empty.
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
    {kIdcDistance, 10},
    {kIdcFeed, 7},
    {kIdcDwell, 8},
    {kIdcSmpTime, 2},
    {kIdcRadius, 7},
};

// The most characters the user may type into the axis grid's start position
// and order cells.
inline constexpr int kAxisPositionLimit = 13;
inline constexpr int kAxisOrderLimit = 2;

}  // namespace pf
