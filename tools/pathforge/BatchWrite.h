// Writing a generated batch job: the program files of every program, then
// the project file, as the wizard's Finish does. The only place where the
// batch tool writes.
#pragma once

#include <string>
#include <vector>

#include "BatchJob.h"

namespace pf {

// Writes every program file of the job all or nothing (each beside its name
// first, then all put in place), then Project.dat. False when a program
// could not be written: every existing file keeps its bytes and the project
// file is not written.
bool WriteBatchPrograms(const BatchJob& job, BatchKinds& kinds);

// The files of one program of the job, in file order, as they were written.
std::vector<std::wstring> ProgramFilePaths(const BatchJob& job, const JobProgram& program, const CProgramInfo& record);

}  // namespace pf
