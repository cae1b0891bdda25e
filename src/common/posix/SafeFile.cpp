// What replacing a file safely needs of POSIX: one syncfs for a whole batch
// of written files (a file-by-file fsync costs a journal commit per file),
// and rename, which replaces the target atomically. syncfs reports a write
// that failed since the last one, a full disk included.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>

#include "common/PathPlatform.h"
#include "common/Text.h"

namespace pf {

bool FlushFileToDisk(std::FILE*) { return true; }

bool FlushWrittenFiles(const std::wstring& folder) {
  const int handle = open(ToNarrow(folder.empty() ? L"." : folder).c_str(), O_RDONLY | O_DIRECTORY);
  if (handle < 0) return false;
  const bool flushed = syncfs(handle) == 0;
  close(handle);
  return flushed;
}

bool RenameOver(const std::wstring& from, const std::wstring& to) {
  return std::rename(ToNarrow(from).c_str(), ToNarrow(to).c_str()) == 0;
}

bool IsReadOnlyFile(const std::wstring& path) {
  struct stat info;
  return stat(ToNarrow(path).c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
         (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0;
}

}  // namespace pf
