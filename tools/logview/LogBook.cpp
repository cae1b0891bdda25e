#include "LogBook.h"

#include "LogText.h"

namespace pf {

void LogBook::StartSession(uint32_t session, uint32_t process, int64_t timeMs) {
  trees_[session] = LogTree();
  ShownLine line;
  line.kind = LineKind::SessionStart;
  line.session = session;
  line.timeMs = timeMs;
  line.process = process;
  lines_.push_back(line);
}

void LogBook::Add(uint32_t session, int64_t timeMs, const LogRecord& record) {
  if (trees_.count(session) == 0) StartSession(session, 0, kNoTime);
  for (LogEntry& entry : trees_[session].Add(record)) {
    ShownLine line;
    line.session = session;
    line.timeMs = timeMs;
    line.depth = entry.depth;
    line.failed = entry.failed;
    line.text = std::move(entry.text);
    lines_.push_back(std::move(line));
  }
}

void LogBook::EndSession(uint32_t session, int64_t timeMs) {
  trees_.erase(session);
  ShownLine line;
  line.kind = LineKind::SessionEnd;
  line.session = session;
  line.timeMs = timeMs;
  lines_.push_back(line);
}

void LogBook::Clear() {
  trees_.clear();
  lines_.clear();
}

std::size_t LogBook::Find(const std::wstring& text, std::size_t from, bool down) const {
  const std::size_t count = lines_.size();
  if (count == 0) return std::wstring::npos;
  std::size_t at = from < count ? from : (down ? count - 1 : 0);
  for (std::size_t step = 0; step < count; ++step) {
    at = down ? (at + 1) % count : (at + count - 1) % count;
    if (MatchesText(FormatShownLine(lines_[at]), text)) return at;
  }
  return std::wstring::npos;
}

}  // namespace pf
