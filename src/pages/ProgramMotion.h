// The motion check of the program a program page (or the requirements page)
// shows, from what the wizard already holds: the program record, the
// machine-information page's axis, incremental-name and plane lists, the
// stroke-limit texts it put into the axis records, the plane table's limits
// for the circle axes and the rapid speed the page read for its estimate.
// No toolkit and no NC calls: pathforge uses it as the pages do.
#pragma once

#include <string>
#include <vector>

#include "motion/MotionCheck.h"
#include "program/MoveNames.h"
#include "program/ProgramInfo.h"
#include "wizard/PlaneArray.h"

namespace pf {

// The stroke-limit texts of one axis ("500.000"; "****" or empty: not read)
// and whether the NC gave each end.
struct StrokeLimitTexts {
  std::wstring minus;
  std::wstring plus;
  bool minusRead = false;
  bool plusRead = false;
};

struct ProgramMotionInput {
  const CProgramInfo* program = nullptr;  // the record shown; its files in file order
  int kind = 0;
  int index = 0;                          // axis index (kinds 0..6) or plane index (kinds 7..10)
  AxisNameSource machine;                 // axis labels, incremental names, machine type, G-code list number
  std::vector<std::wstring> planeNames;   // m_aryPlaneName
  std::vector<std::wstring> planeAxes;    // m_aryPlaneAxis: two axis labels per plane
  const CPlaneArray* planes = nullptr;    // the sheet's plane table (circle axes' limits); may be null
  std::vector<StrokeLimitTexts> axisLimits; // per axis label: the stroke ends of its record
  std::vector<double> rapidSpeeds;        // per axis label: G00 speed read from the NC, 0 (or missing): not read
};

// The check's verdict and remarks, one picture per file of the program (file
// order, named by the kind's file table) and the status behind the verdict.
struct ProgramMotion : MotionResult {
  bool WithinLimits() const { return status == MotionStatus::Within; }
  // The program could not be checked: a word the check does not follow, or
  // an axis moved whose stroke limits are unknown.
  bool Unchecked() const { return status == MotionStatus::NotChecked || status == MotionStatus::LimitsUnknown; }
};

ProgramMotion CheckProgramMotion(const ProgramMotionInput& input);

// The follower's view of the machine for the program of `input` (its
// record is not read) and the axes of its picture: the axis of an axis
// kind, the plane's two axes of a circle kind. False, with the verdict in
// `error`, when a plane axis is not among the machine's axes.
bool BuildMotionSetup(const ProgramMotionInput& input, MotionSetup& setup, PictureAxes& pictureAxes,
                      std::wstring& error);

// The limit texts of every axis from the records of an axis kind (the
// machine-information step writes the same texts into all seven).
std::vector<StrokeLimitTexts> AxisLimitsOf(const std::vector<CProgramInfo>& axisRecords);

}  // namespace pf
