// Paths and folders on POSIX: '/' separators, the XDG data folder, paths
// handed to the system as UTF-8.
#include "common/Path.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>

#include "common/Format.h"
#include "common/PathPlatform.h"
#include "common/Text.h"

namespace pf {
namespace {

// The longest base folder that the data folder is built from.
constexpr std::size_t kMaxBaseFolder = 260;

std::string LocalDataHome() {
  const char* dataHome = std::getenv("XDG_DATA_HOME");
  if (dataHome && *dataHome) return dataHome;
  const char* home = std::getenv("HOME");
  if (home && *home) return std::string(home) + "/.local/share";
  return std::string();
}

struct DirCloser {
  void operator()(DIR* dir) const { closedir(dir); }
};

}  // namespace

bool IsAbsolutePath(const std::wstring& path) { return !path.empty() && path[0] == L'/'; }

std::wstring GetAppDataFolder() {
  const std::wstring base = ToWide(LocalDataHome());
  if (base.empty() || base.size() > kMaxBaseFolder) return std::wstring();
  return Format(L"%s/KORVANTEL/Servo Bench/", base);
}

bool PathExists(const std::wstring& path) {
  struct stat info;
  return stat(ToNarrow(path).c_str(), &info) == 0;
}

bool IsDirectory(const std::wstring& path) {
  struct stat info;
  return stat(ToNarrow(path).c_str(), &info) == 0 && S_ISDIR(info.st_mode);
}

bool CreateFolder(const std::wstring& path) { return mkdir(ToNarrow(path).c_str(), 0777) == 0; }

bool DeleteFilePath(const std::wstring& path) { return unlink(ToNarrow(path).c_str()) == 0; }

std::FILE* OpenFile(const std::wstring& path, const char* mode) { return std::fopen(ToNarrow(path).c_str(), mode); }

bool ListFolder(const std::wstring& folder, std::vector<FolderEntry>& entries) {
  std::unique_ptr<DIR, DirCloser> dir(opendir(ToNarrow(folder).c_str()));
  if (!dir) return false;
  entries.clear();
  while (const dirent* item = readdir(dir.get())) {
    FolderEntry entry;
    entry.name = ToWide(item->d_name);
    if (IsDirectory(folder + L"/" + entry.name)) entry.attributes |= kAttrDirectory;
    if (item->d_name[0] == '.') entry.attributes |= kAttrHidden;
    entries.push_back(entry);
  }
  return true;
}

}  // namespace pf
