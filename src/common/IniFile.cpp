// CIniFile: single entries of one profile file (see IniFile.h).
#include "common/IniFile.h"

#include "common/Format.h"
#include "common/Path.h"
#include "common/Text.h"

namespace pf {
namespace {

// What GetString reads when the entry is missing, and how it tells.
constexpr const wchar_t* kNotFound = L"NotFound";
constexpr std::size_t kValueBufferSize = 1024;

}  // namespace

CIniFile::CIniFile() : m_strPath(GetAppDataFolder() + L"OVX.ini") {}

CIniFile::CIniFile(const std::wstring& path)
    : m_strPath(IsAbsolutePath(path) ? path : GetAppDataFolder() + path) {}

int CIniFile::WriteString(const std::wstring& section, const std::wstring& key, const std::wstring& value) {
  ProfileWriteString(section, key, value, m_strPath);
  return 1;
}

int CIniFile::WriteInt(const std::wstring& section, const std::wstring& key, int value) {
  return WriteString(section, key, Format(L"%d", value));
}

int CIniFile::WriteDouble(const std::wstring& section, const std::wstring& key, double value) {
  return WriteString(section, key, Format(L"%f", value));
}

int CIniFile::GetString(const std::wstring& section, const std::wstring& key, std::wstring& value) {
  value = ProfileGetString(section, key, kNotFound, kValueBufferSize, m_strPath);
  return value != kNotFound ? 1 : 0;
}

int CIniFile::GetDouble(const std::wstring& section, const std::wstring& key, double& value) {
  std::wstring text;
  const int found = GetString(section, key, text);
  value = TextToDouble(text);
  return found;
}

}  // namespace pf
