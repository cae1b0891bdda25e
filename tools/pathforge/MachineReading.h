// A machine read from a simulated NC's description file through the code
// the wizard reads the NC with: the axis and plane lists of the
// machine-information page, the values the sheet puts into the program
// records (feeds and stroke-limit texts), the plane table and each axis's
// rapid speed as the program page reads it for its estimate.
#pragma once

#include <string>
#include <vector>

#include "pages/ProgramMotion.h"
#include "program/ProgramInfoAry.h"
#include "wizard/PlaneArray.h"

namespace pf {

struct MachineReading {
  std::vector<std::wstring> axisLabels;
  std::vector<std::wstring> incrementalNames;
  std::vector<std::wstring> planeNames;
  std::vector<std::wstring> planeAxes;
  CPlaneArray planes;
  std::vector<CProgramInfoAry> values;  // per kind, one record per axis: m_strFeed and the limit texts
  std::vector<double> rapidSpeeds;      // per axis
};

// Loads the simulated NC library with the description file at `path` and
// reads the machine. False, with a message, when the library cannot be used
// or its axis list cannot be read.
bool ReadMachineFile(const std::wstring& path, MachineReading& machine, std::wstring& error);

// Puts the machine's values into the records of `kind`, record i taking
// axis i's (the circle kinds take none).
void ApplyMachineValues(const MachineReading& machine, int kind, std::vector<CProgramInfo>& records);

// What the motion check of one program needs from the machine.
ProgramMotionInput MotionInputFor(const MachineReading& machine, int machineType, int gCodeList);

// Tells the simulated NC library which description file to serve; the
// platform's environment (posix/ and win32/).
void UseMachineDescription(const std::wstring& path);

}  // namespace pf
