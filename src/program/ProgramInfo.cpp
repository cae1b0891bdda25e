// The program record: copying, and reading and writing its files.
#include "program/ProgramInfo.h"

#include <algorithm>
#include <type_traits>

#include "common/Path.h"
#include "common/StringTable.h"
#include "program/ProgramKinds.h"

namespace pf {

// Arrays of programs relocate their elements by moving; a throwing move would
// make them fall back to the selective copy and lose fields.
static_assert(std::is_nothrow_move_constructible_v<CProgramInfo>);

CProgramInfo::CProgramInfo(const CProgramInfo& other) : std::vector<CProgramData>(other) { CopyParameters(other); }

CProgramInfo& CProgramInfo::operator=(const CProgramInfo& other) {
  if (this == &other) return *this;
  CopyParameters(other);
  std::vector<CProgramData>::operator=(other);
  return *this;
}

void CProgramInfo::CopyParameters(const CProgramInfo& other) {
  m_nKind = other.m_nKind;
  m_strDistance = other.m_strDistance;
  m_bDwell = other.m_bDwell;
  m_strDwell = other.m_strDwell;
  m_bLoaded = other.m_bLoaded;
  m_bSaveFiles = other.m_bSaveFiles;
  m_strFeed = other.m_strFeed;
  m_aryAxis = other.m_aryAxis;
  m_strSmpTime = other.m_strSmpTime;
  m_strSmpTime2 = other.m_strSmpTime2;
}

std::wstring CProgramInfo::ProgramFolder(const std::wstring& projectFolder, const std::wstring& subFolder,
                                         int kind) {
  return projectFolder + kPathSep + subFolder + kPathSep + GetProgramKindName(kind);
}

bool CProgramInfo::LoadFiles(const std::wstring& projectFolder, int kind, int machineType,
                             const std::wstring& subFolder) {
  m_nKind = kind;
  int count = 0;
  const ProgramFileEntry* files = GetProgramFileTable(kind, machineType, count);
  resize(static_cast<std::size_t>(count));

  const std::wstring folder = ProgramFolder(projectFolder, subFolder, kind);
  // A folder that is not there holds no file: one look at it instead of a
  // failed open per file (a new project has no folders yet).
  const bool folderExists = IsDirectory(folder);
  bool allRead = count > 0 && folderExists;
  for (int i = 0; i < count; ++i) {
    CProgramData& file = at(static_cast<std::size_t>(i));
    const std::wstring title = LoadResString(files[i].titleId);
    if (!folderExists) {
      file.Empty(title);
    } else if (!file.Load(folder + kPathSep + files[i].fileName, title)) {
      allRead = false;
    }
  }
  m_bLoaded = allRead ? 1 : 0;
  return true;
}

int CProgramInfo::WrittenFileCount(int machineType) const {
  int count = 0;
  GetProgramFileTable(m_nKind, machineType, count);
  return std::min(count, static_cast<int>(size()));
}

FileFault CProgramInfo::StageFiles(CFileBatch& batch, int machineType, const std::wstring& projectFolder,
                                   const std::wstring& subFolder) const {
  int count = 0;
  const ProgramFileEntry* files = GetProgramFileTable(m_nKind, machineType, count);
  const std::wstring folder = ProgramFolder(projectFolder, subFolder, m_nKind);
  FileFault fault = MakeBatchFolder(folder);
  const int written = WrittenFileCount(machineType);
  for (int i = 0; fault.ok() && i < written; ++i) {
    fault = batch.Stage(folder + kPathSep + files[i].fileName, at(static_cast<std::size_t>(i)).FileBytes());
  }
  return fault;
}

void CProgramInfo::MarkFilesWritten(int machineType) {
  const int written = WrittenFileCount(machineType);
  for (int i = 0; i < written; ++i) at(static_cast<std::size_t>(i)).MarkWritten();
}

}  // namespace pf
