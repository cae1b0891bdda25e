// Program creation against simulated machines: the NC values stored with a
// program and what a failing file leaves.
#include "pages/ProgramCreation.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
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
  // The record of `kind` for the first axis of a machining centre, as the
  // sheet builds it for a new project, with the feed the CNC would have given it.
  CProgramInfo Record(int kind) {
    CProgramInfoAry programs;
    programs.Init(kind, 1, L"/nonexistent/project", kAxes, {});
    CProgramInfo record = programs.at(0);
    record.m_strFeed = L"36000";
    return record;
  }

  // The request that creates the files of `record`, on G-code list 0.
  CreationRequest Request(const CProgramInfo& record, int kind) {
    CreationRequest request;
    request.machine = MakeAxisNameSource(kAxes, Names(kAxes.size(), L"999"), 1, 0);
    request.kind = kind;
    request.currentIndex = 0;
    request.fileNumbers = ListedFileNumbers(record, 1);
    return request;
  }

  RecordingSink sink_;
  ScopedMessageSink scope_{sink_};
};

TEST_F(ProgramCreationTest, StoresTheControllerTypeAndParameter3) {
  // What, the machine, the NC type and parameter 3 stored, the mode word of the high-accuracy file.
  const std::tuple<const char*, const char*, int, int, const wchar_t*> kRows[] = {
      {"Q4RT with parameter 3 set", "[Comm]\nController=Q4RT\nTCP=a,683\n[BasicParaExt]\n3=5\n[System1]\nAxes=X\n", 0, 5,
       L"G8P1"},
      {"parameter 3 unreadable", "[Comm]\nController=H52\nTCP=a,64758\n[System1]\nAxes=X\n", 1, 0, L"G61.1"},
      {"controller unknown", "[Comm]\nController=Z9\nTCP=a,1\n[BasicParaExt]\n3=1\n[System1]\nAxes=X\n", -1, 1,
       L"G61.1"},
  };
  for (const auto& [what, machine, ncType, paraExt3, highAccuracy] : kRows) {
    SCOPED_TRACE(what);
    UseMachine(machine);
    CProgramInfo record = Record(0);
    record.m_nNcType = 7;
    record.m_nParaExt3 = 7;
    EXPECT_TRUE(CreateProgramFiles(ovx_, Request(record, 0), record));
    EXPECT_EQ(record.m_nNcType, ncType);
    EXPECT_EQ(record.m_nParaExt3, paraExt3);
    EXPECT_NE(record.at(1).m_strText.find(highAccuracy), std::wstring::npos) << record.at(1).m_strText;
  }
}

TEST_F(ProgramCreationTest, AFailingFileStopsCreationAndLosesItsText) {
  UseMachine(nullptr);
  CProgramInfo record = Record(3);
  for (CProgramData& file : record) file.m_strText = L"old\r\n";
  record.m_strDistance = L"1..5";
  EXPECT_FALSE(CreateProgramFiles(ovx_, Request(record, 3), record));
  EXPECT_EQ(sink_.shown, (std::vector<unsigned>{12525}));
  EXPECT_EQ(record.at(0).m_strText, L"(smptime=0)\r\nG90G94G64G49G40G00\r\nX0Y0Z0\r\nM30\r\n");
  EXPECT_EQ(record.at(1).m_strText, L"");
  EXPECT_EQ(record.at(2).m_strText, L"old\r\n");
  EXPECT_EQ(record.at(3).m_strText, L"old\r\n");
}

}  // namespace
}  // namespace pf
