// The trial run against simulated machines: the messages in order with the
// wait cursor, the calls made, the program the CNC received, and that the
// trial file never remains.
#include "pages/TrialRun.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>
#include <vector>

#include "common/Format.h"
#include "common/MessageSink.h"
#include "common/StringTable.h"
#include "common/Text.h"
#include "sim/SimControl.h"
#include "support/MachineFixture.h"

namespace pf {
namespace {

using Events = std::vector<std::string>;

// The bytes of the program that the simulated CNC received last; "<none>"
// when it received none.
std::string LastLoadedProgram() {
  void* library = dlopen("libOVXIF.so", RTLD_NOW | RTLD_NOLOAD);
  if (library == nullptr) return "<not loaded>";
  const auto read = reinterpret_cast<decltype(&SimLastLoadedProgram)>(dlsym(library, "SimLastLoadedProgram"));
  std::string bytes = "<none>";
  const int32_t length = read(nullptr, 0);
  if (length >= 0) {
    bytes.assign(static_cast<std::size_t>(length) + 1, '\0');
    read(bytes.data(), length + 1);
    bytes.resize(static_cast<std::size_t>(length));
  }
  dlclose(library);
  return bytes;
}

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
  bool Run(const std::wstring& axisLabel, const std::wstring& text = L"G91\r\nG01X10.F1000.\r\nM30") {
    sim_.ClearJournal();
    log_ = EventLog();
    ScopedMessageSink scope(log_);
    const bool loaded = RunTrial(ovx_, text, axisLabel, log_);
    EXPECT_FALSE(std::filesystem::exists(ToNarrow(TrialFilePath())));
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
  sim_.ClearJournal();
  log_ = EventLog();
  {
    ScopedMessageSink scope(log_);
    EXPECT_FALSE(RunTrial(ovx_, L"M30", L"$1-X", log_));
  }
  EXPECT_EQ(log_.events, (Events{"begin wait", "restore", "message 12518"}));
  EXPECT_FALSE(WasCalled("NcLoadProgram"));
  std::filesystem::remove(blocker);
}

}  // namespace
}  // namespace pf
