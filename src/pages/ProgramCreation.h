// Program creation without the page: the texts of a program's files are
// generated from its parameters, the machine's axis names and two NC
// values. The page asks before overwriting texts, shows the wait cursor and
// afterwards selects file 0 and runs its Next rule; everything between is
// here.
#pragma once

#include <string>
#include <vector>

#include "nclink/OVXIF.h"
#include "program/MoveNames.h"
#include "program/ProgramInfo.h"

namespace pf {

// The machine-information page's choices as program creation takes them:
// the G-code list number is the page's m_nGCodeNumber + 2.
AxisNameSource MakeAxisNameSource(const std::vector<std::wstring>& axisLabels,
                                  const std::vector<std::wstring>& incrementalNames, int machineType,
                                  int gCodeNumber);

// One creation on the page of `kind` showing record `currentIndex`.
struct CreationRequest {
  AxisNameSource machine;
  int kind = 0;
  int currentIndex = 0;                        // axis (kinds 0..6) or plane (kinds 7..10) index
  std::vector<std::wstring> circleAxisLabels;  // the page's circle axis labels (circle kinds)
  std::vector<int> fileNumbers;                // the files the file list shows, in list order
};

// Builds the move-name and position-name lists, stores the controller type
// (GetNcType; -1 when it names none) as m_nNcType and the basic extended
// parameter 3 (0 when it cannot be read) as m_nParaExt3, then makes the
// listed files in list order with MakeProgram, which shows the message of
// a failing file. Stops at the first failure and clears that file's text,
// so that the page stays incomplete. True when every file was made.
bool CreateProgramFiles(COVXIF& ovxIf, const CreationRequest& request, CProgramInfo& program);

}  // namespace pf
