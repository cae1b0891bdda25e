// Private-profile access on POSIX: our own reader and writer (PrivateProfile.h)
// on the file's 8-bit bytes; a changed file replaces the old one whole
// (SafeFile.h).
#include <algorithm>

#include "common/IniFile.h"
#include "common/Path.h"
#include "common/PrivateProfile.h"
#include "common/SafeFile.h"
#include "common/Text.h"

namespace pf {

std::wstring ProfileGetString(const std::wstring& section, const std::wstring& key,
                              const std::wstring& defaultText, std::size_t size,
                              const std::wstring& path) {
  std::string bytes;
  std::string value;
  std::wstring text;
  if (ReadFileBytes(path, bytes) && ProfileLookup(bytes, ToNarrow(section), ToNarrow(key), value)) {
    text = ToWide(value);
  } else {
    text = defaultText.substr(0, defaultText.find_last_not_of(L' ') + 1);
  }
  text.resize(std::min(text.size(), size > 0 ? size - 1 : 0));
  return text;
}

bool ProfileWriteString(const std::wstring& section, const std::wstring& key,
                        const std::wstring& value, const std::wstring& path) {
  std::string bytes;
  if (PathExists(path) && !ReadFileBytes(path, bytes)) return false;
  return ReplaceFileBytes(path, ProfileUpdate(bytes, ToNarrow(section), ToNarrow(key), ToNarrow(value))).ok();
}

}  // namespace pf
