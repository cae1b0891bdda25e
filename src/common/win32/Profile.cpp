// Private-profile access on Windows: the platform's own operations.
#include <windows.h>

#include <vector>

#include "common/IniFile.h"

namespace pf {

std::wstring ProfileGetString(const std::wstring& section, const std::wstring& key,
                              const std::wstring& defaultText, std::size_t size,
                              const std::wstring& path) {
  if (size == 0) return std::wstring();
  std::vector<wchar_t> buffer(size, L'\0');
  const DWORD length = GetPrivateProfileStringW(section.c_str(), key.c_str(), defaultText.c_str(), buffer.data(),
                                                static_cast<DWORD>(size), path.c_str());
  return std::wstring(buffer.data(), length);
}

bool ProfileWriteString(const std::wstring& section, const std::wstring& key,
                        const std::wstring& value, const std::wstring& path) {
  return WritePrivateProfileStringW(section.c_str(), key.c_str(), value.c_str(), path.c_str()) != 0;
}

}  // namespace pf
