// The file system in force, and the message of a failed write (see
// FileSystem.h).
#include "common/FileSystem.h"

#include <algorithm>
#include <iterator>

#include "common/Format.h"
#include "common/StringTable.h"

namespace pf {
namespace {

IFileSystem* g_fileSystem = nullptr;

// Why a file could not be written, as message 12518 says it.
struct ErrorReason {
  FileError error;
  unsigned stringId;
};

constexpr ErrorReason kReasons[] = {
    {FileError::InUse, 12570},    {FileError::ReadOnly, 12571}, {FileError::Denied, 12572},
    {FileError::DiskFull, 12573}, {FileError::PathTooLong, 12574}, {FileError::InTheWay, 12575},
    {FileError::Missing, 12576},  {FileError::Other, 12577},
};

}  // namespace

IFileSystem& CurrentFileSystem() { return g_fileSystem ? *g_fileSystem : PlatformFileSystem(); }

ScopedFileSystem::ScopedFileSystem(IFileSystem& fileSystem) : previous_(g_fileSystem) { g_fileSystem = &fileSystem; }

ScopedFileSystem::~ScopedFileSystem() { g_fileSystem = previous_; }

std::wstring FileErrorText(FileError error) {
  const auto reason =
      std::find_if(std::begin(kReasons), std::end(kReasons), [&](const ErrorReason& r) { return r.error == error; });
  // The last row, any other refusal, also stands for an error without a row.
  return LoadResString((reason != std::end(kReasons) ? *reason : std::end(kReasons)[-1]).stringId);
}

std::wstring NotWrittenText(const FileFault& fault) {
  return Format(LoadResString(kMsgNotWritten), fault.path, FileErrorText(fault.error));
}

}  // namespace pf
