// Writing a generated batch job: the program files of every program, then
// the project file, as the wizard's Finish does. The only place where the
// batch tool writes.
#pragma once

#include <string>
#include <vector>

#include "BatchJob.h"

namespace pf {

// Writes the programs in the order of Finish, then Project.dat. `written`
// gets every file written, in job order, the project file last. False when
// a program could not be written; the project file is then not written.
bool WriteBatchPrograms(const BatchJob& job, BatchKinds& kinds, std::vector<std::wstring>& written);

}  // namespace pf
