// Writing a generated batch job: the program files of every program, then
// the project file, as the wizard's Finish does. The only place where the
// batch tool writes.
#pragma once

#include <string>
#include <vector>

#include "BatchJob.h"
#include "common/FileSystem.h"

namespace pf {

// Writes every program file of the job and then Project.dat as the wizard's
// Finish does, all or nothing (ProjectCommit.h). On a fault every file of
// the project keeps its bytes; the fault names the first file that could
// not be written or replaced.
FileFault WriteBatchPrograms(const BatchJob& job, BatchKinds& kinds);

// The files of one program of the job, in file order, as they were written.
std::vector<std::wstring> ProgramFilePaths(const BatchJob& job, const JobProgram& program, const CProgramInfo& record);

}  // namespace pf
