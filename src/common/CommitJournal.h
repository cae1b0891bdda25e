// The commit journal of a batch of files (SafeFile.h): the names a batch
// gives its files on the way, and the journal's text.
//
// A file of the batch is written first as its staged file (name + ".pf-new");
// while the batch is put in place, the file it replaces waits as its backup
// (name + ".pf-old"). Before the first rename the journal ("Commit.journal"
// in the batch's folder) names every file of the batch, below that folder,
// with the size and hash of its new bytes and whether an old file stood
// there. A journal that ends in its closing line is complete; one cut short
// was never followed by a rename.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace pf {

struct JournalEntry {
  std::wstring path;  // the file's final name, in full
  bool hadOld = false;
  std::uint64_t size = 0;
  std::uint64_t hash = 0;  // ContentHash of the new bytes
};

std::wstring StagedPathOf(const std::wstring& path);
std::wstring BackupPathOf(const std::wstring& path);
std::wstring JournalPathIn(const std::wstring& folder);

// How many characters the staged or backup name adds to a file's name, at most.
std::size_t BatchSuffixLength();

// True for a name that a batch gives a file only on the way (staged or backup).
bool IsBatchLeftover(const std::wstring& name);

// A 64-bit hash of the bytes (FNV-1a), to tell a complete file from another.
std::uint64_t ContentHash(const std::string& bytes);

// The journal's bytes for entries that all lie below `folder`.
std::string JournalBytes(const std::wstring& folder, const std::vector<JournalEntry>& entries);

// Reads a journal of `folder`: its entries, and true when it is complete.
bool ParseJournal(const std::wstring& folder, const std::string& bytes, std::vector<JournalEntry>& entries);

}  // namespace pf
