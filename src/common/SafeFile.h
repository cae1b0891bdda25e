// Replacing a set of files all or nothing, through the file system in force
// (FileSystem.h).
//
// Each file is first written completely as its staged file beside its final
// name (CommitJournal.h); an existing file that could not be replaced now (a
// folder under the name, a read-only file, one that another program holds
// open) fails the batch before anything moves. Commit flushes the staged
// files and the batch's journal to the disk, then, file by file, moves the
// old file aside as its backup and the staged one into place, flushes the
// renames, removes the journal and then the backups. A failure on the way is
// undone in reverse order: every final name gets its old bytes back. A
// process that dies on the way leaves the journal, from which RecoverFolder
// (FolderRecovery.h) finishes or undoes the batch.
//
//   CFileBatch batch(projectFolder);
//   FileFault fault = batch.Stage(a, bytesA);
//   if (fault.ok()) fault = batch.Stage(b, bytesB);
//   if (fault.ok()) fault = batch.Commit();   // a and b both new, or both as they were
//
// A batch of one file needs neither journal nor backup: one rename replaces
// it. Whatever was staged and not put in place is removed when the batch dies.
#pragma once

#include <string>
#include <vector>

#include "common/CommitJournal.h"
#include "common/FileSystem.h"

namespace pf {

class CFileBatch {
 public:
  // A batch whose files all lie below `folder`, where its journal is kept.
  explicit CFileBatch(std::wstring folder);
  ~CFileBatch();
  CFileBatch(const CFileBatch&) = delete;
  CFileBatch& operator=(const CFileBatch&) = delete;

  // Writes `bytes` as the staged file of `path`. The fault names `path` when
  // it could not be replaced now or its staged file could not be written
  // (nothing is left of it then). The final name is never touched here.
  // The first file staged brings an earlier batch of the folder whose
  // undoing failed to an end first (RecoverFolder); the fault names the file
  // that keeps it from there.
  FileFault Stage(const std::wstring& path, const std::string& bytes);

  // Puts every staged file in place, all or none. On a fault every final
  // name holds what it held before, and the fault names the first file that
  // could not be replaced. The batch is empty afterwards.
  FileFault Commit();

  // Removes every staged file; the final names keep their bytes.
  void Discard();

  std::size_t size() const { return staged_.size(); }

 private:
  struct Staged {
    JournalEntry entry;
    bool movedAside = false;
    bool inPlace = false;
  };
  FileFault PutInPlace(Staged& file, bool journaled);
  bool Undo();

  std::wstring folder_;
  std::vector<Staged> staged_;
};

// Makes a folder for files of a batch (MakeDirectory); the fault names the
// file that stands in its way, or the folder and why it cannot be made.
FileFault MakeBatchFolder(const std::wstring& folder);

// One file replaced the same way: on success `path` holds `bytes`, on a
// fault it keeps what it held.
FileFault ReplaceFileBytes(const std::wstring& path, const std::string& bytes);

}  // namespace pf
