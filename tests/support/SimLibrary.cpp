#include "support/SimLibrary.h"

#include <algorithm>
#include <cstdlib>
#include <stdexcept>

#include "sim/SimControl.h"

namespace pf::test {
namespace {

// The library's bare name, once no variable chooses its machine or journal.
const char* WithoutSimulatorEnvironment() {
  unsetenv("OVXSIM_MACHINE");
  unsetenv("OVXSIM_JOURNAL");
  return "libOVXIF.so";
}

}  // namespace

SimLibrary::SimLibrary() : SimLibrary(WithoutSimulatorEnvironment()) {
  LoadMachine("");
}

SimLibrary::SimLibrary(const std::string& path) : handle_(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
  if (handle_ == nullptr) {
    throw std::runtime_error(std::string("cannot open the simulated NC library: ") + dlerror());
  }
}

SimLibrary::~SimLibrary() { dlclose(handle_); }

template <class Fn>
Fn SimLibrary::Find(const char* name) {
  const auto fn = Get<Fn>(name);
  if (fn == nullptr) {
    throw std::runtime_error(std::string("the simulated NC library lacks ") + name);
  }
  return fn;
}

bool SimLibrary::LoadMachine(const std::string& path) {
  return Find<decltype(&SimLoadMachine)>("SimLoadMachine")(path.c_str()) == 0;
}

void SimLibrary::SetFailure(const char* entryPoint, int32_t status) {
  Find<decltype(&SimSetFailure)>("SimSetFailure")(entryPoint, status);
}

bool SimLibrary::SetBehaviour(const char* entryPoint, const char* behaviour) {
  return Find<decltype(&SimSetBehaviour)>("SimSetBehaviour")(entryPoint, behaviour) == 0;
}

void SimLibrary::ClearJournal() { Find<decltype(&SimClearJournal)>("SimClearJournal")(); }

std::vector<std::string> SimLibrary::Journal() {
  const auto count = Find<decltype(&SimJournalCount)>("SimJournalCount");
  const auto line = Find<decltype(&SimJournalLine)>("SimJournalLine");
  std::vector<std::string> journal;
  for (int32_t i = 0; i < count(); ++i) {
    std::string text(256, '\0');
    const int32_t length = line(i, text.data(), static_cast<int32_t>(text.size()));
    if (length >= static_cast<int32_t>(text.size())) {
      text.assign(static_cast<size_t>(length) + 1, '\0');
      line(i, text.data(), length + 1);
    }
    text.resize(static_cast<size_t>(std::max(length, 0)));
    journal.push_back(text);
  }
  return journal;
}

}  // namespace pf::test
