#include "LogText.h"

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cwctype>

#include "common/Format.h"
#include "common/Text.h"

namespace pf {
namespace {

struct LocalTime {
  std::tm parts{};
  int ms = 0;
};

// The local time of a moment. Lines come many to a second, and the
// conversion consults the time zone each time, so the last second's parts
// are kept.
LocalTime Local(int64_t timeMs) {
  thread_local std::time_t lastSecond = -1;
  thread_local std::tm lastParts{};
  const std::time_t seconds = static_cast<std::time_t>(timeMs / 1000);
  if (seconds != lastSecond) {
    const std::tm* parts = std::localtime(&seconds);
    lastParts = parts != nullptr ? *parts : std::tm{};
    lastSecond = seconds;
  }
  LocalTime local;
  local.parts = lastParts;
  local.ms = static_cast<int>(timeMs % 1000);
  return local;
}

std::wstring DateText(int64_t timeMs) {
  if (timeMs == kNoTime) return L"at an unknown time";
  const LocalTime local = Local(timeMs);
  return Format(L"%04d-%02d-%02d ", local.parts.tm_year + 1900, local.parts.tm_mon + 1, local.parts.tm_mday) +
         ClockText(timeMs);
}

std::wstring ProcessText(uint32_t process) {
  return process == 0 ? std::wstring(L"process unknown") : Format(L"process %u", process);
}

}  // namespace

int64_t NowMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::system_clock::now().time_since_epoch())
      .count();
}

std::wstring ClockText(int64_t timeMs) {
  if (timeMs == kNoTime) return L"--:--:--.---";
  const LocalTime local = Local(timeMs);
  return Format(L"%02d:%02d:%02d.%03d", local.parts.tm_hour, local.parts.tm_min, local.parts.tm_sec, local.ms);
}

std::wstring DescribeShownLine(const ShownLine& line) {
  switch (line.kind) {
    case LineKind::SessionStart:
      return Format(L"session %u: ", line.session) + ProcessText(line.process) + L", started " + DateText(line.timeMs);
    case LineKind::SessionEnd:
      return Format(L"session %u ended ", line.session) + ClockText(line.timeMs);
    case LineKind::Note:
      return line.text;
    case LineKind::Record:
      break;
  }
  return std::wstring(2 * static_cast<std::size_t>(line.depth), L' ') + line.text;
}

std::wstring FormatShownLine(const ShownLine& line) {
  if (line.kind != LineKind::Record) return L"== " + DescribeShownLine(line);
  return ClockText(line.timeMs) + Format(L" #%u ", line.session) + (line.failed ? L"!! " : L"   ") +
         DescribeShownLine(line);
}

bool MatchesText(const std::wstring& text, const std::wstring& part) {
  const auto same = [](wchar_t a, wchar_t b) { return std::towlower(a) == std::towlower(b); };
  return std::search(text.begin(), text.end(), part.begin(), part.end(), same) != text.end();
}

std::string LinesAsText(const ShownLines& lines, const char* lineEnd) {
  std::string text;
  for (const ShownLine& line : lines) text += ToUtf8(FormatShownLine(line)) + lineEnd;
  return text;
}

}  // namespace pf
