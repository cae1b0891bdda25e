// The file checks of wizard scripts (see FileChecks.h).
#include "tools/script/FileChecks.h"

#include <algorithm>

#include "common/Format.h"
#include "common/Path.h"
#include "common/Text.h"

namespace pf {
namespace {

// Where two byte strings part, described for a failure message.
std::wstring Difference(const std::string& found, const std::string& wanted) {
  const auto mismatch = std::mismatch(found.begin(), found.end(), wanted.begin(), wanted.end());
  const long long offset = mismatch.first - found.begin();
  return Format(L"differs from byte %d on (%d bytes, expected %d)", offset, static_cast<long long>(found.size()),
                static_cast<long long>(wanted.size()));
}

std::wstring Compare(const std::wstring& dataFolder, const std::wstring& path, const std::string& wanted) {
  std::string found;
  if (!ReadFileBytes(ScriptPathBelow(dataFolder, path), found)) return Format(L"%s cannot be read", path);
  return found == wanted ? L"" : Format(L"%s %s", path, Difference(found, wanted));
}

}  // namespace

std::wstring ScriptPathBelow(const std::wstring& folder, const std::wstring& scriptPath) {
  std::wstring path = scriptPath;
  std::replace(path.begin(), path.end(), L'/', kPathSep);
  return folder + path;
}

std::wstring CheckFileBytes(const std::wstring& dataFolder, const std::wstring& path, const std::string& bytes) {
  return Compare(dataFolder, path, bytes);
}

std::wstring CheckFileSameAs(const std::wstring& dataFolder, const std::wstring& path,
                             const std::wstring& reference) {
  std::string wanted;
  if (!ReadFileBytes(reference, wanted)) return Format(L"the reference %s cannot be read", reference);
  return Compare(dataFolder, path, wanted);
}

std::wstring CheckNoFile(const std::wstring& dataFolder, const std::wstring& path) {
  return PathExists(ScriptPathBelow(dataFolder, path)) ? Format(L"%s exists", path) : L"";
}

}  // namespace pf
