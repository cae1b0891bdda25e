// Sessions for records that arrive without their sender's name (the
// window's copy-data messages, which say nothing of the process that sent
// them).
//
// A session starts at each module's load line and ends when the group of its
// unload closes. Records outside every session start one of an unknown
// process. A load while a session is still open may be a second module
// logging at the same time: the records of both then cannot be told apart,
// so the new session says so in a note instead of sharing one silently.
//
// A session names its process only when that is certain: exactly one
// process, not the process of a session still open, has the plug-in loaded,
// and every process that could have it was looked into.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "LogRecord.h"
#include "LogViewer.h"

namespace pf {

// The processes found with the plug-in loaded; `complete` false when some
// process that could have it could not be looked into.
struct ModuleHosts {
  std::vector<uint32_t> processes;
  bool complete = true;
};

class SenderlessSessions {
 public:
  explicit SenderlessSessions(LogViewer& viewer) : viewer_(viewer) {}

  // `hostsAtLoad` is asked for a load line only: the processes that had the
  // plug-in loaded when it came.
  void Receive(int64_t timeMs, const LogRecord& record, const std::function<ModuleHosts()>& hostsAtLoad);

 private:
  struct OpenSession {
    uint32_t session;
    uint32_t process;
    int depth;
    bool unloading;  // its unload's group is open
  };

  void Start(int64_t timeMs, uint32_t process);
  uint32_t LoadingProcess(const ModuleHosts& hosts) const;
  void Follow(OpenSession& open, int64_t timeMs, const LogRecord& record);

  LogViewer& viewer_;
  std::vector<OpenSession> open_;  // the newest last: it takes the records
};

}  // namespace pf
