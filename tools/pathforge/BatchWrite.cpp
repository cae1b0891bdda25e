#include "BatchWrite.h"

#include <algorithm>

#include "common/Path.h"
#include "program/ProgramKinds.h"
#include "wizard/ProjectCommit.h"

namespace pf {
namespace {

// The order in which Finish writes the kinds (the wizard writes 0..4, 9 and
// 10; a job may also hold the kinds the wizard does not offer).
constexpr int kWriteOrder[] = {0, 1, 2, 3, 4, 9, 10, 5, 6, 7, 8};

const std::vector<std::wstring>& SubFolders(const BatchJob& job, int kind) {
  return IsCircleKind(kind) ? job.planes : job.machine.axisLabels;
}

}  // namespace

FileFault WriteBatchPrograms(const BatchJob& job, BatchKinds& kinds) {
  std::vector<SavedPrograms> lists;
  for (int kind : kWriteOrder) lists.push_back({&kinds[kind], &SubFolders(job, kind)});
  return WriteProject(job.projectFolder, job.machine.machineType, lists,
                      {job.machine.machineType, job.machine.gCodeList - 2});
}

std::vector<std::wstring> ProgramFilePaths(const BatchJob& job, const JobProgram& program, const CProgramInfo& record) {
  const std::wstring folder =
      CProgramInfo::ProgramFolder(job.projectFolder, SubFolders(job, program.kind)[program.index], program.kind);
  int count = 0;
  const ProgramFileEntry* files = GetProgramFileTable(program.kind, job.machine.machineType, count);
  std::vector<std::wstring> paths;
  for (int i = 0; i < std::min(count, static_cast<int>(record.size())); ++i) {
    paths.push_back(folder + PathSep() + files[i].fileName);
  }
  return paths;
}

}  // namespace pf
