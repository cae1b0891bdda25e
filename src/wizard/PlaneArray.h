// The plane table: every circle plane of the machine with its two axes and
// their stroke limits as read from the CNC. The sheet owns one and rebuilds
// it whenever the machine information is confirmed; the circle program
// pages look their plane up by name.
#pragma once

#include <string>
#include <vector>

#include "nclink/OVXIF.h"

namespace pf {

struct CPlaneAxis {
  std::wstring m_strAxis;        // the axis label, as in the plane-axis list
  std::wstring m_strMinusLimit;  // "OT_MINUS" as "%3.4f"; empty when not read
  std::wstring m_strPlusLimit;   // "OT_PLUS" as "%3.4f"; empty when not read
  bool m_bMinusRead = false;     // the NC gave the minus end (a failed read is stored as text all the same)
  bool m_bPlusRead = false;
};

struct CPlane {  // NOLINT(bugprone-reserved-identifier): the implicit copy of m_axis loops over the compiler's __i0
  std::wstring m_strName;  // the plane label, for example $1-IJ
  CPlaneAxis m_axis[2];    // first and second axis, in plane-axis list order
};

class CPlaneArray : public std::vector<CPlane> {
 public:
  CPlaneArray() = default;
  CPlaneArray(const CPlaneArray&) = default;
  CPlaneArray& operator=(const CPlaneArray&) = default;
  virtual ~CPlaneArray() = default;

  // Copies the first plane named exactly `name` (case-sensitive) into `plane`
  // and returns 1; returns 0, `plane` untouched, when none is.
  int Find(const std::wstring& name, CPlane& plane) const;

  // Replaces the table with one plane per entry of `planeNames`, its axes
  // the entries 2p and 2p + 1 of `planeAxes` (bounds-checked). An axis found
  // among the CNC's "AXISNUM" axes by its label gets its stroke limits; any
  // other keeps empty limit texts.
  void Rebuild(COVXIF& ovxIf, const std::vector<std::wstring>& planeNames,
               const std::vector<std::wstring>& planeAxes);
};

}  // namespace pf
