#include "LogTree.h"

#include "common/Format.h"
#include "common/Text.h"

namespace pf {
namespace {

struct MarkWord {
  uint8_t mark;
  const wchar_t* word;
};

constexpr MarkWord kMarkWords[] = {
    {kMarkCall, L"call"},
    {kMarkSuccess, L"ok"},
    {kMarkFailure, L"failed"},
};

std::wstring MarkText(uint8_t mark) {
  for (const MarkWord& entry : kMarkWords) {
    if (entry.mark == mark) return entry.word;
  }
  return Format(L"mark %d", mark);
}

}  // namespace

std::wstring DescribeLogLine(const LogLine& line) {
  const std::wstring level = line.level == 0 ? std::wstring() : Format(L" [level %d]", line.level);
  return MarkText(line.mark) + level + L" " + FromUtf16(line.text);
}

std::wstring IndentLogEntry(const LogEntry& entry) {
  return std::wstring(2 * static_cast<std::size_t>(entry.depth), L' ') + entry.text;
}

LogEntry LogTree::Entry(std::wstring text, bool failed) {
  hasParent_ = true;
  return {depth_, std::move(text), failed};
}

std::vector<LogEntry> LogTree::Add(const LogRecord& record) {
  const auto size = static_cast<unsigned>(record.payload.size());
  std::vector<LogEntry> entries;
  switch (record.type) {
    case kLogLine: {
      LogLine line;
      if (ParseLogLine(record.payload, line)) {
        entries.push_back(Entry(DescribeLogLine(line), line.mark == kMarkFailure));
      } else {
        entries.push_back(Entry(Format(L"(malformed line record, %u bytes)", size)));
      }
      break;
    }
    case kLogGroupOpen:
      if (!hasParent_) entries.push_back(Entry(L"(group)"));
      ++depth_;
      hasParent_ = false;
      break;
    case kLogGroupClose:
      if (depth_ == 0) {
        entries.push_back(Entry(L"(group close without an open group)"));
      } else {
        --depth_;
        hasParent_ = true;
      }
      break;
    default:
      entries.push_back(Entry(Format(L"(record type %u, %u bytes)", record.type, size)));
      break;
  }
  return entries;
}

}  // namespace pf
