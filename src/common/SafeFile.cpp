// Replacing a set of files all or nothing (see SafeFile.h).
#include "common/SafeFile.h"

#include <utility>

#include "common/FolderRecovery.h"
#include "common/Path.h"

namespace pf {
namespace {

// The folder part of a path, without its separator; empty for a bare name.
std::wstring FolderOf(const std::wstring& path) {
  const std::size_t separator = path.rfind(kPathSep);
  return separator == std::wstring::npos ? std::wstring() : path.substr(0, separator);
}

}  // namespace

CFileBatch::CFileBatch(std::wstring folder) : folder_(std::move(folder)) {}

CFileBatch::~CFileBatch() { Discard(); }

FileFault CFileBatch::Stage(const std::wstring& path, const std::string& bytes) {
  IFileSystem& fs = CurrentFileSystem();
  // A journal already there is that of a batch whose undoing failed: it is
  // brought to an end before this batch stages anything, or its backups
  // would be lost.
  if (staged_.empty() && fs.Look(JournalPathIn(folder_)).exists) {
    const RecoveryOutcome earlier = RecoverFolder(folder_);
    if (earlier.what == Recovery::Failed) return earlier.fault;
  }
  const FileLook look = fs.Look(path);
  if (look.blocked != FileError::None) return {look.blocked, path};
  const std::wstring staged = StagedPathOf(path);
  const FileError written = fs.Write(staged, bytes);
  if (written != FileError::None) {
    fs.Remove(staged);
    return {written, path};
  }
  staged_.push_back({{path, look.exists, bytes.size(), ContentHash(bytes)}});
  return {};
}

FileFault CFileBatch::Commit() {
  if (staged_.empty()) return {};
  IFileSystem& fs = CurrentFileSystem();
  const bool journaled = staged_.size() > 1;
  const std::wstring journal = JournalPathIn(folder_);
  FileFault fault;
  if (journaled) {
    std::vector<JournalEntry> entries;
    for (const Staged& file : staged_) entries.push_back(file.entry);
    fault = {fs.Write(journal, JournalBytes(folder_, entries)), journal};
  }
  // The staged files and the journal reach the disk before the first rename,
  // and the renames before the journal and the backups go.
  if (fault.ok()) fault = {fs.Flush(folder_), folder_};
  for (std::size_t i = 0; fault.ok() && i < staged_.size(); ++i) fault = PutInPlace(staged_[i], journaled);
  if (fault.ok()) fault = {fs.Flush(folder_), folder_};
  if (!fault.ok()) {
    // A journal stays only for a batch that could not be undone, so that
    // the next recovery finishes the undoing.
    if (Undo() && journaled) fs.Remove(journal);
    Discard();
    return fault;
  }
  if (journaled) fs.Remove(journal);
  for (const Staged& file : staged_) {
    if (file.movedAside) fs.Remove(BackupPathOf(file.entry.path));
  }
  staged_.clear();
  return {};
}

FileFault CFileBatch::PutInPlace(Staged& file, bool journaled) {
  IFileSystem& fs = CurrentFileSystem();
  const std::wstring& path = file.entry.path;
  if (journaled && file.entry.hadOld) {
    const FileError aside = fs.Rename(path, BackupPathOf(path));
    if (aside != FileError::None) return {aside, path};
    file.movedAside = true;
  }
  const FileError placed = fs.Rename(StagedPathOf(path), path);
  if (placed != FileError::None) return {placed, path};
  file.inPlace = true;
  return {};
}

bool CFileBatch::Undo() {
  IFileSystem& fs = CurrentFileSystem();
  bool undone = true;
  for (auto file = staged_.rbegin(); file != staged_.rend(); ++file) {
    const std::wstring& path = file->entry.path;
    FileError error = FileError::None;
    if (file->movedAside) {
      error = fs.Rename(BackupPathOf(path), path);  // the old bytes over the new ones, if placed
    } else if (file->inPlace) {
      error = fs.Remove(path);  // no old file stood there
    }
    if (error == FileError::None) {
      file->movedAside = file->inPlace = false;
    } else {
      undone = false;
    }
  }
  return undone && fs.Flush(folder_) == FileError::None;
}

void CFileBatch::Discard() {
  IFileSystem& fs = CurrentFileSystem();
  for (const Staged& file : staged_) {
    if (!file.inPlace) fs.Remove(StagedPathOf(file.entry.path));
  }
  staged_.clear();
}

FileFault MakeBatchFolder(const std::wstring& folder) {
  if (MakeDirectory(folder)) return {};
  if (folder.size() > kMaxMakePath) return {FileError::PathTooLong, folder};
  // The nearest part of the path that exists: a file there stands in the way.
  for (std::wstring part = folder; !part.empty(); part = FolderOf(part)) {
    if (!PathExists(part)) continue;
    if (!IsDirectory(part)) return {FileError::InTheWay, part};
    break;
  }
  return {FileError::Denied, folder};
}

FileFault ReplaceFileBytes(const std::wstring& path, const std::string& bytes) {
  CFileBatch batch(FolderOf(path));
  const FileFault fault = batch.Stage(path, bytes);
  return fault.ok() ? batch.Commit() : fault;
}

}  // namespace pf
