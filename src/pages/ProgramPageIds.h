// The control ids of the program page (dialog template 2506) that its
// logic names, and a text destined for one of them.
#pragma once

#include <string>

namespace pf {

enum ProgramPageControl : int {
  kIdcDwellCheck = 35007,    // dwell on/off
  kIdcDwell = 35008,         // dwell time edit
  kIdcGridPlace = 35009,     // hidden placeholder of the axis grid
  kIdcAxisGrid = 35017,      // the axis grid, created at run time
  kIdcCreate = 35020,        // Create button
  kIdcRadiusLabel = 35021,
  kIdcFeedLabel = 35022,
  kIdcFileText = 35024,      // file text editor
  kIdcFileList = 35025,
  kIdcRadius = 35028,
  kIdcCounterClockwise = 35029,
  kIdcClockwise = 35030,
  kIdcSmpTime = 35031,       // sampling time edit
  kIdcFeed = 35032,
  kIdcHeading = 35033,
  kIdcPlus = 35034,          // first axis: plus stroke end
  kIdcPlus2 = 35035,         // second axis: plus stroke end
  kIdcPlusLabel2 = 35037,
  kIdcMinus = 35038,         // first axis: minus stroke end
  kIdcMinus2 = 35039,        // second axis: minus stroke end
  kIdcMinusLabel2 = 35041,
  kIdcAxis = 35042,          // first axis (or the program's axis)
  kIdcAxis2 = 35043,         // second axis of a plane
  kIdcHint = 35044,          // hint line
  kIdcDistance = 35045,
  kIdcTrialRun = 35046,
};

// The grid's in-place cell editor, a child of the grid.
inline constexpr int kIdcGridCellEditor = 8;

// The second stroke-end row, which stays hidden on every kind.
inline constexpr int kSecondAxisRow[] = {kIdcAxis2, kIdcMinus2, kIdcPlus2, kIdcMinusLabel2, kIdcPlusLabel2};

// A text that the page puts into one control.
struct ControlText {
  int id;
  std::wstring text;

  bool operator==(const ControlText& other) const { return id == other.id && text == other.text; }
};

}  // namespace pf
