// The plane table rebuilt from plane lists against simulated machines: which
// limits are read, how often, and how they are written; and the NC values
// that the sheet puts into the axis programs: feeds and stroke ends of every
// axis kind, from the CNC axis of each label.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "common/Text.h"
#include "support/MachineFixture.h"
#include "wizard/MachineValues.h"
#include "wizard/PlaneArray.h"

namespace pf {
namespace {

using Names = std::vector<std::wstring>;

// One axis of a rebuilt plane: label, minus limit, plus limit, whether the
// NC gave each (empty texts: neither was read).
struct AxisTexts {
  const wchar_t* axis;
  const wchar_t* minus;
  const wchar_t* plus;
  bool minusRead = true;
  bool plusRead = true;
};

void ExpectAxis(const CPlaneAxis& actual, const AxisTexts& expected) {
  EXPECT_EQ(actual.m_strAxis, expected.axis);
  EXPECT_EQ(actual.m_strMinusLimit, expected.minus);
  EXPECT_EQ(actual.m_strPlusLimit, expected.plus);
  const bool empty = *expected.minus == L'\0';
  EXPECT_EQ(actual.m_bMinusRead, expected.minusRead && !empty);
  EXPECT_EQ(actual.m_bPlusRead, expected.plusRead && !empty);
}

class PlaneArrayTest : public test::MachineTest {
 protected:
  CPlaneArray planes_;
};

TEST_F(PlaneArrayTest, RebuildReadsTheLimitsOfEveryPlaneAxis) {
  // What, the machine, an entry point made to fail (or ""), the plane's two axes.
  const std::tuple<const char*, const char*, const char*, AxisTexts, AxisTexts> kRows[] = {
      {"both limits read", "[System1]\nAxes=X Y\n[$1-X]\nOT_MINUS=-500\nOT_PLUS=500\n[$1-Y]\nOT_MINUS=-0.00004\nOT_PLUS=99999.999\n",
       "", {L"$1-X", L"-500.0000", L"500.0000"}, {L"$1-Y", L"-0.0000", L"99999.9990"}},
      {"failed limit reads keep their start values",
       "[System1]\nAxes=X Y\n[$1-X]\nOT_PLUS=75.5\n[$1-Y]\nOT_MINUS=-20\n", "",
       {L"$1-X", L"0.0000", L"75.5000", false, true}, {L"$1-Y", L"-20.0000", L"-20.0000", true, false}},
      {"axis count unreadable", "[System1]\nAxes=X Y\n[Axes]\nOT_MINUS=-1\nOT_PLUS=1\n", "NcGetInformation",
       {L"$1-X", L"", L""}, {L"$1-Y", L"", L""}},
  };
  for (const auto& [what, machine, failing, first, second] : kRows) {
    SCOPED_TRACE(what);
    UseMachine(machine);
    if (*failing != '\0') sim_.SetFailure(failing, -5);
    planes_.Rebuild(ovx_, {L"$1-IJ"}, {L"$1-X", L"$1-Y"});
    ASSERT_EQ(planes_.size(), 1u);
    EXPECT_EQ(planes_[0].m_strName, L"$1-IJ");
    ExpectAxis(planes_[0].m_axis[0], first);
    ExpectAxis(planes_[0].m_axis[1], second);
  }
}

TEST_F(PlaneArrayTest, SharedAxisIsReadOncePerPlaneRebuildReplacesAndFindIsExact) {
  UseMachine(nullptr);
  const Names planeNames = {L"$1-IJ", L"$1-KI", L"$2-KI"};
  const Names planeAxes = {L"$1-X", L"$1-Y", L"$1-Z", L"$1-X", L"$2-Z", L"$2-Q"};
  for (int run = 0; run < 2; ++run) {
    SCOPED_TRACE(run);
    sim_.ClearJournal();
    planes_.Rebuild(ovx_, planeNames, planeAxes);
    ASSERT_EQ(planes_.size(), 3u);
    ExpectAxis(planes_[0].m_axis[0], {L"$1-X", L"-500.0000", L"500.0000"});
    ExpectAxis(planes_[0].m_axis[1], {L"$1-Y", L"-250.0000", L"250.0000"});
    ExpectAxis(planes_[1].m_axis[0], {L"$1-Z", L"-400.0000", L"50.0000"});
    ExpectAxis(planes_[1].m_axis[1], {L"$1-X", L"-500.0000", L"500.0000"});
    ExpectAxis(planes_[2].m_axis[0], {L"$2-Z", L"-600.0000", L"20.0000"});
    // An axis added by hand is not among the CNC's axes.
    ExpectAxis(planes_[2].m_axis[1], {L"$2-Q", L"", L""});
    EXPECT_EQ(CountCalls("NcGetInformation(\"AXISNUM\", 0) -> 0"), 1);
    EXPECT_EQ(CountCalls("GetInformation(0, 0, \"OT_MINUS\", 3) -> 0"), 2);
    EXPECT_EQ(CountCalls("GetInformation(0, 0, \"OT_PLUS\", 3) -> 0"), 2);
    // The hand-added axis is looked for among all six CNC axes.
    EXPECT_EQ(CountCalls("ConvertSerialAxisToSystemAxis(5) -> 0"), 1);
  }
  // Find takes the exact name: the name looked for, whether it is found, the first axis handed back.
  const std::tuple<const wchar_t*, int, const wchar_t*> kFinds[] = {
      {L"$1-KI", 1, L"$1-Z"}, {L"$1-ki", 0, L"untouched"}, {L"$1-K", 0, L"untouched"}};
  for (const auto& [name, found, firstAxis] : kFinds) {
    SCOPED_TRACE(ToNarrow(name));
    CPlane plane;
    plane.m_axis[0].m_strAxis = L"untouched";
    EXPECT_EQ(planes_.Find(name, plane), found);
    EXPECT_EQ(plane.m_axis[0].m_strAxis, firstAxis);
  }
  EXPECT_THROW(planes_.Rebuild(ovx_, planeNames, Names(5, L"$1-X")), std::out_of_range);
}

constexpr int kFeedKinds[] = {0, 1, 2, 3, 5, 6};
constexpr int kAxisKinds[] = {0, 1, 2, 3, 4, 5, 6};

class MachineValuesTest : public test::MachineTest {
 protected:
  // Record lists of every kind with `count` axis records (and one plane
  // record for the circle kinds, which the fill leaves alone).
  void MakeRecords(std::size_t count) {
    for (int kind = 0; kind < kProgramKindCount; ++kind) {
      lists_[kind].assign(IsCircleKind(kind) ? 1 : count, CProgramInfo());
      programs_[kind] = &lists_[kind];
    }
  }

  struct Expected {
    const wchar_t* feed;
    const wchar_t* minus;
    const wchar_t* plus;
    bool read = true;  // the ends are this axis's, as the NC gave them
  };

  void ExpectRecord(std::size_t i, const Expected& expected) {
    SCOPED_TRACE(testing::Message() << "record " << i);
    for (int kind : kFeedKinds) EXPECT_EQ(lists_[kind].at(i).m_strFeed, expected.feed) << "kind " << kind;
    EXPECT_EQ(lists_[4].at(i).m_strFeed, L"1000");
    for (int kind : kAxisKinds) {
      EXPECT_EQ(lists_[kind].at(i).m_strLimitMinus, expected.minus) << "kind " << kind;
      EXPECT_EQ(lists_[kind].at(i).m_strLimitPlus, expected.plus) << "kind " << kind;
      EXPECT_EQ(lists_[kind].at(i).m_bLimitMinusRead, expected.read) << "kind " << kind;
      EXPECT_EQ(lists_[kind].at(i).m_bLimitPlusRead, expected.read) << "kind " << kind;
    }
  }

  CProgramInfoAry lists_[kProgramKindCount];
  ProgramLists programs_{};
};

TEST_F(MachineValuesTest, EachAxisTakesTheValuesOfItsCncAxis) {
  UseMachine(nullptr);
  const Names labels = {L"$1-Z", L"$2-C", L"$2-X"};
  MakeRecords(labels.size());
  FillMachineValues(ovx_, labels, programs_);
  ExpectRecord(0, {L"30000", L"-400.000", L"50.000"});
  ExpectRecord(1, {L"18000", L"-99999.999", L"99999.999"});
  ExpectRecord(2, {L"36000", L"-10.000", L"300.000"});
  for (int kind = 7; kind < kProgramKindCount; ++kind) {
    EXPECT_EQ(lists_[kind].at(0).m_strFeed, L"0");
    EXPECT_EQ(lists_[kind].at(0).m_strLimitMinus, L"");
  }
  EXPECT_EQ(CountCalls("NcGetAccelerationParameter(1, 1, 2, 1, \"MAX_SPEED\") -> 0"), 1);
}

TEST_F(MachineValuesTest, UnfoundLabelsTakeSerialAxisZero) {
  // What, an entry point made to fail (or ""), the labels, the values of both labelled records.
  const std::tuple<const char*, const char*, Names, Expected> kRows[] = {
      {"labels not among the CNC's axes", "", {L"$1-Q", L"$9-X"}, {L"36000", L"-500.000", L"500.000", false}},
      {"axis count unreadable", "NcGetInformation", {L"$1-Z", L"$2-C"}, {L"36000", L"-500.000", L"500.000", false}},
      {"speed read fails: its start value", "NcGetAccelerationParameter", {L"$1-Q", L"$9-X"},
       {L"0", L"-500.000", L"500.000", false}},
      {"limit reads fail: their start values", "GetInformation", {L"$1-Z", L"$2-C"},
       {L"36000", L"0.000", L"0.000", false}},
  };
  for (const auto& [what, failing, labels, expected] : kRows) {
    SCOPED_TRACE(what);
    UseMachine(nullptr);
    if (*failing != '\0') sim_.SetFailure(failing, -7);
    MakeRecords(labels.size() + 1);
    FillMachineValues(ovx_, labels, programs_);
    ExpectRecord(0, expected);
    ExpectRecord(1, expected);
    EXPECT_EQ(lists_[0].at(2).m_strFeed, L"0");  // a record without a label keeps its values
  }
}

}  // namespace
}  // namespace pf
