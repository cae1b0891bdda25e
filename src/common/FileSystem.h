// The file operations through which every batch of files is written and
// put in place (SafeFile.h) and an interrupted one recovered
// (CommitJournal.h). The platform's own implementation is in force unless
// another was installed: a test installs one that fails or stops dead at a
// chosen call, a fuzz target one that does not pay for disk flushes.
//
// Every operation reports why it failed in the terms the user is told
// (FileError); none throws.
#pragma once

#include <string>

namespace pf {

// Why a file could not be read, written or replaced.
enum class FileError {
  None,
  InUse,        // another program holds it open
  ReadOnly,     // it is marked read-only
  Denied,       // the folder may not be written to
  DiskFull,     // no room left on the disk
  PathTooLong,  // its path is longer than the platform takes
  InTheWay,     // a folder stands where the file goes, or a file where a folder goes
  Missing,      // it does not exist
  Other,        // any other refusal of the platform
};

// The first file of an operation that failed, and why; no error: success.
struct FileFault {
  FileError error = FileError::None;
  std::wstring path;

  bool ok() const { return error == FileError::None; }
};

// What a look at a file found: whether it exists, and what would keep it
// from being replaced by a rename now (a folder under the name, the
// read-only mark, another program holding it open where the platform
// refuses that).
struct FileLook {
  bool exists = false;
  FileError blocked = FileError::None;
};

class IFileSystem {
 public:
  virtual ~IFileSystem() = default;
  virtual FileLook Look(const std::wstring& path) = 0;
  virtual FileError Read(const std::wstring& path, std::string& bytes) = 0;
  // Creates or truncates the file and writes all bytes; where the platform
  // flushes file by file (Windows), the file is on the disk on success.
  virtual FileError Write(const std::wstring& path, const std::string& bytes) = 0;
  // Forces everything written and renamed in the folder's file system onto
  // the disk, where the platform has one flush for all (POSIX).
  virtual FileError Flush(const std::wstring& folder) = 0;
  // Renames a file over another of the same folder, replacing it.
  virtual FileError Rename(const std::wstring& from, const std::wstring& to) = 0;
  virtual FileError Remove(const std::wstring& path) = 0;
};

// The platform's file system.
IFileSystem& PlatformFileSystem();

// The file system in force: the platform's unless one was installed.
IFileSystem& CurrentFileSystem();

// Installs a file system for the lifetime of the object.
class ScopedFileSystem {
 public:
  explicit ScopedFileSystem(IFileSystem& fileSystem);
  ~ScopedFileSystem();
  ScopedFileSystem(const ScopedFileSystem&) = delete;
  ScopedFileSystem& operator=(const ScopedFileSystem&) = delete;

 private:
  IFileSystem* previous_;
};

// Why a file could not be written, as the user is told (FileError::None and
// Other: any other refusal).
std::wstring FileErrorText(FileError error);

// The message of a write that failed and changed nothing: it names the file
// that could not be written or replaced, and why.
inline constexpr unsigned kMsgNotWritten = 12518;
std::wstring NotWrittenText(const FileFault& fault);

}  // namespace pf
