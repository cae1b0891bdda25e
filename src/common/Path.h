// Paths, the data folder, folders and whole files.
//
// The build's separator stands wherever the module writes a separator: '\'
// on Windows, '/' on POSIX.
#pragma once

#include <string>
#include <vector>

namespace pf {

#ifdef _WIN32
inline constexpr wchar_t kPathSep = L'\\';
#else
inline constexpr wchar_t kPathSep = L'/';
#endif

// The separator as a text, for joining.
inline std::wstring PathSep() { return std::wstring(1, kPathSep); }

// The longest path the module hands to the platform: Windows' MAX_PATH (260)
// less its terminating zero. The same on every build, so that a project
// that can be written on one can be written on the other.
inline constexpr std::size_t kMaxPathLength = 259;

// True when the path is absolute in the module's sense: on Windows its second
// character is ':', on POSIX its first is '/'.
bool IsAbsolutePath(const std::wstring& path);

// The current user's local application-data folder (Windows: the local,
// non-roaming folder; POSIX: $XDG_DATA_HOME, else ~/.local/share) followed by
// "KORVANTEL", "Servo Bench" and a trailing separator. Empty when the
// platform cannot supply the folder (on POSIX also when its name is longer
// than 260 characters). The environment is read on every call. The folder
// is never created here.
std::wstring GetAppDataFolder();

// Creates a folder and every missing parent. Takes a path of at most
// kMaxPathLength characters (longer: failure), removes one trailing separator, succeeds at
// once when the path exists as any kind of entry, otherwise makes the part
// before the last separator first (its result ignored) and returns the result
// of creating the folder itself. A path without a separator is created
// directly.
bool MakeDirectory(const std::wstring& path);

// The longest path that MakeDirectory accepts (the platform's MAX_PATH less
// its terminating zero).
inline constexpr std::size_t kMaxMakePath = 259;

// True when the path names an existing entry of any kind.
bool PathExists(const std::wstring& path);

// True when the path names an existing folder.
bool IsDirectory(const std::wstring& path);

// Deletes a file; true on success.
bool DeleteFilePath(const std::wstring& path);

// Reads a whole file as bytes; false when it cannot be opened.
bool ReadFileBytes(const std::wstring& path, std::string& bytes);

// Creates or truncates a file and writes the bytes; false when it cannot be
// opened or written.
bool WriteFileBytes(const std::wstring& path, const std::string& bytes);

// One entry of a folder listing, with the platform's attribute bits.
struct FolderEntry {
  std::wstring name;
  unsigned attributes = 0;
};

// Attribute bits as the platform reports them (Windows values; the POSIX
// listing maps dot-names to hidden and reports no system or temporary bit).
enum FileAttribute : unsigned {
  kAttrReadOnly = 0x1,
  kAttrHidden = 0x2,
  kAttrSystem = 0x4,
  kAttrDirectory = 0x10,
  kAttrTemporary = 0x100,
};

// Lists the entries of a folder in the order the file system gives them,
// "." and ".." included where the platform reports them. False when the
// folder cannot be listed.
bool ListFolder(const std::wstring& folder, std::vector<FolderEntry>& entries);

}  // namespace pf
