#include "LogViewer.h"

#include <map>

namespace pf {

void LogViewer::Record(const std::string& frames) {
  if (recordFile_ != nullptr) *recordFile_ << frames;
}

void LogViewer::RecordTo(std::ostream* recordFile, int64_t timeMs) {
  FlushRecords();
  recordFile_ = recordFile;
  for (const auto& [session, process] : book_.OpenSessions()) Record(EncodeSessionStart(session, process, timeMs));
}

void LogViewer::StartSession(uint32_t session, uint32_t process, int64_t timeMs) {
  Record(EncodeSessionStart(session, process, timeMs));
  book_.StartSession(session, process, timeMs);
}

void LogViewer::Receive(uint32_t session, int64_t timeMs, const LogRecord& record) {
  if (recording()) Record(EncodeStamp(session, timeMs) + EncodeLogFrame(record));
  book_.Add(session, timeMs, record);
}

void LogViewer::EndSession(uint32_t session, int64_t timeMs) {
  Record(EncodeSessionEnd(session, timeMs));
  book_.EndSession(session, timeMs);
}

void LogViewer::FlushRecords() {
  if (recordFile_ != nullptr) recordFile_->flush();
}

bool LogViewer::Replay(const std::string& bytes) {
  LogFrameReader reader;
  reader.Feed(bytes.data(), bytes.size());
  std::map<uint32_t, uint32_t> sessions;  // as recorded: as shown
  const uint32_t next = book_.NextSession();
  const auto shown = [&](uint32_t recorded) {
    return sessions.emplace(recorded, next + static_cast<uint32_t>(sessions.size())).first->second;
  };
  FileMark stamp;
  stamp.session = 1;
  for (LogRecord frame; reader.Next(frame);) {
    FileMark mark;
    const bool marked = ParseFileMark(frame, mark);
    if (frame.type == kFileSessionStart && marked) {
      book_.StartSession(shown(mark.session), mark.process, mark.timeMs);
    } else if (frame.type == kFileStamp && marked) {
      stamp = mark;
    } else if (frame.type == kFileSessionEnd && marked) {
      book_.EndSession(shown(mark.session), mark.timeMs);
    } else {
      book_.Add(shown(stamp.session), stamp.timeMs, frame);
    }
  }
  return !reader.Broken() && reader.Pending() == 0;
}

}  // namespace pf
