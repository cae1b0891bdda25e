// Replacing files through a temporary file (see SafeFile.h).
#include "common/SafeFile.h"

#include "common/Path.h"
#include "common/PathPlatform.h"

namespace pf {
namespace {

// The folder part of a path, without its separator; empty for a bare name.
std::wstring FolderOf(const std::wstring& path) {
  const std::size_t separator = path.rfind(kPathSep);
  return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator);
}

// The temporary file that a file is written to before it takes its name.
std::wstring TemporaryPathFor(const std::wstring& path) { return path + L".tmp"; }

}  // namespace

CFileBatch::~CFileBatch() { Discard(); }

bool CFileBatch::Stage(const std::wstring& path, const std::string& bytes) {
  // A folder or a read-only file under the final name could not be replaced
  // by the rename later: refuse it before anything is written.
  if (IsDirectory(path) || IsReadOnlyFile(path)) return false;
  const std::wstring temporary = TemporaryPathFor(path);
  if (!WriteWholeFile(temporary, bytes, true)) {
    DeleteFilePath(temporary);
    return false;
  }
  staged_.push_back({path, temporary});
  return true;
}

bool CFileBatch::Commit() {
  if (staged_.empty()) return true;
  // The written files reach the disk before any takes its name, and the
  // renames once they are all done: one flush each where the platform can.
  const std::wstring folder = FolderOf(staged_.front().path);
  if (!FlushWrittenFiles(folder)) {
    Discard();
    return false;
  }
  std::size_t placed = 0;
  while (placed < staged_.size() && RenameOver(staged_[placed].temporary, staged_[placed].path)) ++placed;
  const bool allPlaced = placed == staged_.size();
  staged_.erase(staged_.begin(), staged_.begin() + static_cast<std::ptrdiff_t>(placed));
  Discard();
  FlushWrittenFiles(folder);
  return allPlaced;
}

void CFileBatch::Discard() {
  for (const Staged& file : staged_) DeleteFilePath(file.temporary);
  staged_.clear();
}

bool ReplaceFileBytes(const std::wstring& path, const std::string& bytes) {
  CFileBatch batch;
  return batch.Stage(path, bytes) && batch.Commit();
}

}  // namespace pf
