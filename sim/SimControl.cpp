// The control entry points that tests and tools use to drive the simulator.
#include "sim/SimControl.h"

#include <algorithm>
#include <cstring>

#include "SimState.h"

using pf::sim::StateLock;
using pf::sim::TheState;

namespace {

// Copies text NUL-terminated, cut to size - 1 bytes, and returns its full length.
int32_t CopyOut(const std::string& text, char* buffer, int32_t size) {
  if (buffer != nullptr && size > 0) {
    const std::size_t length = std::min(text.size(), static_cast<std::size_t>(size - 1));
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
  }
  return static_cast<int32_t>(text.size());
}

}  // namespace

int32_t SimLoadMachine(const char* path) {
  std::lock_guard<std::mutex> lock(StateLock());
  return TheState().LoadMachine(path == nullptr ? "" : path);
}

void SimSetFailure(const char* entryPoint, int32_t status) {
  std::lock_guard<std::mutex> lock(StateLock());
  if (entryPoint != nullptr) TheState().SetBehaviour(entryPoint, pf::sim::FailingWith(status));
}

int32_t SimSetBehaviour(const char* entryPoint, const char* behaviour) {
  pf::sim::Behaviour parsed;
  if (entryPoint == nullptr || !pf::sim::ParseBehaviour(behaviour == nullptr ? "" : behaviour, parsed)) return -1;
  std::lock_guard<std::mutex> lock(StateLock());
  TheState().SetBehaviour(entryPoint, parsed);
  return 0;
}

void SimClearJournal() {
  std::lock_guard<std::mutex> lock(StateLock());
  TheState().journal().Clear();
}

int32_t SimJournalCount() {
  std::lock_guard<std::mutex> lock(StateLock());
  return static_cast<int32_t>(TheState().journal().Lines().size());
}

int32_t SimJournalLine(int32_t index, char* buffer, int32_t size) {
  std::lock_guard<std::mutex> lock(StateLock());
  const std::vector<std::string>& lines = TheState().journal().Lines();
  if (index < 0 || index >= static_cast<int32_t>(lines.size())) return -1;
  return CopyOut(lines[index], buffer, size);
}

int32_t SimLastLoadedProgram(char* buffer, int32_t size) {
  std::lock_guard<std::mutex> lock(StateLock());
  const std::optional<std::string>& program = TheState().lastProgram();
  return program ? CopyOut(*program, buffer, size) : -1;
}
