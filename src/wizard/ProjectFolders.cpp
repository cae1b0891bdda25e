// Project folders below the data folder (see ProjectFolders.h).
#include "wizard/ProjectFolders.h"

#include <algorithm>

#include "common/Text.h"

namespace pf {
namespace {

constexpr unsigned kNotAProject = kAttrHidden | kAttrSystem | kAttrTemporary;

}  // namespace

std::wstring GetProgramRoot() { return GetAppDataFolder() + L"Program"; }

std::wstring ProjectFolderPath(const std::wstring& projectName) {
  return GetProgramRoot() + PathSep() + projectName;
}

bool IsProjectFolder(const FolderEntry& entry) {
  return (entry.attributes & kAttrDirectory) != 0 && (entry.attributes & kNotAProject) == 0 && entry.name != L"." &&
         entry.name != L"..";
}

std::vector<std::wstring> ListProjectFolders() {
  std::vector<FolderEntry> entries;
  std::vector<std::wstring> names;
  if (!ListFolder(GetProgramRoot(), entries)) {
    return names;
  }
  for (const FolderEntry& entry : entries) {
    if (IsProjectFolder(entry)) {
      names.push_back(entry.name);
    }
  }
  return names;
}

int ProjectFolderExists() {
  std::vector<FolderEntry> entries;
  return ListFolder(GetProgramRoot(), entries) && std::any_of(entries.begin(), entries.end(), IsProjectFolder) ? 1
                                                                                                               : 0;
}

int SelectProject(const std::vector<std::wstring>& names, const std::wstring& current) {
  if (names.empty()) {
    return -1;
  }
  int selected = 0;
  for (std::size_t i = 0; i < names.size(); ++i) {
    if (SameWithoutCase(names[i], current)) {
      selected = static_cast<int>(i);
    }
  }
  return selected;
}

}  // namespace pf
