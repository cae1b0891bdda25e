#include "LogBook.h"

#include <algorithm>

namespace pf {

void LogBook::SetHistory(std::size_t lines) {
  history_ = std::max<std::size_t>(lines, 1);
  Trim();
}

void LogBook::Append(ShownLine line) {
  lines_.push_back(std::move(line));
  Trim();
}

void LogBook::Trim() {
  for (; lines_.size() > history_; ++first_, ++dropped_) lines_.pop_front();
}

void LogBook::StartSession(uint32_t session, uint32_t process, int64_t timeMs) {
  sessions_[session] = Session{LogTree(), process};
  lastSession_ = std::max(lastSession_, session);
  ShownLine line;
  line.kind = LineKind::SessionStart;
  line.session = session;
  line.timeMs = timeMs;
  line.process = process;
  Append(std::move(line));
}

void LogBook::Add(uint32_t session, int64_t timeMs, const LogRecord& record) {
  if (sessions_.count(session) == 0) StartSession(session, 0, kNoTime);
  Session& state = sessions_[session];
  for (LogEntry& entry : state.tree.Add(record)) {
    ShownLine line;
    line.session = session;
    line.timeMs = timeMs;
    line.process = state.process;
    line.depth = entry.depth;
    line.failed = entry.failed;
    line.text = std::move(entry.text);
    Append(std::move(line));
  }
}

void LogBook::EndSession(uint32_t session, int64_t timeMs) {
  ShownLine line;
  line.kind = LineKind::SessionEnd;
  line.session = session;
  line.timeMs = timeMs;
  line.process = sessions_.count(session) != 0 ? sessions_[session].process : 0;
  sessions_.erase(session);
  Append(std::move(line));
}

void LogBook::AddNote(int64_t timeMs, const std::wstring& text) {
  ShownLine line;
  line.kind = LineKind::Note;
  line.timeMs = timeMs;
  line.text = text;
  Append(std::move(line));
}

std::map<uint32_t, uint32_t> LogBook::OpenSessions() const {
  std::map<uint32_t, uint32_t> open;
  for (const auto& [number, session] : sessions_) open[number] = session.process;
  return open;
}

void LogBook::Clear() {
  first_ += lines_.size();
  lines_.clear();
}

ShownLines LogBook::TakeLines() {
  ShownLines taken;
  taken.swap(lines_);
  first_ += taken.size();
  return taken;
}

}  // namespace pf
