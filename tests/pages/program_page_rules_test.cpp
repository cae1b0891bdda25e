// The program page's rule tables: activation per kind, hints, input limits.
#include "pages/ProgramPageRules.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

#include "common/Format.h"
#include "common/StringTable.h"

namespace pf {
namespace {

TEST(ProgramPageRules, ActivationPerKind) {
  struct Row {
    int kind;
    bool limits;
    DwellCheckBox box;
    bool feed;
    bool dwellCleared;
    int flagFrom0;  // the dwell flag after activation when the record gave 0
    int flagFrom1;  // ... when it gave 1
    int modeFrom0;  // m_bDwell after activation when it was 0
  };
  constexpr Row kRows[] = {
      {0, true, DwellCheckBox::kHidden, false, false, 1, 1, 1},
      {1, true, DwellCheckBox::kHidden, true, false, 1, 1, 1},
      {2, true, DwellCheckBox::kHidden, false, false, 1, 1, 1},
      {3, true, DwellCheckBox::kHidden, true, false, 1, 1, 1},
      {4, true, DwellCheckBox::kShown, true, false, 0, 1, 0},
      {5, false, DwellCheckBox::kHidden, true, false, 0, 0, 1},
      {6, true, DwellCheckBox::kHidden, true, false, 0, 0, 1},
      {7, false, DwellCheckBox::kDisabled, true, true, 0, 1, 0},
      {8, false, DwellCheckBox::kDisabled, true, true, 0, 1, 0},
      {9, false, DwellCheckBox::kDisabled, true, true, 0, 1, 0},
      {10, false, DwellCheckBox::kDisabled, true, true, 0, 1, 0},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.kind);
    const ProgramPageKindRule& rule = GetProgramPageKindRule(row.kind);
    EXPECT_EQ(rule.showsAxisLimits, row.limits);
    EXPECT_EQ(rule.checkBox, row.box);
    EXPECT_EQ(rule.feedShown, row.feed);
    EXPECT_EQ(rule.dwellEditCleared, row.dwellCleared);
    EXPECT_EQ(DwellFlagAfterActivation(row.kind, 0), row.flagFrom0);
    EXPECT_EQ(DwellFlagAfterActivation(row.kind, 1), row.flagFrom1);
    EXPECT_EQ(DwellModeAfterActivation(row.kind, 0), row.modeFrom0);
    EXPECT_EQ(DwellModeAfterActivation(row.kind, 1), 1);
  }
  EXPECT_THROW(GetProgramPageKindRule(11), std::out_of_range);
  EXPECT_THROW(GetProgramPageKindRule(-1), std::out_of_range);
}

TEST(ProgramPageRules, AxisLimitTextsMarkMissingLimits) {
  const std::wstring heading = Format(LoadResString(14004), L"$1-X");
  ASSERT_NE(heading.find(L"$1-X"), std::wstring::npos);
  EXPECT_EQ(AxisLimitTexts(L"$1-X", L"-500.000", L"500.000"),
            (std::vector<ControlText>{{35042, heading}, {35038, L"-500.000"}, {35034, L"500.000"}}));
  EXPECT_EQ(AxisLimitTexts(L"$1-X", L"", L""),
            (std::vector<ControlText>{{35042, heading}, {35038, L"****"}, {35034, L"****"}}));
}

TEST(ProgramPageRules, HintOfTheFocusedControl) {
  struct Row {
    int control;
    int gridColumn;
    unsigned hint;
  };
  constexpr Row kRows[] = {
      {35007, 0, 14017}, {35008, 0, 14018}, {35024, 0, 14020}, {35025, 0, 14020}, {35028, 0, 14021},
      {35029, 0, 14016}, {35030, 0, 14016}, {35031, 0, 14022}, {35032, 0, 14023}, {35045, 0, 14026},
      {35017, 1, 14025}, {35017, 2, 14024}, {35017, 0, 0},     {8, 1, 14025},     {8, 2, 14024},
      {8, 3, 0},         {35020, 1, 0},     {35046, 0, 0},     {35044, 2, 0},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(testing::Message() << row.control << " column " << row.gridColumn);
    EXPECT_EQ(HintStringId(row.control, row.gridColumn), row.hint);
  }
}

}  // namespace
}  // namespace pf
