// Writing a project as one batch of files, and recovering a project whose
// writing a dead process cut short.
//
// Finish and the batch tool write the selected programs and then the
// project file "Project.dat" as one batch (SafeFile.h): all of them are in
// place afterwards, or, on a fault, every file of the project holds what it
// held before. Before a project is read, RecoverProject finishes or undoes
// a batch that was cut short there (FolderRecovery.h).
#pragma once

#include <string>
#include <vector>

#include "common/FileSystem.h"
#include "program/ProgramInfoAry.h"

namespace pf {

// The programs of one kind that are written, and the sub-folder names of
// its records (axis or plane names, one per record).
struct SavedPrograms {
  CProgramInfoAry* programs;
  const std::vector<std::wstring>* names;
};

// What the project file keeps: the machine type and the G-code choice.
struct ProjectChoices {
  int machineType = -1;
  int gCodeNumber = -1;
};

// Writes the marked programs of `lists` (in this order) for machine type
// `machineType` below the project folder, and then the project file with
// `choices`, all or nothing. On success every written program is marked
// written; the fault names the first file that could not be written or
// replaced, and why.
FileFault WriteProject(const std::wstring& projectFolder, int machineType, const std::vector<SavedPrograms>& lists,
                       const ProjectChoices& choices);

// What recovering a project found, for the user.
struct ProjectRecovery {
  std::wstring sentence;  // one sentence of what was done; empty when nothing was found
  bool failed = false;    // the files could not be brought to one state (the sentence names the file)
};

// Finishes or undoes a write of the project that was cut short, and removes
// what such a write left over.
ProjectRecovery RecoverProject(const std::wstring& projectFolder);

}  // namespace pf
