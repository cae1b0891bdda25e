// The simulator's state for the life of the loaded library: the machine in
// force, the failures chosen for entry points, the journal and the program
// last loaded. Made when the library is loaded (reading OVXSIM_MACHINE and
// OVXSIM_JOURNAL then), gone when it is unloaded.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <map>
#include <mutex>
#include <optional>
#include <string>

#include "Behaviour.h"
#include "Journal.h"
#include "Machine.h"

namespace pf::sim {

class State {
 public:
  // Puts the machine of the description file in force (empty path: the
  // built-in machine), with the failures of its [Fail] section only, an empty
  // journal and no program loaded. 0, or -1 when the file cannot be read or
  // is not a description (the built-in machine is then in force).
  int32_t LoadMachine(const std::string& path);

  // Reads the environment again: OVXSIM_JOURNAL names the journal file;
  // OVXSIM_MACHINE, when set and naming another file than the one in force,
  // loads that machine.
  void ReadEnvironment();

  // Counts a call of the entry point and tells how it is made to answer
  // (Mode::Normal unless chosen for every call or for this one).
  Behaviour BehaviourOfCall(const char* entryPoint);
  void SetBehaviour(const std::string& entryPoint, const Behaviour& behaviour);

  const Machine& machine() const { return machine_; }
  Journal& journal() { return journal_; }
  const std::optional<std::string>& lastProgram() const { return lastProgram_; }
  void SetLastProgram(std::string bytes) { lastProgram_ = std::move(bytes); }

 private:
  Machine machine_;
  std::string machinePath_;
  std::map<std::string, Behaviour> behaviours_;
  std::map<std::string, int32_t> calls_;  // per entry point, since the machine was loaded
  Journal journal_;
  std::optional<std::string> lastProgram_;
};

// The one state, and the lock that every exported function holds while it
// works on it.
State& TheState();
std::mutex& StateLock();

// Serves one entry-point call by the behaviour chosen for the entry point:
// a failure's status, or 0 for Untouched, is returned without running
// `handler` (so outputs stay untouched); otherwise handler(state, outputs)
// gives the status and writes its outputs through `outputs`, which bends
// them as the behaviour wants. Either way the call is journaled.
template <class Handler>
int32_t Serve(const char* entryPoint, std::initializer_list<JournalArg> args, Handler handler) {
  std::lock_guard<std::mutex> lock(StateLock());
  State& state = TheState();
  const Behaviour behaviour = state.BehaviourOfCall(entryPoint);
  int32_t status = behaviour.status;
  if (behaviour.mode != Mode::Fail && behaviour.mode != Mode::Untouched) {
    status = handler(state, Outputs(behaviour.mode));
  }
  state.journal().Add(FormatCall(entryPoint, args, status));
  return status;
}

}  // namespace pf::sim
