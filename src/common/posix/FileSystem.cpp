// The file system on POSIX: one syncfs for a whole batch of written files
// (a file-by-file fsync costs a journal commit per file; syncfs also reports
// a write that failed since the last one, a full disk included), rename,
// which replaces its target atomically, and the errno of each call as the
// user's reason.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <iterator>

#include "common/FileSystem.h"
#include "common/Text.h"

namespace pf {
namespace {

struct ErrnoReason {
  int code;
  FileError error;
};

constexpr ErrnoReason kErrnoReasons[] = {
    {ETXTBSY, FileError::InUse},       {EBUSY, FileError::InUse},        {EROFS, FileError::ReadOnly},
    {EACCES, FileError::Denied},       {EPERM, FileError::Denied},       {ENOSPC, FileError::DiskFull},
    {EDQUOT, FileError::DiskFull},     {EFBIG, FileError::DiskFull},     {ENAMETOOLONG, FileError::PathTooLong},
    {EISDIR, FileError::InTheWay},     {ENOTDIR, FileError::InTheWay},   {EEXIST, FileError::InTheWay},
    {ENOTEMPTY, FileError::InTheWay},  {ENOENT, FileError::Missing},
};

FileError LastError() {
  const int code = errno;
  const auto found = std::find_if(std::begin(kErrnoReasons), std::end(kErrnoReasons),
                                  [code](const ErrnoReason& r) { return r.code == code; });
  return found != std::end(kErrnoReasons) ? found->error : FileError::Other;
}

FileError Checked(bool done) { return done ? FileError::None : LastError(); }

// Closes the descriptor; a failed close (a delayed write error) counts.
FileError Closed(int handle, FileError error) {
  const bool closed = close(handle) == 0;
  if (error == FileError::None && !closed) return LastError();
  return error;
}

class PosixFileSystem : public IFileSystem {
 public:
  FileLook Look(const std::wstring& path) override {
    struct stat info;
    if (stat(ToNarrow(path).c_str(), &info) != 0) {
      const FileError error = LastError();
      return {false, error == FileError::Missing ? FileError::None : error};
    }
    if (S_ISDIR(info.st_mode)) return {true, FileError::InTheWay};
    // Nobody may write it, whoever runs the module: read-only as Windows marks it.
    if ((info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return {true, FileError::ReadOnly};
    return {true, FileError::None};
  }

  FileError Read(const std::wstring& path, std::string& bytes) override {
    const int handle = open(ToNarrow(path).c_str(), O_RDONLY | O_CLOEXEC);
    if (handle < 0) return LastError();
    std::string content;
    char buffer[8192];
    ssize_t count;
    while ((count = read(handle, buffer, sizeof buffer)) > 0) content.append(buffer, static_cast<std::size_t>(count));
    const FileError error = Closed(handle, Checked(count == 0));
    if (error == FileError::None) bytes = std::move(content);
    return error;
  }

  FileError Write(const std::wstring& path, const std::string& bytes) override {
    const int handle = open(ToNarrow(path).c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (handle < 0) return LastError();
    std::size_t written = 0;
    ssize_t count = 0;
    while (written < bytes.size() && (count = write(handle, bytes.data() + written, bytes.size() - written)) > 0) {
      written += static_cast<std::size_t>(count);
    }
    return Closed(handle, Checked(written == bytes.size()));
  }

  FileError Flush(const std::wstring& folder) override {
    const int handle = open(ToNarrow(folder.empty() ? L"." : folder).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (handle < 0) return LastError();
    return Closed(handle, Checked(syncfs(handle) == 0));
  }

  FileError Rename(const std::wstring& from, const std::wstring& to) override {
    return Checked(rename(ToNarrow(from).c_str(), ToNarrow(to).c_str()) == 0);
  }

  FileError Remove(const std::wstring& path) override { return Checked(unlink(ToNarrow(path).c_str()) == 0); }
};

}  // namespace

IFileSystem& PlatformFileSystem() {
  static PosixFileSystem fileSystem;
  return fileSystem;
}

}  // namespace pf
