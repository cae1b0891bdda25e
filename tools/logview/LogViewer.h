// What the viewer does with each record it receives, on every platform:
// appends it to the record file (when one is open) exactly as received, and
// turns it into tree entries.
#pragma once

#include <ostream>
#include <vector>

#include "LogRecord.h"
#include "LogTree.h"

namespace pf {

class LogViewer {
 public:
  // `recordFile`: where every record goes, framed; nullptr for none.
  explicit LogViewer(std::ostream* recordFile) : recordFile_(recordFile) {}

  // Records the record and returns the entries it adds to the tree.
  std::vector<LogEntry> Receive(const LogRecord& record);

  // Starts a new tree at depth 0 (a new session on the POSIX socket).
  void StartSession() { tree_ = LogTree(); }

 private:
  std::ostream* recordFile_;
  LogTree tree_;
};

}  // namespace pf
