// The trial run against simulated machines: the messages in order with the
// wait cursor, the calls made, the program the CNC received, and that the
// trial file never remains. Program creation: the NC values stored with a
// program and what a failing file leaves.
#include "pages/TrialRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "common/Format.h"
#include "common/MessageSink.h"
#include "common/StringTable.h"
#include "common/Text.h"
#include "pages/ProgramCreation.h"
#include "pages/ProgramFileList.h"
#include "program/ProgramInfoAry.h"
#include "sim/SimControl.h"
#include "support/MachineFixture.h"

namespace pf {
namespace {

using Events = std::vector<std::string>;
using Names = std::vector<std::wstring>;

// The wait cursor and the message boxes write into one list of events.
class EventLog : public IWaitCursor, public IMessageSink {
 public:
  void Begin() override { events.push_back("begin wait"); }
  void Restore() override { events.push_back("restore"); }
  // A message given as text is logged with its text.
  int Show(const MessageRequest& request) override {
    events.push_back("message " + (request.stringId != 0 ? std::to_string(request.stringId) : ToNarrow(request.text)));
    return kAnswerOk;
  }
  Events events;
};

const char kTwoSystems[] =
    "[System1]\nAxes=X Y\n"
    "[System2]\nAxes=X Z\nCheckTuningExecReady=0x101\n";

class TrialRunTest : public test::MachineTest {
 protected:
  // The bytes of the program that the simulated CNC received last; "<none>"
  // when it received none.
  std::string LastLoadedProgram() {
    const auto read = sim_.Get<decltype(&SimLastLoadedProgram)>("SimLastLoadedProgram");
    const int32_t length = read(nullptr, 0);
    if (length < 0) return "<none>";
    std::string bytes(static_cast<std::size_t>(length) + 1, '\0');
    read(bytes.data(), length + 1);
    bytes.pop_back();
    return bytes;
  }

  bool Run(const std::wstring& axisLabel, const std::wstring& text = L"G91\r\nG01X10.F1000.\r\nM30") {
    sim_.ClearJournal();
    log_ = EventLog();
    ScopedMessageSink scope(log_);
    const bool loaded = RunTrial(ovx_, text, axisLabel, log_);
    EXPECT_FALSE(std::filesystem::is_regular_file(ToNarrow(TrialFilePath())));
    return loaded;
  }

  EventLog log_;
};

TEST_F(TrialRunTest, LoadsTheEditorTextForTheAxis) {
  UseMachine(nullptr);
  EXPECT_TRUE(Run(L"$2-Z"));
  EXPECT_EQ(log_.events, (Events{"begin wait", "restore"}));
  EXPECT_EQ(LastLoadedProgram(), "G91\r\nG01X10.F1000.\r\nM30\r\n%");
  const std::string file = ToNarrow(TrialFilePath());
  EXPECT_EQ(file, folder_.folder() + "/KORVANTEL/Servo Bench/Program/test.eia");
  const Events journal = sim_.Journal();
  const Events tail(journal.end() - 3, journal.end());
  EXPECT_EQ(tail, (Events{"CheckTuningExecReady(1, 0) -> 0", "NonSamplingSetTarget(1, 1) -> 0",
                          "NcLoadProgram(\"" + file + "\", 1) -> 0"}));
}

TEST_F(TrialRunTest, MessagesFollowTheRestoredCursor) {
  // What, the machine, an entry point made to fail with -9 (or ""), the axis, the
  // events, whether the CNC received the program.
  const std::tuple<const char*, const char*, const char*, const wchar_t*, Events, bool> kRows[] = {
      {"axis not found", kTwoSystems, "", L"$1-Z", {"begin wait", "restore", "message 14009"}, false},
      {"readiness unknown", kTwoSystems, "CheckTuningExecReady", L"$1-X",
       {"begin wait", "restore", "message 12556"}, false},
      {"system 2 not ready", kTwoSystems, "", L"$2-Z",
       {"begin wait", "restore", "message " + ToNarrow(Format(LoadResString(12537), 2))}, false},
      {"load refused", "[Machine]\nNcLoadProgram=-6\n[System1]\nAxes=X\n", "", L"$1-X",
       {"begin wait", "restore", "message 12531", "message 12538"}, true},
      {"load failed", "[Machine]\nNcLoadProgram=-2\n[System1]\nAxes=X\n", "", L"$1-X",
       {"begin wait", "restore", "message 12538"}, true},
      {"load not attempted", "[System1]\nAxes=X\n", "NcLoadProgram", L"$1-X",
       {"begin wait", "restore", "message 12538"}, false},
      {"no axes: system and axis 0", "[System1]\nAxes=X\n", "NcGetInformation", L"$1-Q", {"begin wait", "restore"},
       true},
  };
  for (const auto& [what, machine, failing, axis, events, received] : kRows) {
    SCOPED_TRACE(what);
    UseMachine(machine);
    if (*failing != '\0') sim_.SetFailure(failing, -9);
    const bool loaded = Run(axis);
    EXPECT_EQ(loaded, events.size() == 2);
    EXPECT_EQ(log_.events, events);
    EXPECT_EQ(LastLoadedProgram() != "<none>", received);
  }
}

TEST_F(TrialRunTest, UnwritableTrialFile) {
  UseMachine(nullptr);
  const std::filesystem::path blocker(ToNarrow(TrialFilePath()));
  std::filesystem::create_directories(blocker);  // a folder where the file should go
  EXPECT_FALSE(Run(L"$1-X", L"M30"));
  EXPECT_EQ(log_.events, (Events{"begin wait", "restore", "message 12518"}));
  EXPECT_FALSE(WasCalled("NcLoadProgram"));
  std::filesystem::remove(blocker);
}

// The axes of the built-in machine.
const Names kAxes = {L"$1-X", L"$1-Y", L"$1-Z", L"$2-X", L"$2-Z", L"$2-C"};

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

  EventLog log_;
  ScopedMessageSink scope_{log_};
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
  EXPECT_EQ(log_.events, (Events{"message 12525"}));
  EXPECT_EQ(record.at(0).m_strText, L"(smptime=0)\r\nG90G94G64G49G40G00\r\nX0Y0Z0\r\nM30\r\n");
  EXPECT_EQ(record.at(1).m_strText, L"");
  EXPECT_EQ(record.at(2).m_strText, L"old\r\n");
  EXPECT_EQ(record.at(3).m_strText, L"old\r\n");
}

}  // namespace
}  // namespace pf
