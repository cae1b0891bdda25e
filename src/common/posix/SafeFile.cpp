// What replacing a file safely needs of POSIX: fsync of the file and of its
// folder, and rename, which replaces the target atomically.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "common/PathPlatform.h"
#include "common/Text.h"

namespace pf {

bool FlushFileToDisk(std::FILE* file) { return fsync(fileno(file)) == 0; }

bool RenameOver(const std::wstring& from, const std::wstring& to) {
  return std::rename(ToNarrow(from).c_str(), ToNarrow(to).c_str()) == 0;
}

void FlushFolder(const std::wstring& folder) {
  const int handle = open(ToNarrow(folder.empty() ? L"." : folder).c_str(), O_RDONLY | O_DIRECTORY);
  if (handle < 0) return;
  fsync(handle);
  close(handle);
}

bool IsReadOnlyFile(const std::wstring& path) {
  struct stat info;
  return stat(ToNarrow(path).c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
         (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace pf
