// 8-bit text on POSIX: UTF-8, whatever the locale says.
#include "common/Text.h"

namespace pf {

std::string ToNarrow(const std::wstring& text) { return ToUtf8(text); }

std::wstring ToWide(const std::string& text) { return FromUtf8(text); }

}  // namespace pf
