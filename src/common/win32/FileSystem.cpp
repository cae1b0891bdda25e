// The file system on Windows: FlushFileBuffers file by file as each is
// written (no flush of a whole volume without administrator rights),
// MoveFileExW, which replaces its target and returns once the move is on the
// disk, and a look that opens an existing file for deletion with every
// sharing allowed: a sharing violation there means that another program
// holds the file open, and a rename over it would be refused.
#include <windows.h>

#include <algorithm>
#include <iterator>

#include "common/FileSystem.h"

namespace pf {
namespace {

struct CodeReason {
  DWORD code;
  FileError error;
};

constexpr CodeReason kCodeReasons[] = {
    {ERROR_SHARING_VIOLATION, FileError::InUse},    {ERROR_LOCK_VIOLATION, FileError::InUse},
    {ERROR_USER_MAPPED_FILE, FileError::InUse},     {ERROR_WRITE_PROTECT, FileError::ReadOnly},
    {ERROR_DISK_FULL, FileError::DiskFull},         {ERROR_HANDLE_DISK_FULL, FileError::DiskFull},
    {ERROR_FILENAME_EXCED_RANGE, FileError::PathTooLong}, {ERROR_BUFFER_OVERFLOW, FileError::PathTooLong},
    {ERROR_DIRECTORY, FileError::InTheWay},         {ERROR_ALREADY_EXISTS, FileError::InTheWay},
    {ERROR_FILE_EXISTS, FileError::InTheWay},       {ERROR_FILE_NOT_FOUND, FileError::Missing},
    {ERROR_PATH_NOT_FOUND, FileError::Missing},
};

// The last error of a call on `path`. Access is denied for a folder under
// the name and for a read-only file as for a folder one may not write to;
// the file's attributes tell them apart. A folder that is not found on a
// path beyond the platform's limit is the path's length.
FileError LastError(const std::wstring& path) {
  const DWORD code = GetLastError();
  if (code == ERROR_ACCESS_DENIED) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) return FileError::Denied;
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return FileError::InTheWay;
    return (attributes & FILE_ATTRIBUTE_READONLY) != 0 ? FileError::ReadOnly : FileError::Denied;
  }
  if (code == ERROR_PATH_NOT_FOUND && path.size() >= MAX_PATH) return FileError::PathTooLong;
  const auto found = std::find_if(std::begin(kCodeReasons), std::end(kCodeReasons),
                                  [code](const CodeReason& r) { return r.code == code; });
  return found != std::end(kCodeReasons) ? found->error : FileError::Other;
}

FileError Checked(BOOL done, const std::wstring& path) { return done ? FileError::None : LastError(path); }

// Closes the handle; the first error stays the one reported.
FileError Closed(HANDLE handle, FileError error, const std::wstring& path) {
  const BOOL closed = CloseHandle(handle);
  return error != FileError::None ? error : Checked(closed, path);
}

class Win32FileSystem : public IFileSystem {
 public:
  FileLook Look(const std::wstring& path) override {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
      const FileError error = LastError(path);
      return {false, error == FileError::Missing ? FileError::None : error};
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return {true, FileError::InTheWay};
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) return {true, FileError::ReadOnly};
    const HANDLE handle = CreateFileW(path.c_str(), DELETE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                      nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return {true, LastError(path)};
    CloseHandle(handle);
    return {true, FileError::None};
  }

  FileError Read(const std::wstring& path, std::string& bytes) override {
    const HANDLE handle = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                      OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return LastError(path);
    std::string content;
    char buffer[8192];
    DWORD count = 0;
    BOOL read = TRUE;
    while ((read = ReadFile(handle, buffer, sizeof buffer, &count, nullptr)) && count > 0) content.append(buffer, count);
    const FileError error = Closed(handle, Checked(read, path), path);
    if (error == FileError::None) bytes = std::move(content);
    return error;
  }

  FileError Write(const std::wstring& path, const std::string& bytes) override {
    const HANDLE handle = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return LastError(path);
    std::size_t written = 0;
    DWORD count = 0;
    BOOL done = TRUE;
    while (done && written < bytes.size()) {
      const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - written, 1U << 20));
      done = WriteFile(handle, bytes.data() + written, chunk, &count, nullptr) && count > 0;
      written += count;
    }
    const FileError error = Checked(done && FlushFileBuffers(handle), path);
    return Closed(handle, error, path);
  }

  FileError Flush(const std::wstring&) override { return FileError::None; }

  FileError Rename(const std::wstring& from, const std::wstring& to) override {
    return Checked(MoveFileExW(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH), to);
  }

  FileError Remove(const std::wstring& path) override { return Checked(DeleteFileW(path.c_str()), path); }
};

}  // namespace

IFileSystem& PlatformFileSystem() {
  static Win32FileSystem fileSystem;
  return fileSystem;
}

}  // namespace pf
