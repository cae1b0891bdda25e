// The test's own hold on the simulated NC library: the same loaded copy that
// COVXIF opens, reached through its control entry points (sim/SimControl.h).
#pragma once

#include <dlfcn.h>

#include <cstdint>
#include <string>
#include <vector>

namespace pf::test {

class SimLibrary {
 public:
  // Clears OVXSIM_MACHINE and OVXSIM_JOURNAL, opens "libOVXIF.so" and puts
  // the built-in machine in force (no failures, empty journal).
  SimLibrary();
  // Opens the library at `path` as the environment has it.
  explicit SimLibrary(const std::string& path);
  ~SimLibrary();
  SimLibrary(const SimLibrary&) = delete;
  SimLibrary& operator=(const SimLibrary&) = delete;

  // Loads a machine description file; true on success.
  bool LoadMachine(const std::string& path);
  void SetFailure(const char* entryPoint, int32_t status);
  // A status or misbehaviour (sim/SimControl.h); true when it was known.
  bool SetBehaviour(const char* entryPoint, const char* behaviour);
  void ClearJournal();
  // The journal lines made since the last ClearJournal.
  std::vector<std::string> Journal();

  // The exported symbol, or nullptr.
  template <class Fn>
  Fn Get(const char* name) const {
    return reinterpret_cast<Fn>(dlsym(handle_, name));
  }

 private:
  template <class Fn>
  Fn Find(const char* name);

  void* handle_ = nullptr;
};

}  // namespace pf::test
