// Paths and folders on Windows: '\' separators, the local application-data
// folder, wide file-system calls.
#include "common/Path.h"

#include <windows.h>
#include <shlobj.h>

#include "common/Format.h"
#include "common/PathPlatform.h"
#include "common/Text.h"

namespace pf {

bool IsAbsolutePath(const std::wstring& path) { return path.size() >= 2 && path[1] == L':'; }

std::wstring GetAppDataFolder() {
  wchar_t folder[MAX_PATH + 1] = {};
  if (FAILED(SHGetFolderPathW(nullptr, CSIDL_LOCAL_APPDATA, nullptr, SHGFP_TYPE_CURRENT, folder)))
    return std::wstring();
  return Format(L"%s\\KORVANTEL\\Servo Bench\\", folder);
}

bool PathExists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool IsDirectory(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

bool CreateFolder(const std::wstring& path) { return CreateDirectoryW(path.c_str(), nullptr) != 0; }

bool DeleteFilePath(const std::wstring& path) { return DeleteFileW(path.c_str()) != 0; }

std::FILE* OpenFile(const std::wstring& path, const char* mode) { return _wfopen(path.c_str(), ToWide(mode).c_str()); }

bool ListFolder(const std::wstring& folder, std::vector<FolderEntry>& entries) {
  WIN32_FIND_DATAW found;
  const HANDLE search = FindFirstFileW((folder + L"\\*.*").c_str(), &found);
  if (search == INVALID_HANDLE_VALUE) return false;
  entries.clear();
  do {
    entries.push_back(FolderEntry{found.cFileName, found.dwFileAttributes});
  } while (FindNextFileW(search, &found));
  FindClose(search);
  return true;
}

}  // namespace pf
