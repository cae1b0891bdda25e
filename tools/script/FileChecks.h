// The file checks of wizard scripts: what the wizard wrote below the data
// folder, compared byte for byte. They need no window, so every backend
// shares them.
#pragma once

#include <string>

namespace pf {

// The full path of a script's path below `folder` (which ends in a
// separator): the script's '/' become the platform's separator.
std::wstring ScriptPathBelow(const std::wstring& folder, const std::wstring& scriptPath);

// Each returns an empty text when the check holds, else what was found.
// The file holds exactly `bytes`.
std::wstring CheckFileBytes(const std::wstring& dataFolder, const std::wstring& path, const std::string& bytes);
// The file holds the same bytes as the file at `reference`.
std::wstring CheckFileSameAs(const std::wstring& dataFolder, const std::wstring& path,
                             const std::wstring& reference);
// Nothing stands at the path.
std::wstring CheckNoFile(const std::wstring& dataFolder, const std::wstring& path);

}  // namespace pf
