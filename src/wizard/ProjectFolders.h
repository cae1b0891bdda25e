// Where projects live and which folders count as projects.
//
// Every project is a folder directly below data folder + "Program"; its
// folder name is the project name. A folder counts as a project when it is
// a directory with none of the attributes hidden, system and temporary, and
// its name is neither "." nor "..". Files there (such as the trial run's
// "test.eia") are never projects.
#pragma once

#include <string>
#include <vector>

#include "common/Path.h"

namespace pf {

// The root of all projects: data folder + "Program", no separator at the end.
std::wstring GetProgramRoot();

// The folder of the named project: data folder + "Program" + separator +
// name, no separator at the end. Nothing is checked or created.
std::wstring ProjectFolderPath(const std::wstring& projectName);

// True when a listed entry counts as a project folder (see above).
bool IsProjectFolder(const FolderEntry& entry);

// The names of the project folders in the order the file system gives them;
// empty when there is none or the root cannot be listed.
std::vector<std::wstring> ListProjectFolders();

// 1 when at least one project folder exists, else 0.
int ProjectFolderExists();

// The list position that the project list selects for `current` among
// `names`: the last name equal to it ignoring case, 0 when none is (the
// first project then replaces the current name), -1 when the list is empty.
int SelectProject(const std::vector<std::wstring>& names, const std::wstring& current);

}  // namespace pf
