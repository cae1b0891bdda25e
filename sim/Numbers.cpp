#include "Numbers.h"

#include <charconv>

namespace pf::sim {

bool ParseNumber(const std::string& text, int32_t& value) {
  const char* first = text.data();
  const char* last = first + text.size();
  const bool negative = first != last && *first == '-';
  if (first != last && (*first == '-' || *first == '+')) ++first;
  int base = 10;
  if (last - first > 2 && first[0] == '0' && (first[1] == 'x' || first[1] == 'X')) {
    first += 2;
    base = 16;
  }
  uint64_t magnitude = 0;
  const auto result = std::from_chars(first, last, magnitude, base);
  if (first == last || result.ec != std::errc() || result.ptr != last || magnitude > 0x80000000U) return false;
  const int64_t signedValue = negative ? -static_cast<int64_t>(magnitude) : static_cast<int64_t>(magnitude);
  if (signedValue > INT32_MAX) return false;
  value = static_cast<int32_t>(signedValue);
  return true;
}

bool ParseNumber(const std::string& text, double& value) {
  const char* first = text.data();
  const char* last = first + text.size();
  double parsed = 0.0;
  const auto result = std::from_chars(first, last, parsed);
  if (first == last || result.ec != std::errc() || result.ptr != last) return false;
  value = parsed;
  return true;
}

}  // namespace pf::sim
