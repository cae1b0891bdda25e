// What the viewer does with what it receives, on every platform: keeps it in
// the record file (when one is open) and shows it in the book.
//
// The record file holds the module's records exactly as received, framed,
// each after a stamp frame naming its session and time, and every session's
// start and end (LogRecord.h). Replay reads such a file back into the book;
// a file of bare records (no stamps) shows as one session without times.
#pragma once

#include <cstdint>
#include <ostream>
#include <string>

#include "LogBook.h"
#include "LogRecord.h"

namespace pf {

class LogViewer {
 public:
  // `recordFile`: where everything received goes, framed; nullptr for none.
  explicit LogViewer(std::ostream* recordFile) : recordFile_(recordFile) {}

  // Records from now on into `recordFile` (nullptr: no more), which begins
  // with the start of every session not ended yet, so that it replays whole.
  void RecordTo(std::ostream* recordFile, int64_t timeMs);
  bool recording() const { return recordFile_ != nullptr; }

  void StartSession(uint32_t session, uint32_t process, int64_t timeMs);
  void Receive(uint32_t session, int64_t timeMs, const LogRecord& record);
  void EndSession(uint32_t session, int64_t timeMs);
  // A remark of the viewer's own among the lines; it is not recorded.
  void Note(int64_t timeMs, const std::wstring& text) { book_.AddNote(timeMs, text); }

  // Writes what the record file was given so far; the viewers call it after
  // each batch rather than after each record.
  void FlushRecords();

  // Shows the frames of a record file after what is shown already, its
  // sessions numbered on from the book's (in the order they come); they are
  // not recorded again. False when the bytes are not a record stream or end
  // inside a frame (what came before is shown). See IsRecording.
  bool Replay(const std::string& bytes);

  const LogBook& book() const { return book_; }
  LogBook& book() { return book_; }

 private:
  void Record(const std::string& frames);

  std::ostream* recordFile_;
  LogBook book_;
};

}  // namespace pf
