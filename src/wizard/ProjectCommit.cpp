// Writing and recovering a project (see ProjectCommit.h).
#include "wizard/ProjectCommit.h"

#include <algorithm>
#include <iterator>

#include "common/Format.h"
#include "common/FolderRecovery.h"
#include "common/SafeFile.h"
#include "common/StringTable.h"
#include "wizard/ProjectFile.h"

namespace pf {
namespace {

// The sentence of the project page's reason line for each recovery.
struct RecoverySentence {
  Recovery what;
  unsigned stringId;  // for Failed: a format of the file and the reason
};

constexpr RecoverySentence kSentences[] = {
    {Recovery::Finished, 14080},
    {Recovery::Undone, 14081},
    {Recovery::Cleaned, 14082},
    {Recovery::Failed, 14083},
};

}  // namespace

FileFault WriteProject(const std::wstring& projectFolder, int machineType, const std::vector<SavedPrograms>& lists,
                       const ProjectChoices& choices) {
  CFileBatch batch(projectFolder);
  FileFault fault;
  for (const SavedPrograms& list : lists) {
    if (fault.ok()) fault = list.programs->StageAll(batch, projectFolder, machineType, *list.names);
  }
  if (fault.ok()) fault = StageProjectFile(batch, projectFolder, choices.machineType, choices.gCodeNumber);
  if (fault.ok()) fault = batch.Commit();
  if (!fault.ok()) return fault;
  for (const SavedPrograms& list : lists) list.programs->MarkAllWritten(machineType);
  return {};
}

ProjectRecovery RecoverProject(const std::wstring& projectFolder) {
  const RecoveryOutcome outcome = RecoverFolder(projectFolder);
  const auto sentence = std::find_if(std::begin(kSentences), std::end(kSentences),
                                     [&](const RecoverySentence& s) { return s.what == outcome.what; });
  if (sentence == std::end(kSentences)) return {};
  // The file as the user finds it in the project, short enough for one line.
  const std::wstring& path = outcome.fault.path;
  const bool inProject = path.size() > projectFolder.size() && path.compare(0, projectFolder.size(), projectFolder) == 0;
  const std::wstring shown = inProject ? path.substr(projectFolder.size() + 1) : path;
  return {Format(LoadResString(sentence->stringId), shown, FileErrorText(outcome.fault.error)),
          outcome.what == Recovery::Failed};
}

}  // namespace pf
