// NC reads that the machine information, the plane table and the sheet
// share: an NcGetInformation item as text or number, the serial axis that
// carries a label, and an axis's stroke limits. All of them go through the
// wrapper, so each read is logged and refused (-1) when the interface is not
// usable.
#pragma once

#include <cstdint>
#include <string>

#include "nclink/OVXIF.h"

namespace pf {

// NcGetInformation of `item` with `index` into a zero-filled 32-byte buffer;
// `text` is the buffer up to its first zero (empty when the call wrote
// nothing). Returns the call's status.
int32_t GetInformationText(COVXIF& ovxIf, const char* item, int32_t index, std::wstring& text);

// The same read taken as a decimal integer (leading digits, 0 without any).
// `value` is set only when the status is 0. Returns the call's status.
int32_t GetInformationNumber(COVXIF& ovxIf, const char* item, int32_t index, int& value);

// A count read the same way ("SYSNUM", "AXISNUM", "AXISNUM_SPC"). A count
// beyond any real machine (above kMaxNcCount, NcLimits.h) is unreadable:
// kNcCheckFailed, `count` untouched. Otherwise the call's status.
int32_t GetInformationCount(COVXIF& ovxIf, const char* item, int& count);

// Tries serial axes 0, 1, ... below `axisCount` and stops at the first whose
// GetAxisLabel equals `label` exactly (case-sensitive), whatever the
// status of each label read. True with `serial`
// set when one does; false, `serial` untouched, when none does.
bool FindSerialAxis(COVXIF& ovxIf, int axisCount, const std::wstring& label, int32_t& serial);

// An axis's stroke ends, and whether the NC gave each.
struct StrokeEnds {
  double minus = 0.0;
  double plus = 0.0;
  bool minusRead = false;
  bool plusRead = false;
};

// Reads "OT_MINUS" into `minus`, starting from 0.0, then "OT_PLUS" into
// `plus`, starting from the minus value just read. A failed read leaves its
// start value and is marked as not read.
StrokeEnds ReadStrokeLimits(COVXIF& ovxIf, int32_t system, int32_t axis);

}  // namespace pf
