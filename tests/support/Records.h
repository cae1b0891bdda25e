// Log records as the module sends them, encoded by hand for the tests of the
// module's log channel and of the viewer: a line record (level, mark, the
// text in UTF-16LE, a 16-bit zero) and the group records of one byte 0.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "LogRecord.h"

namespace pf {

inline bool operator==(const LogRecord& a, const LogRecord& b) { return a.type == b.type && a.payload == b.payload; }

inline std::string Utf16Le(const std::u16string& text) {
  std::string bytes;
  for (char16_t unit : text) {
    bytes += static_cast<char>(unit & 0xFF);
    bytes += static_cast<char>(unit >> 8);
  }
  return bytes;
}

inline LogRecord Line(uint8_t mark, const std::u16string& text, uint8_t level = 0) {
  return {kLogLine, std::string{static_cast<char>(level), static_cast<char>(mark)} + Utf16Le(text) + std::string(2, '\0')};
}

// The same for a text of the Basic Multilingual Plane given as wide text.
inline LogRecord Line(uint8_t mark, const std::wstring& text, uint8_t level = 0) {
  return Line(mark, std::u16string(text.begin(), text.end()), level);
}

inline LogRecord Open() { return {kLogGroupOpen, std::string(1, '\0')}; }
inline LogRecord Close() { return {kLogGroupClose, std::string(1, '\0')}; }

// The four records of one call: call line, group open, outcome, group close.
inline std::vector<LogRecord> CallGroup(const std::wstring& callLine, const std::wstring& outcome, uint8_t mark) {
  return {Line(kMarkCall, callLine), Open(), Line(mark, outcome), Close()};
}

}  // namespace pf
