// Stroke-limit texts (see MotionSetup.h).
#include "motion/MotionSetup.h"

#include "motion/NcNumber.h"

namespace pf {

bool ParseLimitText(const std::wstring& text, double& value) {
  const std::size_t first = text.find_first_not_of(L' ');
  if (first == std::wstring::npos) return false;
  return ParseNcNumber(text.substr(first, text.find_last_not_of(L' ') - first + 1), value);
}

}  // namespace pf
