// Replacing files so that a failure never leaves a half-written file under
// its final name.
//
// Each file is first written completely to a temporary file beside its
// final name (the same folder, name + ".tmp"); the written files are flushed
// to the disk (once for the whole set where the platform can, else file by
// file as they are written), only then renamed over their final names, and
// the renames flushed once more. A set of files is put in place only when
// every one of them was written and flushed:
//
//   CFileBatch batch;
//   if (!batch.Stage(a, bytesA) || !batch.Stage(b, bytesB)) return false;  // a and b untouched
//   return batch.Commit();
//
// Whatever was staged and not put in place is removed when the batch dies.
#pragma once

#include <string>
#include <vector>

namespace pf {

class CFileBatch {
 public:
  CFileBatch() = default;
  ~CFileBatch();
  CFileBatch(const CFileBatch&) = delete;
  CFileBatch& operator=(const CFileBatch&) = delete;

  // Writes `bytes` to the temporary file beside `path` (flushing it to the
  // disk where the platform flushes file by file). False, with no temporary
  // file left, when the final name is a folder or a read-only file, or when
  // the temporary file cannot be made, written completely or flushed (a
  // full disk). The final name is never touched here.
  bool Stage(const std::wstring& path, const std::string& bytes);

  // Flushes the staged files to the disk, renames every one over its final
  // name, in staging order, and flushes the renames. False when the flush
  // fails (nothing is renamed, every final name keeps its bytes) or a
  // rename fails: the files not yet renamed are removed and keep their old
  // bytes; the ones renamed before hold their complete new bytes. The batch
  // is empty afterwards.
  bool Commit();

  // Removes every staged temporary file; the final names keep their bytes.
  void Discard();

  std::size_t size() const { return staged_.size(); }

 private:
  struct Staged {
    std::wstring path;
    std::wstring temporary;
  };
  std::vector<Staged> staged_;
};

// One file replaced the same way: true when `path` now holds `bytes`; on
// false it keeps what it held.
bool ReplaceFileBytes(const std::wstring& path, const std::string& bytes);

}  // namespace pf
