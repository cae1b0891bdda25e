// Recovering a folder in which a batch of files (SafeFile.h) was cut short
// by a process that died: the batch is finished from its staged files when
// its journal is complete and every new file is there whole (staged or
// already in place), else undone from the backups; the journal goes last.
// Then every staged file and backup left in the folder (or in the two
// levels of folders below it, where a project keeps its programs) is
// removed.
#pragma once

#include <string>

#include "common/FileSystem.h"

namespace pf {

enum class Recovery {
  Nothing,   // no journal, nothing left over
  Cleaned,   // no journal; files left over from a batch were removed
  Finished,  // a batch was finished: every file holds its new bytes
  Undone,    // a batch was undone: every file holds its old bytes
  Failed,    // a file could not be moved: the journal stays for the next try
};

struct RecoveryOutcome {
  Recovery what = Recovery::Nothing;
  FileFault fault;  // for Failed: the file that could not be moved, and why
};

RecoveryOutcome RecoverFolder(const std::wstring& folder);

}  // namespace pf
