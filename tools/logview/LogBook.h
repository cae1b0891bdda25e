// Everything the viewer has been given, as the lines it shows: each module
// session opens with a line naming its process and start time, its records
// follow as an indented tree (sessions served at the same time interleave
// line by line, each keeping its own depth), and a line marks its end.
#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "LogRecord.h"
#include "LogTree.h"

namespace pf {

enum class LineKind { SessionStart, SessionEnd, Record };

struct ShownLine {
  LineKind kind = LineKind::Record;
  uint32_t session = 0;
  int64_t timeMs = kNoTime;
  uint32_t process = 0;  // session starts: the module's process id, 0 when unknown
  int depth = 0;
  bool failed = false;
  std::wstring text;  // records: the tree entry's text
};

class LogBook {
 public:
  void StartSession(uint32_t session, uint32_t process, int64_t timeMs);
  // A record of a session; a session not started yet is started first, with
  // no process and no time (a recording made without session marks).
  void Add(uint32_t session, int64_t timeMs, const LogRecord& record);
  void EndSession(uint32_t session, int64_t timeMs);
  void Clear();

  const std::vector<ShownLine>& lines() const { return lines_; }

  // Hands the lines over and forgets them, keeping each session's depth (a
  // viewer that prints its lines and keeps none).
  std::vector<ShownLine> TakeLines() { return std::move(lines_); }

  // The first line after `from` (before it when `down` is false) whose text
  // as FormatShownLine gives it holds `text`, ignoring case, going round the
  // end; npos when no line holds it. `from` npos starts at the very first
  // (or last) line.
  std::size_t Find(const std::wstring& text, std::size_t from, bool down) const;

 private:
  std::map<uint32_t, LogTree> trees_;
  std::vector<ShownLine> lines_;
};

}  // namespace pf
