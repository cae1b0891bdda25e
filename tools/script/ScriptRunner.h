// ScriptRunner: runs a wizard script against a driver (ScriptDriver.h),
// line by line, and counts what passed and what failed. Each failure goes
// to the report as "file:line: what was found".
//
// The wizard runs modally, so the runner does not own the loop: whoever
// runs the wizard asks for one step at a time (RunToNextStep, which also
// runs the checks and answers before it), and once the wizard has closed
// runs what is left (RunRest: typically the closing and file checks).
//
// Every step and every check counts once, as passed or failed; a failed
// step is reported and the script goes on, as a person would try the next
// thing. `answer` and `screenshot` lines count as neither.
#pragma once

#include <cstddef>
#include <functional>
#include <ostream>
#include <string>

#include "tools/script/Script.h"
#include "tools/script/ScriptDriver.h"

namespace pf {

class ScriptRunner {
 public:
  // `dataFolder` (ending in a separator) is where file checks look;
  // `scriptFolder` (ending in a separator) is where same-as files are found.
  ScriptRunner(const Script& script, IScriptDriver& driver, std::wstring dataFolder, std::wstring scriptFolder,
               std::ostream& report);

  // Runs lines until one step has run (true) or none is left (false).
  bool RunToNextStep();
  // Runs every line that is left.
  void RunRest();
  // Counts a failure that belongs to no line of its own, at the last line.
  void Fail(const std::wstring& message);

  bool done() const { return next_ == script_.commands.size(); }
  int passed() const { return passed_; }
  int failed() const { return failed_; }

  // Called with each step just before it runs.
  void SetStepObserver(std::function<void(const ScriptCommand&)> observer) { observer_ = std::move(observer); }

 private:
  using Handler = std::wstring (ScriptRunner::*)(const ScriptCommand&);
  struct HandlerRow {
    ScriptOp op;
    Handler handler;
  };
  static const HandlerRow kHandlers[];

  void Run(const ScriptCommand& command);
  void Count(int line, const std::wstring& failure);

  std::wstring Type(const ScriptCommand& command);
  std::wstring Click(const ScriptCommand& command);
  std::wstring Pick(const ScriptCommand& command);
  std::wstring Tick(const ScriptCommand& command);
  std::wstring DoubleTick(const ScriptCommand& command);
  std::wstring Select(const ScriptCommand& command);
  std::wstring TextClick(const ScriptCommand& command);
  std::wstring Key(const ScriptCommand& command);
  std::wstring Cell(const ScriptCommand& command);
  std::wstring Focus(const ScriptCommand& command);
  std::wstring Press(const ScriptCommand& command);
  std::wstring Answer(const ScriptCommand& command);
  std::wstring Screenshot(const ScriptCommand& command);
  std::wstring ExpectText(const ScriptCommand& command);
  std::wstring ExpectState(const ScriptCommand& command);
  std::wstring ExpectPage(const ScriptCommand& command);
  std::wstring ExpectButtons(const ScriptCommand& command);
  std::wstring ExpectMessage(const ScriptCommand& command);
  std::wstring ExpectMessages(const ScriptCommand& command);
  std::wstring ExpectFile(const ScriptCommand& command);
  std::wstring ExpectFileSameAs(const ScriptCommand& command);
  std::wstring ExpectNoFile(const ScriptCommand& command);
  std::wstring ExpectClosed(const ScriptCommand& command);

  const Script& script_;
  IScriptDriver& driver_;
  std::wstring dataFolder_;
  std::wstring scriptFolder_;
  std::ostream& report_;
  std::function<void(const ScriptCommand&)> observer_;
  std::size_t next_ = 0;
  int passed_ = 0;
  int failed_ = 0;
};

}  // namespace pf
