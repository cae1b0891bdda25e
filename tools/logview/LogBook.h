// Everything the viewer has been given, as the lines it shows: each module
// session opens with a line naming its process and start time, its records
// follow as an indented tree (sessions served at the same time interleave
// line by line, each keeping its own depth), and a line marks its end. The
// viewer's own remarks (a recording opened, two modules at once) are notes.
//
// The book keeps at most its history's number of lines: the oldest leave
// first and are counted. Every line has a number that stays its own while it
// is kept (the first line ever is 0), so a view can follow lines as older
// ones leave.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <string>
#include <utility>

#include "LogRecord.h"
#include "LogTree.h"

namespace pf {

enum class LineKind { SessionStart, SessionEnd, Record, Note };

struct ShownLine {
  LineKind kind = LineKind::Record;
  uint32_t session = 0;
  int64_t timeMs = kNoTime;
  uint32_t process = 0;  // the session's process id, 0 when it is not known
  int depth = 0;
  bool failed = false;
  std::wstring text;  // records: the tree entry's text; notes: the remark
};

using ShownLines = std::deque<ShownLine>;

class LogBook {
 public:
  // Keeps no more than `lines` lines (at least one).
  void SetHistory(std::size_t lines);

  void StartSession(uint32_t session, uint32_t process, int64_t timeMs);
  // A record of a session; a session not started yet is started first, with
  // no process and no time (a recording made without session marks).
  void Add(uint32_t session, int64_t timeMs, const LogRecord& record);
  void EndSession(uint32_t session, int64_t timeMs);
  void AddNote(int64_t timeMs, const std::wstring& text);

  // Forgets the lines; the sessions go on where they are.
  void Clear();

  const ShownLines& lines() const { return lines_; }
  // The number of lines()[0]; the number the next line gets is first() +
  // lines().size().
  uint64_t first() const { return first_; }
  std::size_t history() const { return history_; }
  // How many lines left because of the history.
  uint64_t dropped() const { return dropped_; }
  // The sessions not ended yet and their processes.
  std::map<uint32_t, uint32_t> OpenSessions() const;
  // A session number that no session has had yet.
  uint32_t NextSession() const { return lastSession_ + 1; }

  // Hands the lines over and forgets them, keeping each session's depth (a
  // viewer that prints its lines and keeps none).
  ShownLines TakeLines();

 private:
  struct Session {
    LogTree tree;
    uint32_t process = 0;
  };

  void Append(ShownLine line);
  // Lets the oldest lines leave until the history holds the rest.
  void Trim();

  std::map<uint32_t, Session> sessions_;  // the sessions not ended
  ShownLines lines_;
  uint64_t first_ = 0;
  uint64_t dropped_ = 0;
  std::size_t history_ = static_cast<std::size_t>(-1);
  uint32_t lastSession_ = 0;
};

}  // namespace pf
