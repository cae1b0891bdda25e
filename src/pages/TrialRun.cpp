// The trial run (see TrialRun.h).
#include "pages/TrialRun.h"

#include "common/Format.h"
#include "common/MessageSink.h"
#include "common/Path.h"
#include "common/SafeFile.h"
#include "common/StringTable.h"
#include "nclink/NcReads.h"
#include "nclink/OvxContract.h"
#include "program/ProgramData.h"
#include "wizard/ProjectFolders.h"

namespace pf {
namespace {

enum TrialMessage : unsigned {
  kMsgRefused = 12531,     // the load was refused with -6
  kMsgNotReady = 12537,    // the part system (%d, 1-based) is not ready
  kMsgNotLoaded = 12538,   // the load failed
  kMsgNoAnswer = 12556,    // the readiness query failed
  kMsgNoAxis = 14009,      // the axis is not among the CNC's axes
};

// The load status with which the CNC refuses a program.
constexpr int32_t kLoadRefused = -6;

// The second argument of NcLoadProgram for a trial run.
constexpr int32_t kLoadForTrial = 1;

// Shows the wait cursor until the first message or the end of the action.
class WaitScope {
 public:
  explicit WaitScope(IWaitCursor& cursor) : cursor_(cursor) { cursor_.Begin(); }
  ~WaitScope() { Restore(); }
  WaitScope(const WaitScope&) = delete;
  WaitScope& operator=(const WaitScope&) = delete;

  void Restore() {
    if (shown_) {
      shown_ = false;
      cursor_.Restore();
    }
  }

 private:
  IWaitCursor& cursor_;
  bool shown_ = true;
};

void ShowError(WaitScope& wait, unsigned id) {
  wait.Restore();
  ShowMessage(id, MsgIcon::Error);
}

bool Fail(WaitScope& wait, unsigned id) {
  ShowError(wait, id);
  return false;
}

// Loads the trial file into the CNC for the axis; the messages of a failed load.
bool LoadTrialFile(COVXIF& ovxIf, WaitScope& wait, const std::wstring& file, int32_t system, int32_t axis) {
  ovxIf.NonSamplingSetTarget(system, axis);
  const int32_t status = ovxIf.NcLoadProgram(file, kLoadForTrial);
  if (status == 0) {
    return true;
  }
  if (status == kLoadRefused) {
    ShowError(wait, kMsgRefused);
  }
  return Fail(wait, kMsgNotLoaded);
}

}  // namespace

std::wstring TrialFilePath() { return GetProgramRoot() + PathSep() + L"test.eia"; }

bool RunTrial(COVXIF& ovxIf, const std::wstring& editorText, const std::wstring& axisLabel, IWaitCursor& cursor) {
  CProgramData trial;
  trial.TakeText(editorText);
  WaitScope wait(cursor);

  int axisCount = 0;
  GetInformationCount(ovxIf, "AXISNUM", axisCount);
  int32_t system = 0;
  int32_t axis = 0;
  int32_t serial = 0;
  // A conversion that names a system no label holds finds no axis either.
  const bool found =
      FindSerialAxis(ovxIf, axisCount, axisLabel, serial) && ovxIf.ConvertSerialAxisToSystemAxis(serial, system, axis);
  if (!found && axisCount > 0) {
    return Fail(wait, kMsgNoAxis);
  }

  int32_t state = 0;
  if (ovxIf.CheckTuningExecReady(system, 0, &state) != 0) {
    return Fail(wait, kMsgNoAnswer);
  }
  if (state != ovx::kTuningReady) {
    wait.Restore();
    ShowMessageText(Format(LoadResString(kMsgNotReady), system + 1), MsgIcon::Error);
    return false;
  }

  MakeDirectory(GetProgramRoot());
  const std::wstring file = TrialFilePath();
  const FileFault fault = ReplaceFileBytes(file, trial.FileBytes());
  if (!fault.ok()) {
    wait.Restore();
    ShowMessage(kMsgNotWritten, NotWrittenText(fault), MsgIcon::Error);
    return false;
  }
  const bool loaded = LoadTrialFile(ovxIf, wait, file, system, axis);
  DeleteFilePath(file);
  return loaded;
}

}  // namespace pf
