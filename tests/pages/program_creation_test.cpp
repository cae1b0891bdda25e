// Program creation against simulated machines: the files made for a
// program, the NC values stored with it, the axis names used, and what a
// failing file leaves.
#include "pages/ProgramCreation.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "common/MessageSink.h"
#include "pages/ProgramFileList.h"
#include "program/ProgramInfoAry.h"
#include "support/MachineFixture.h"

namespace pf {
namespace {

using Names = std::vector<std::wstring>;

// The axes of the built-in machine.
const Names kAxes = {L"$1-X", L"$1-Y", L"$1-Z", L"$2-X", L"$2-Z", L"$2-C"};
const Names kNoIncrementalNames(kAxes.size(), L"999");

class RecordingSink : public IMessageSink {
 public:
  int Show(const MessageRequest& request) override {
    shown.push_back(request.stringId);
    return kAnswerOk;
  }
  std::vector<unsigned> shown;
};

class ProgramCreationTest : public test::MachineTest {
 protected:
  // The record of `kind` for axis or plane `index`, as the sheet builds it
  // for a new project, with the feed that the CNC would have given it.
  CProgramInfo Record(int kind, int machineType, int index, const Names& planes = {}) {
    CProgramInfoAry programs;
    programs.Init(kind, machineType, L"/nonexistent/project", kAxes, planes);
    CProgramInfo record = programs.at(static_cast<std::size_t>(index));
    record.m_strFeed = L"36000";
    return record;
  }

  CreationRequest Request(const CProgramInfo& record, int kind, int machineType, int gCodeNumber, int index,
                          const Names& incrementalNames = kNoIncrementalNames) {
    CreationRequest request;
    request.machine = MakeAxisNameSource(kAxes, incrementalNames, machineType, gCodeNumber);
    request.kind = kind;
    request.currentIndex = index;
    request.fileNumbers = ListedFileNumbers(record, machineType);
    return request;
  }

  RecordingSink sink_;
  ScopedMessageSink scope_{sink_};
};

TEST_F(ProgramCreationTest, StoresTheControllerTypeAndParameter3) {
  struct Row {
    const char* what;
    const char* machine;
    int ncType;
    int paraExt3;
    const wchar_t* highAccuracy;  // the mode word of the high-accuracy file
  };
  const Row kRows[] = {
      {"Q4RT with parameter 3 set", "[Comm]\nController=Q4RT\nTCP=a,683\n[BasicParaExt]\n3=5\n[System1]\nAxes=X\n", 0, 5,
       L"G8P1"},
      {"parameter 3 unreadable", "[Comm]\nController=H52\nTCP=a,64758\n[System1]\nAxes=X\n", 1, 0, L"G61.1"},
      {"controller unknown", "[Comm]\nController=Z9\nTCP=a,1\n[BasicParaExt]\n3=1\n[System1]\nAxes=X\n", -1, 1,
       L"G61.1"},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.what);
    UseMachine(row.machine);
    CProgramInfo record = Record(0, 1, 0);
    record.m_nNcType = 7;
    record.m_nParaExt3 = 7;
    EXPECT_TRUE(CreateProgramFiles(ovx_, Request(record, 0, 1, 0, 0), record));
    EXPECT_EQ(record.m_nNcType, row.ncType);
    EXPECT_EQ(record.m_nParaExt3, row.paraExt3);
    EXPECT_NE(record.at(1).m_strText.find(row.highAccuracy), std::wstring::npos) << record.at(1).m_strText;
  }
}

TEST_F(ProgramCreationTest, LatheListsWithIncrementalMovesUseTheIncrementalNames) {
  struct Row {
    const char* what;
    int machineType;
    int gCodeNumber;
    int axis;
    Names incrementalNames;
    const wchar_t* move;  // the first move of the forth-and-back file
  };
  const Names ownNames = {L"999", L"999", L"999", L"P", L"999", L"999"};
  const Row kRows[] = {
      {"list 4, X becomes U", 0, 2, 0, kNoIncrementalNames, L"G01U100.F36000."},
      {"list 4, Y becomes V", 0, 2, 1, kNoIncrementalNames, L"G01V100.F36000."},
      {"list 4, Z becomes W", 0, 2, 4, kNoIncrementalNames, L"G01W100.F36000."},
      {"list 4, C stays", 0, 2, 5, kNoIncrementalNames, L"G01C100.F36000."},
      {"list 2, the axis's own name", 0, 0, 3, ownNames, L"G01P100.F36000."},
      {"list 3, no mapping", 0, 1, 0, kNoIncrementalNames, L"G01X100.F36000."},
      {"list 7, no mapping", 0, 5, 0, kNoIncrementalNames, L"G01X100.F36000."},
      {"machining centre, no mapping", 1, 2, 0, kNoIncrementalNames, L"G01X100.F36000."},
  };
  UseMachine(nullptr);
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.what);
    CProgramInfo record = Record(3, row.machineType, row.axis);
    ASSERT_TRUE(CreateProgramFiles(ovx_, Request(record, 3, row.machineType, row.gCodeNumber, row.axis,
                                                 row.incrementalNames),
                                   record));
    EXPECT_NE(record.at(1).m_strText.find(row.move), std::wstring::npos) << record.at(1).m_strText;
  }
}

TEST_F(ProgramCreationTest, PositionFileMovesTheAxesOfTheProgramsSystemOnly) {
  UseMachine(nullptr);
  CProgramInfo record = Record(0, 1, 4);  // $2-Z
  ASSERT_TRUE(CreateProgramFiles(ovx_, Request(record, 0, 1, 0, 4), record));
  EXPECT_EQ(record.at(0).m_strText, L"(smptime=0)\r\nG90G94G64G49G40G00\r\nX0Z0C0\r\nM30\r\n");
}

TEST_F(ProgramCreationTest, CircleProgramTakesThePlanesSystem) {
  UseMachine(nullptr);
  CProgramInfo record = Record(9, 1, 1, {L"$1-IJ", L"$2-KI"});
  record.m_strRadius = L"10";
  CreationRequest request = Request(record, 9, 1, 0, 1);
  request.circleAxisLabels = {L"$2-Z", L"$2-X"};
  ASSERT_TRUE(CreateProgramFiles(ovx_, request, record));
  EXPECT_EQ(record.at(0).m_strText, L"(smptime=0)\r\nG90G94G64G49G40G00\r\nX0Z0C0\r\nM30\r\n");
  EXPECT_FALSE(record.at(1).m_strText.empty());
}

TEST_F(ProgramCreationTest, AFailingFileStopsCreationAndLosesItsText) {
  UseMachine(nullptr);
  CProgramInfo record = Record(3, 1, 0);
  for (CProgramData& file : record) file.m_strText = L"old\r\n";
  record.m_strDistance = L"1..5";
  EXPECT_FALSE(CreateProgramFiles(ovx_, Request(record, 3, 1, 0, 0), record));
  EXPECT_EQ(sink_.shown, (std::vector<unsigned>{12525}));
  EXPECT_EQ(record.at(0).m_strText, L"(smptime=0)\r\nG90G94G64G49G40G00\r\nX0Y0Z0\r\nM30\r\n");
  EXPECT_EQ(record.at(1).m_strText, L"");
  EXPECT_EQ(record.at(2).m_strText, L"old\r\n");
  EXPECT_EQ(record.at(3).m_strText, L"old\r\n");
}

TEST(ProgramFileList, LatheLeavesOutFilesBeforeInterpolation) {
  CProgramInfo record;
  record.resize(4);
  record[0].m_strTitle = L"Start position";
  record[1].m_strTitle = L"Forth and back \u88DC\u9593\u524D";
  record[2].m_strTitle = L"Forth and back";
  record[3].m_strTitle = L"\u88DC\u9593\u524D twice";
  EXPECT_EQ(ListedFileNumbers(record, 0), (std::vector<int>{0, 2}));
  EXPECT_EQ(ListedFileNumbers(record, 1), (std::vector<int>{0, 1, 2, 3}));
}

}  // namespace
}  // namespace pf
