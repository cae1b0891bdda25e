// The log as an indented tree: each line record becomes an entry at the
// depth of the groups around it; group records move the depth.
//
// Every entry at depth d > 0 has an entry at depth d - 1 before it since
// its group opened (a group opened without a line to hang from gets a
// "(group)" entry), so a tree view can always find the parent.
#pragma once

#include <string>
#include <vector>

#include "LogRecord.h"

namespace pf {

struct LogEntry {
  int depth = 0;
  std::wstring text;  // the mark word and the line's text, e.g. "call COVXIF::Load()"
  bool failed = false;  // a line with the failure mark
};

class LogTree {
 public:
  // The entries that the record adds (none for a group record that only
  // moves the depth).
  std::vector<LogEntry> Add(const LogRecord& record);

  int depth() const { return depth_; }

 private:
  LogEntry Entry(std::wstring text, bool failed = false);

  int depth_ = 0;
  bool hasParent_ = false;  // an entry stands at depth_ since its group opened
};

// A line as the viewer shows it: "call", "ok", "failed" (or "mark N") and
// the text, with "[level N]" between them when the level is not 0.
std::wstring DescribeLogLine(const LogLine& line);

// An entry as a console line: two blanks per depth, then the text.
std::wstring IndentLogEntry(const LogEntry& entry);

}  // namespace pf
