// The NC values that the sheet puts into the axis programs: feeds and
// stroke ends of every axis kind, from the CNC axis of each label.
#include "wizard/MachineValues.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "support/MachineFixture.h"

namespace pf {
namespace {

using Names = std::vector<std::wstring>;

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
