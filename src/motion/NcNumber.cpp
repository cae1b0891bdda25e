// Reading NC numbers (see NcNumber.h).
#include "motion/NcNumber.h"

#include <charconv>
#include <string>

namespace pf {

bool ParseNcNumber(const std::wstring& text, double& value) {
  std::size_t pos = (!text.empty() && (text[0] == L'-' || text[0] == L'+')) ? 1 : 0;
  std::string ascii;
  int digits = 0;
  int points = 0;
  for (; pos < text.size(); ++pos) {
    const wchar_t c = text[pos];
    if (c >= L'0' && c <= L'9') {
      ++digits;
    } else if (c != L'.' || ++points > 1) {
      return false;
    }
    ascii.push_back(static_cast<char>(c));
  }
  if (digits == 0) return false;
  if (ascii.front() == '.') ascii.insert(ascii.begin(), '0');
  if (ascii.back() == '.') ascii.pop_back();
  double parsed = 0.0;
  const auto result = std::from_chars(ascii.data(), ascii.data() + ascii.size(), parsed);
  if (result.ec != std::errc() || result.ptr != ascii.data() + ascii.size()) return false;
  value = text[0] == L'-' ? -parsed : parsed;
  return true;
}

}  // namespace pf
