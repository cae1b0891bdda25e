#include "SimState.h"

#include <cstdlib>
#include <iostream>

#include "BuiltInMachine.h"

namespace pf::sim {
namespace {

std::string Environment(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

// The state comes into being when the library is loaded.
struct LoadedState {
  LoadedState() {
    state.journal().SetFile(Environment("OVXSIM_JOURNAL"));
    state.LoadMachine(Environment("OVXSIM_MACHINE"));
  }
  State state;
  std::mutex lock;
};

LoadedState g_loaded;

}  // namespace

State& TheState() { return g_loaded.state; }
std::mutex& StateLock() { return g_loaded.lock; }

int32_t State::LoadMachine(const std::string& path) {
  machinePath_ = path;
  journal_.Clear();
  calls_.clear();
  lastProgram_.reset();
  std::string error;
  int32_t result = 0;
  if (!path.empty()) {
    if (ReadMachine(path, machine_, error)) {
      behaviours_ = machine_.Behaviours();
      return 0;
    }
    std::cerr << "OVXIF simulator: " << error << "; the built-in machine is in force\n";
    result = -1;
  }
  IniError ignored;
  Machine::Build(kBuiltInMachine, machine_, ignored);
  behaviours_ = machine_.Behaviours();
  return result;
}

void State::ReadEnvironment() {
  journal_.SetFile(Environment("OVXSIM_JOURNAL"));
  const std::string path = Environment("OVXSIM_MACHINE");
  if (!path.empty() && path != machinePath_) LoadMachine(path);
}

Behaviour State::BehaviourOfCall(const char* entryPoint) {
  const int32_t call = ++calls_[entryPoint];
  const auto found = behaviours_.find(entryPoint);
  if (found == behaviours_.end() || (found->second.onlyCall != 0 && found->second.onlyCall != call)) return Behaviour();
  return found->second;
}

void State::SetBehaviour(const std::string& entryPoint, const Behaviour& behaviour) {
  if (behaviour.mode == Mode::Normal) {
    behaviours_.erase(entryPoint);
  } else {
    behaviours_[entryPoint] = behaviour;
  }
}

}  // namespace pf::sim
