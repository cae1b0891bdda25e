// Records as the module sends them, for the viewer's tests.
#pragma once

#include <cstdint>
#include <string>

#include "LogRecord.h"

namespace pf {

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

inline LogRecord Open() { return {kLogGroupOpen, std::string(1, '\0')}; }
inline LogRecord Close() { return {kLogGroupClose, std::string(1, '\0')}; }

}  // namespace pf
