// The project file "Project.dat" in a project folder: the machine type
// ([Machine] "MachineInfo") and the G-code choice ([GCode] "Number") chosen
// for the project, as decimal integers in an INI-style file.
#pragma once

#include <string>

#include "common/SafeFile.h"

namespace pf {

// The project file of a project folder: folder + separator + "Project.dat".
std::wstring ProjectFilePath(const std::wstring& projectFolder);

// Reads both values with the default text "-1" (at most 127 characters) and
// the standard text-to-integer conversion: a missing file, section or key
// gives -1, a text that is not a number 0. Section and key names match
// without case. A pair that would lock the machine-information page on a
// choice it cannot show (both 0 or more, but a machine type other than 0 or
// 1, or a G-code list outside 0..5) reads as a project without stored
// values: both -1.
void ReadProjectFile(const std::wstring& projectFolder, int& machineType, int& gCodeNumber);

// Stages the project file in `batch` (whose folder is the project folder)
// with both values written with "%d", [Machine] first, and every other entry
// of the file as it was. The fault names the project file when it exists
// but cannot be read, or cannot be staged.
FileFault StageProjectFile(CFileBatch& batch, const std::wstring& projectFolder, int machineType, int gCodeNumber);

}  // namespace pf
