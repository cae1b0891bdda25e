// What replacing a file safely needs of Windows: FlushFileBuffers file by
// file (no flush of a whole volume without administrator rights), and
// MoveFileExW, which replaces the target and returns only once the move is
// on the disk. No flush of the batch remains to be done.
#include <windows.h>
#include <io.h>

#include <cstdio>

#include "common/PathPlatform.h"

namespace pf {

bool FlushFileToDisk(std::FILE* file) {
  const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
  return handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle) != 0;
}

bool RenameOver(const std::wstring& from, const std::wstring& to) {
  return MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != 0;
}

bool FlushWrittenFiles(const std::wstring&) { return true; }

bool IsReadOnlyFile(const std::wstring& path) {
  const DWORD attributes = GetFileAttributesW(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
         (attributes & FILE_ATTRIBUTE_READONLY) != 0;
}

}  // namespace pf
