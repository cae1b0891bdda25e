// The program page's rule tables (see ProgramPageRules.h).
#include "pages/ProgramPageRules.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "common/Format.h"
#include "common/StringTable.h"
#include "program/ProgramKinds.h"
#include "res/controls.h"

namespace pf {
namespace {

using Box = DwellCheckBox;
using Change = DwellChange;

// Kinds 0 and 2 move at rapid traverse and always dwell; kinds 1 and 3 move
// at a feed and always dwell; lost motion (4) lets the user choose; the
// feed-forward and inertia tests (5, 6) always dwell with a fixed time;
// the circles (7..10) have no dwell.
constexpr std::array<ProgramPageKindRule, kProgramKindCount> kKindRules = {{
    // limits, check box,     from flag, flag,            m_bDwell,        feed,  dwell cleared
    {true,  Box::kHidden,   false, Change::kSetOn,  Change::kSetOn, false, false},  // 0
    {true,  Box::kHidden,   true,  Change::kSetOn,  Change::kSetOn, true,  false},  // 1
    {true,  Box::kHidden,   false, Change::kSetOn,  Change::kSetOn, false, false},  // 2
    {true,  Box::kHidden,   true,  Change::kSetOn,  Change::kSetOn, true,  false},  // 3
    {true,  Box::kShown,    true,  Change::kKeep,   Change::kKeep,  true,  false},  // 4
    {false, Box::kHidden,   false, Change::kSetOff, Change::kSetOn, true,  false},  // 5
    {true,  Box::kHidden,   false, Change::kSetOff, Change::kSetOn, true,  false},  // 6
    {false, Box::kDisabled, false, Change::kKeep,   Change::kKeep,  true,  true},   // 7
    {false, Box::kDisabled, false, Change::kKeep,   Change::kKeep,  true,  true},   // 8
    {false, Box::kDisabled, false, Change::kKeep,   Change::kKeep,  true,  true},   // 9
    {false, Box::kDisabled, false, Change::kKeep,   Change::kKeep,  true,  true},   // 10
}};

int Apply(DwellChange change, int value) {
  switch (change) {
    case DwellChange::kSetOff:
      return 0;
    case DwellChange::kSetOn:
      return 1;
    default:
      return value;
  }
}

const wchar_t kNoLimit[] = L"****";

// The axis heading: string 14004 with the axis label.
constexpr unsigned kAxisHeadingId = 14004;

struct Hint {
  int id;
  unsigned hintId;
};
constexpr Hint kHints[] = {
    {PF_IDC_DWELL_CHECK, 14017},
    {PF_IDC_DWELL, 14018},
    {PF_IDC_PROGRAM_TEXT, 14020},
    {PF_IDC_FILE_LIST, 14020},
    {PF_IDC_RADIUS, 14021},
    {PF_IDC_COUNTER_CLOCKWISE, 14016},
    {PF_IDC_CLOCKWISE, 14016},
    {PF_IDC_SMP_TIME, 14022},
    {PF_IDC_FEED, 14023},
    {PF_IDC_DISTANCE, 14026},
};

// The axis grid and its cell editor: the hint of the focused column.
constexpr Hint kGridColumnHints[] = {
    {1, 14025},  // start position
    {2, 14024},  // order
};

template <std::size_t N>
unsigned FindHint(const Hint (&table)[N], int id) {
  const auto found = std::find_if(std::begin(table), std::end(table), [id](const Hint& h) { return h.id == id; });
  return found == std::end(table) ? 0 : found->hintId;
}

}  // namespace

const ProgramPageKindRule& GetProgramPageKindRule(int kind) {
  return kKindRules.at(static_cast<std::size_t>(kind));
}

int DwellFlagAfterActivation(int kind, int dwellFlag) { return Apply(GetProgramPageKindRule(kind).flag, dwellFlag); }

int DwellModeAfterActivation(int kind, int dwellMode) {
  return Apply(GetProgramPageKindRule(kind).recordDwell, dwellMode);
}

std::vector<ControlText> AxisLimitTexts(const std::wstring& axisLabel, const std::wstring& limitMinus,
                                        const std::wstring& limitPlus) {
  return {
      {PF_IDC_AXIS, Format(LoadResString(kAxisHeadingId), axisLabel)},
      {PF_IDC_MINUS, limitMinus.empty() ? kNoLimit : limitMinus},
      {PF_IDC_PLUS, limitPlus.empty() ? kNoLimit : limitPlus},
  };
}

unsigned HintStringId(int controlId, int gridFocusColumn) {
  if (controlId == PF_IDC_AXIS_GRID || controlId == PF_IDC_GRID_EDITOR) {
    return FindHint(kGridColumnHints, gridFocusColumn);
  }
  return FindHint(kHints, controlId);
}

}  // namespace pf
