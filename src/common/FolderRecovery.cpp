// Recovering a folder after a batch was cut short (see FolderRecovery.h).
#include "common/FolderRecovery.h"

#include <vector>

#include "common/CommitJournal.h"
#include "common/Path.h"

namespace pf {
namespace {

// How deep below the folder a batch's files lie: a project's programs sit in
// a folder per axis or plane, and in it a folder per kind.
constexpr int kBatchDepth = 2;

using Entries = std::vector<JournalEntry>;

bool Exists(IFileSystem& fs, const std::wstring& path) { return fs.Look(path).exists; }

// True when the file holds the entry's new bytes.
bool HoldsNewBytes(IFileSystem& fs, const std::wstring& path, const JournalEntry& entry) {
  std::string bytes;
  return fs.Read(path, bytes) == FileError::None && bytes.size() == entry.size && ContentHash(bytes) == entry.hash;
}

// Every new file is there whole: still staged, or already in place.
bool EveryNewFileIsWhole(IFileSystem& fs, const Entries& entries) {
  for (const JournalEntry& entry : entries) {
    const std::wstring staged = StagedPathOf(entry.path);
    if (!HoldsNewBytes(fs, Exists(fs, staged) ? staged : entry.path, entry)) return false;
  }
  return true;
}

FileFault Finish(IFileSystem& fs, const Entries& entries) {
  for (const JournalEntry& entry : entries) {
    const std::wstring staged = StagedPathOf(entry.path);
    if (!Exists(fs, staged)) continue;
    const FileError error = fs.Rename(staged, entry.path);
    if (error != FileError::None) return {error, entry.path};
  }
  return {};
}

// In reverse order: a backup goes back over its name; a new file where no
// old one stood (its staged file is gone, so it was put in place) is removed.
FileFault Undo(IFileSystem& fs, const Entries& entries) {
  for (auto entry = entries.rbegin(); entry != entries.rend(); ++entry) {
    const std::wstring backup = BackupPathOf(entry->path);
    FileError error = FileError::None;
    if (Exists(fs, backup)) {
      error = fs.Rename(backup, entry->path);
    } else if (!entry->hadOld && !Exists(fs, StagedPathOf(entry->path)) && Exists(fs, entry->path)) {
      error = fs.Remove(entry->path);
    }
    if (error != FileError::None) return {error, entry->path};
  }
  return {};
}

// Removes the staged files and backups in the folder and `depth` levels
// below it; true when there was any.
bool RemoveLeftovers(IFileSystem& fs, const std::wstring& folder, int depth) {
  std::vector<FolderEntry> listed;
  if (!ListFolder(folder, listed)) return false;
  bool removed = false;
  for (const FolderEntry& entry : listed) {
    const std::wstring path = folder + kPathSep + entry.name;
    if ((entry.attributes & kAttrDirectory) != 0) {
      if (depth > 0 && entry.name != L"." && entry.name != L"..") removed |= RemoveLeftovers(fs, path, depth - 1);
    } else if (IsBatchLeftover(entry.name)) {
      removed |= fs.Remove(path) == FileError::None;
    }
  }
  return removed;
}

}  // namespace

RecoveryOutcome RecoverFolder(const std::wstring& folder) {
  IFileSystem& fs = CurrentFileSystem();
  RecoveryOutcome outcome;
  const std::wstring journal = JournalPathIn(folder);
  if (Exists(fs, journal)) {
    std::string bytes;
    FileFault fault{fs.Read(journal, bytes), journal};
    Entries entries;
    // Renames follow only a complete journal: one cut short moved nothing.
    const bool complete = fault.ok() && ParseJournal(folder, bytes, entries);
    outcome.what = complete && EveryNewFileIsWhole(fs, entries) ? Recovery::Finished : Recovery::Undone;
    if (fault.ok() && complete) fault = outcome.what == Recovery::Finished ? Finish(fs, entries) : Undo(fs, entries);
    if (fault.ok()) fault = {fs.Flush(folder), folder};
    if (fault.ok()) fault = {fs.Remove(journal), journal};
    if (!fault.ok()) return {Recovery::Failed, fault};
  }
  if (RemoveLeftovers(fs, folder, kBatchDepth) && outcome.what == Recovery::Nothing) outcome.what = Recovery::Cleaned;
  return outcome;
}

}  // namespace pf
