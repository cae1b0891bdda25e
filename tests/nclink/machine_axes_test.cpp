// The machine's axis and plane lists as read from simulated machines, the
// hand edits of the lists, and the axis dialog's rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "nclink/MachineAxes.h"
#include "support/MachineFixture.h"

namespace pf {
namespace {

using Names = std::vector<std::wstring>;

// Two systems in use, each with three distinct base axes in the axis list.
constexpr const char kTwoSystems[] = R"(
[System1]
Axes=X Y Z
BASE_I=X
BASE_J=Y
BASE_K=Z
[System2]
Axes=X Y Z
BASE_I=Z
BASE_J=X
BASE_K=Y
)";

const Names kTwoSystemAxes = {L"$1-X", L"$1-Y", L"$1-Z", L"$2-X", L"$2-Y", L"$2-Z"};
const Names kTwoSystemPlanes = {L"$1-IJ", L"$1-JK", L"$1-KI", L"$2-IJ", L"$2-JK", L"$2-KI"};
const Names kTwoSystemPlaneAxes = {L"$1-X", L"$1-Y", L"$1-Y", L"$1-Z", L"$1-Z", L"$1-X",
                                   L"$2-Z", L"$2-X", L"$2-X", L"$2-Y", L"$2-Y", L"$2-Z"};

class MachineAxesTest : public test::MachineTest {
 protected:
  CMachineAxisInfo info_{ovx_};
};

TEST_F(MachineAxesTest, MakeAxisInfoListsTheOfferedAxes) {
  struct Row {
    const char* what;
    const char* machine;  // nullptr: the built-in machine
    int32_t result;
    Names names;
    Names incAxes;
    std::vector<int> tandem;
    const char* neverCalled;  // a call the loop must not reach, or ""
    const char* countBehaviour = nullptr;  // of NcGetInformation, or none
  };
  const Row kRows[] = {
      {"two systems", kTwoSystems, 1, kTwoSystemAxes, Names(6, L"999"), {0, 0, 0, 0, 0, 0}, ""},
      {"tandem pair: the follower W is dropped, its lead Z flagged",
       "[System1]\nAxes=X Y Z W\n[$1-Z]\nTANDEM_AXISNUM_SPC=4\n", 1, {L"$1-X", L"$1-Y", L"$1-Z"},
       {L"999", L"999", L"999"}, {0, 0, 1}, ""},
      {"spindle rejected by CheckSPAX", "[System1]\nAxes=X S Z\n[$1-S]\nCheckSPAX=1\n", 1, {L"$1-X", L"$1-Z"},
       {L"999", L"999"}, {0, 0}, ""},
      {"incremental names", "[System1]\nAxes=X Z\n[$1-Z]\nINCAX_SPC=W\n", 1, {L"$1-X", L"$1-Z"},
       {L"999", L"W"}, {0, 0}, ""},
      // Serial axis 3 is not on the machine, so its partner read fails: Z,
      // in no pair, goes; X leads Y and stays.
      {"failed partner read of the last axis",
       "[Information]\nAXISNUM_SPC=4\n[System1]\nAxes=X Y Z\n[$1-X]\nTANDEM_AXISNUM_SPC=2\n", 1, {L"$1-X"},
       {L"999"}, {1}, ""},
      // Serial axis 3 maps to system 0, axis 0, which has no name.
      {"failed axis name stops the loop",
       "[Information]\nAXISNUM_SPC=5\nTANDEM_AXISNUM_SPC=0\n[System1]\nAxes=\n[System2]\nAxes=X Y Z\n", 0,
       {L"$2-X", L"$2-Y", L"$2-Z"}, Names(3, L"999"), {0, 0, 0},
       "ConvertSerialAxisToSystemAxisPermittedSPC(4)"},
      {"axis count 0", "[Information]\nAXISNUM_SPC=0\n[System1]\nAxes=X\n", 0, {}, {}, {}, "GetInformation"},
      {"axis count unreadable", "[System1]\nAxes=X\n[Fail]\nNcGetInformation=-5\n", 0, {}, {}, {},
       "GetInformation"},
      // Counts beyond any machine are unreadable too.
      {"513 axes", "[Information]\nAXISNUM_SPC=513\n[System1]\nAxes=X Y Z\n", 0, {}, {}, {}, "GetInformation"},
      {"a count in an unterminated buffer", nullptr, 0, {}, {}, {}, "GetInformation", "unterminated"},
      {"a count 1000 beyond the axes", nullptr, 0, {}, {}, {}, "GetInformation", "far-count"},
      {"a count of INT_MAX", nullptr, 0, {}, {}, {}, "GetInformation", "int-max"},
      {"a count of -huge", nullptr, 0, {}, {}, {}, "GetInformation", "-huge"},
      {"an untouched buffer: no axes", nullptr, 0, {}, {}, {}, "GetInformation", "untouched"},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.what);
    UseMachine(row.machine);
    if (row.countBehaviour != nullptr) {
      ASSERT_TRUE(sim_.SetBehaviour("NcGetInformation", row.countBehaviour));
    }
    info_.AppendAxis(L"left over");
    EXPECT_EQ(info_.MakeAxisInfo(), row.result);
    EXPECT_EQ(info_.m_bAxisInfoOK, row.result);
    EXPECT_EQ(info_.m_aryAxisName, row.names);
    EXPECT_EQ(info_.m_aryIncAxis, row.incAxes);
    EXPECT_EQ(info_.m_aryTandemMaster, row.tandem);
    if (*row.neverCalled != '\0') {
      EXPECT_FALSE(WasCalled(row.neverCalled));
    }
  }
}

TEST_F(MachineAxesTest, EachTandemPartnerIsReadOnce) {
  // One system of 512 axes (the most a machine may have), the last two a
  // tandem pair.
  std::string axes;
  for (int i = 0; i < 512; ++i) axes += " A" + std::to_string(i);
  UseMachine(("[System1]\nAxes=" + axes + "\n[$1-A510]\nTANDEM_AXISNUM_SPC=512\n").c_str());
  EXPECT_EQ(info_.MakeAxisInfo(), 1);
  ASSERT_EQ(info_.m_aryAxisName.size(), 511u);
  EXPECT_EQ(info_.m_aryTandemMaster.back(), 1);
  const std::vector<std::string> journal = sim_.Journal();
  const auto tandemReads = std::count_if(journal.begin(), journal.end(), [](const std::string& line) {
    return line.rfind("NcGetInformation(\"TANDEM_AXISNUM_SPC\"", 0) == 0;
  });
  EXPECT_EQ(tandemReads, 512);
}

TEST_F(MachineAxesTest, MakePlaneInfoListsThePlanesOfTheListedBaseAxes) {
  struct Row {
    const char* what;
    const char* machine;  // nullptr: the built-in machine
    const char* failAfterAxes;  // an entry point made to fail after MakeAxisInfo, or ""
    int32_t result;
    Names planes;
    Names planeAxes;
  };
  const Row kRows[] = {
      {"two systems", kTwoSystems, "", 1, kTwoSystemPlanes, kTwoSystemPlaneAxes},
      {"built-in: system 2 has no base axis J", nullptr, "", 1,
       {L"$1-IJ", L"$1-JK", L"$1-KI", L"$2-KI"},
       {L"$1-X", L"$1-Y", L"$1-Y", L"$1-Z", L"$1-Z", L"$1-X", L"$2-Z", L"$2-X"}},
      {"BASE_I equals BASE_K", "[System1]\nAxes=X Y Z\nBASE_I=X\nBASE_J=Y\nBASE_K=X\n", "", 1, {}, {}},
      {"base axis K listed only in another system",
       "[System1]\nAxes=Z\n[System2]\nAxes=X Y\nBASE_I=X\nBASE_J=Y\nBASE_K=Z\n", "", 1, {L"$2-IJ"},
       {L"$2-X", L"$2-Y"}},
      {"SYS_ON 2: not in use", "[System1]\nSYS_ON=2\nAxes=X Y Z\nBASE_I=X\nBASE_J=Y\nBASE_K=Z\n", "", 1, {}, {}},
      {"SYSNUM 0", "[Information]\nSYSNUM=0\n[System1]\nAxes=X Y Z\nBASE_I=X\nBASE_J=Y\nBASE_K=Z\n", "", 1, {}, {}},
      {"SYSNUM unreadable", kTwoSystems, "NcGetInformation", 0, {}, {}},
      {"SYSNUM beyond any machine",
       "[Information]\nSYSNUM=513\n[System1]\nAxes=X Y Z\nBASE_I=X\nBASE_J=Y\nBASE_K=Z\n", "", 0, {}, {}},
      // System 3 does not exist, so its SYS_ON read fails.
      {"SYS_ON unreadable in system 3",
       "[Information]\nSYSNUM=3\n[System1]\nAxes=X Y Z\nBASE_I=X\nBASE_J=Y\nBASE_K=Z\n[System2]\nAxes=X Y\n", "", 0,
       {L"$1-IJ", L"$1-JK", L"$1-KI"},
       {L"$1-X", L"$1-Y", L"$1-Y", L"$1-Z", L"$1-Z", L"$1-X"}},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.what);
    UseMachine(row.machine);
    ASSERT_EQ(info_.MakeAxisInfo(), 1);
    if (*row.failAfterAxes != '\0') {
      sim_.SetFailure(row.failAfterAxes, -5);
    }
    info_.m_aryPlaneName = {L"left over"};
    EXPECT_EQ(info_.MakePlaneInfo(), row.result);
    EXPECT_EQ(info_.m_aryPlaneName, row.planes);
    EXPECT_EQ(info_.m_aryPlaneAxis, row.planeAxes);
  }
}

TEST_F(MachineAxesTest, AddIncAxisInfoReadsTheIncrementalNameOfTheAxis) {
  struct Row {
    int32_t serial;
    const char* failing;
    std::wstring incAxis;
  };
  const Row kRows[] = {
      {1, "", L"U"},
      {0, "", L"999"},
      {1, "NcGetInformation", L"999"},
      {1, "ConvertSystemAxisToSerialAxis", L"999"},
      {1, "ConvertSerialAxisToSystemAxis", L"999"},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(testing::Message() << row.serial << " " << row.failing);
    UseMachine("[System1]\nAxes=X Z\n[$1-Z]\nINCAX_SPC=U\n");
    if (*row.failing != '\0') {
      sim_.SetFailure(row.failing, -5);
    }
    info_.m_aryIncAxis.clear();
    info_.AddIncAxisInfo(&row.serial);
    EXPECT_EQ(info_.m_aryIncAxis, Names{row.incAxis});
  }
}

TEST_F(MachineAxesTest, DeleteAxisRemovesEveryPlaneThatUsesIt) {
  struct Row {
    int index;
    Names axes;
    Names planes;
    Names planeAxes;
  };
  const Row kRows[] = {
      {1, {L"$1-X", L"$1-Z", L"$2-X", L"$2-Y", L"$2-Z"},
       {L"$1-KI", L"$2-IJ", L"$2-JK", L"$2-KI"},
       {L"$1-Z", L"$1-X", L"$2-Z", L"$2-X", L"$2-X", L"$2-Y", L"$2-Y", L"$2-Z"}},
      // $1-X is the first axis of $1-IJ and the second of $1-KI.
      {0, {L"$1-Y", L"$1-Z", L"$2-X", L"$2-Y", L"$2-Z"},
       {L"$1-JK", L"$2-IJ", L"$2-JK", L"$2-KI"},
       {L"$1-Y", L"$1-Z", L"$2-Z", L"$2-X", L"$2-X", L"$2-Y", L"$2-Y", L"$2-Z"}},
      // $2-Z is the last plane-axis entry and the first of $2-IJ.
      {5, {L"$1-X", L"$1-Y", L"$1-Z", L"$2-X", L"$2-Y"},
       {L"$1-IJ", L"$1-JK", L"$1-KI", L"$2-JK"},
       {L"$1-X", L"$1-Y", L"$1-Y", L"$1-Z", L"$1-Z", L"$1-X", L"$2-X", L"$2-Y"}},
  };
  UseMachine(kTwoSystems);
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.index);
    ASSERT_EQ(info_.MakeAxisInfo(), 1);
    ASSERT_EQ(info_.MakePlaneInfo(), 1);
    info_.AppendAxis(L"X");
    EXPECT_EQ(info_.m_aryIncAxis.back() + L"|" + std::to_wstring(info_.m_aryTandemMaster.back()), L"999|0");
    info_.DeleteAxis(6);  // a hand-added "X" takes no plane of the NC's X axes
    info_.DeleteAxis(row.index);
    EXPECT_EQ(info_.m_aryAxisName, row.axes);
    EXPECT_EQ(info_.m_aryIncAxis.size(), row.axes.size());
    EXPECT_EQ(info_.m_aryTandemMaster.size(), row.axes.size());
    EXPECT_EQ(info_.m_aryPlaneName, row.planes);
    EXPECT_EQ(info_.m_aryPlaneAxis, row.planeAxes);
  }
  EXPECT_THROW(info_.DeleteAxis(5), std::out_of_range);
}

// The axis dialog proposes the first free letter of X, Y, Z and then the
// alphabet; none when every letter is taken.
TEST(AxisNameRule, ProposedNamesRunXYZThenTheAlphabet) {
  Names names = {L"$1-X"};
  for (const wchar_t* expected : {L"X", L"Y", L"Z", L"A"}) {
    EXPECT_EQ(ProposeAxisName(names), expected);
    names.push_back(expected);
  }
  Names allLetters;
  for (wchar_t c = L'A'; c <= L'Z'; ++c) allLetters.push_back(std::wstring(1, c));
  EXPECT_EQ(ProposeAxisName(allLetters), L"");
}

}  // namespace
}  // namespace pf
