// Folder creation and whole-file access, the same on every build.
#include "common/Path.h"

#include <utility>

#include "common/PathPlatform.h"

namespace pf {

bool MakeDirectory(const std::wstring& path) {
  if (path.size() > kMaxPathLength) return false;
  std::wstring folder = path;
  if (!folder.empty() && folder.back() == kPathSep) folder.pop_back();
  if (PathExists(folder)) return true;
  const std::size_t separator = folder.rfind(kPathSep);
  // A parent that cannot be made shows up as the failure to make the folder.
  if (separator != std::wstring::npos) MakeDirectory(folder.substr(0, separator));
  return CreateFolder(folder);
}

bool ReadFileBytes(const std::wstring& path, std::string& bytes) {
  FilePtr file(OpenFile(path, "rb"));
  if (!file) return false;
  std::string content;
  char buffer[8192];
  std::size_t count;
  while ((count = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) content.append(buffer, count);
  if (std::ferror(file.get())) return false;
  bytes = std::move(content);
  return true;
}

bool WriteFileBytes(const std::wstring& path, const std::string& bytes) {
  FilePtr file(OpenFile(path, "wb"));
  if (!file) return false;
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file.get()) == bytes.size();
  return std::fclose(file.release()) == 0 && written;
}

}  // namespace pf
