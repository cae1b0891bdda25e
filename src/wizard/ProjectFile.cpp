// The project file "Project.dat" (see ProjectFile.h).
#include "wizard/ProjectFile.h"

#include <utility>

#include "common/FileSystem.h"
#include "common/Format.h"
#include "common/IniFile.h"
#include "common/Path.h"
#include "common/PrivateProfile.h"
#include "common/Text.h"
#include "program/ProgramKinds.h"

namespace pf {
namespace {

struct ProjectEntry {
  const wchar_t* section;
  const wchar_t* key;
};

constexpr ProjectEntry kMachineType = {L"Machine", L"MachineInfo"};
constexpr ProjectEntry kGCodeNumber = {L"GCode", L"Number"};

// What a missing entry reads as, and the buffer it is read into.
const wchar_t kMissingValue[] = L"-1";
constexpr int kMissing = -1;
constexpr std::size_t kValueBufferSize = 128;

// The choices the machine-information page can show: its machine-type
// combo box (lathe, machining centre) and its six G-code list buttons.
constexpr int kGCodeLists = 6;

bool CanShow(int machineType, int gCodeNumber) {
  return machineType <= kMachineCentre && gCodeNumber < kGCodeLists;
}

int ReadEntry(const std::wstring& path, const ProjectEntry& entry) {
  return TextToInt(ProfileGetString(entry.section, entry.key, kMissingValue, kValueBufferSize, path));
}

}  // namespace

std::wstring ProjectFilePath(const std::wstring& projectFolder) { return projectFolder + PathSep() + L"Project.dat"; }

void ReadProjectFile(const std::wstring& projectFolder, int& machineType, int& gCodeNumber) {
  const std::wstring path = ProjectFilePath(projectFolder);
  machineType = ReadEntry(path, kMachineType);
  gCodeNumber = ReadEntry(path, kGCodeNumber);
  const bool locks = machineType >= 0 && gCodeNumber >= 0;
  if (locks && !CanShow(machineType, gCodeNumber)) machineType = gCodeNumber = kMissing;
}

FileFault StageProjectFile(CFileBatch& batch, const std::wstring& projectFolder, int machineType, int gCodeNumber) {
  const std::wstring path = ProjectFilePath(projectFolder);
  std::string bytes;
  const FileError read = CurrentFileSystem().Read(path, bytes);
  // Starting from nothing when the file exists would drop its other entries.
  if (read != FileError::None && read != FileError::Missing) return {read, path};
  for (const auto& [entry, value] : {std::pair(kMachineType, machineType), std::pair(kGCodeNumber, gCodeNumber)}) {
    bytes = ProfileUpdate(bytes, ToNarrow(entry.section), ToNarrow(entry.key), ToNarrow(Format(L"%d", value)));
  }
  return batch.Stage(path, bytes);
}

}  // namespace pf
