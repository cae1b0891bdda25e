// Which files of a program the page's file list (PF_IDC_FILE_LIST) shows, and
// so which file number each list position stands for.
#pragma once

#include <vector>

#include "program/ProgramInfo.h"

namespace pf {

// The file numbers of the program's files in list order. With lathe G codes
// (machine type 0) a file whose title contains "補間前" (before
// interpolation) is left out; with machining-centre G codes every file is
// listed.
std::vector<int> ListedFileNumbers(const CProgramInfo& program, int machineType);

}  // namespace pf
