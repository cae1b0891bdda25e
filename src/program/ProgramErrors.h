// The string ids of the generators' error messages. A generator returns one
// of them (or 0 for success); program assembly shows it with the error icon.
#pragma once

namespace pf {

enum ProgramError : int {
  kProgramOk = 0,
  kErrPositionInvalid = 12522,  // a start position of a participating axis
  kErrFeedInvalid = 12523,      // the feed rate (feed moves, circles)
  kErrDwellInvalid = 12524,     // the dwell time (timed dwell)
  kErrDistanceInvalid = 12525,  // the travel distance (all moves)
  kErrRadiusInvalid = 12526,    // the circle radius
};

}  // namespace pf
