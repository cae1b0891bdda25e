// The plane table (see PlaneArray.h).
#include "wizard/PlaneArray.h"

#include <algorithm>

#include "common/Format.h"
#include "nclink/NcReads.h"

namespace pf {
namespace {

const wchar_t kLimitFormat[] = L"%3.4f";

// The limits of the CNC axis labelled like `planeAxis`; left empty when no
// axis below `axisCount` carries that label.
void ReadPlaneAxisLimits(COVXIF& ovxIf, int axisCount, CPlaneAxis& planeAxis) {
  int32_t serial = 0;
  if (!FindSerialAxis(ovxIf, axisCount, planeAxis.m_strAxis, serial)) {
    return;
  }
  int32_t system = 0;
  int32_t axis = 0;
  ovxIf.ConvertSerialAxisToSystemAxis(serial, system, axis);
  const StrokeEnds ends = ReadStrokeLimits(ovxIf, system, axis);
  planeAxis.m_strMinusLimit = Format(kLimitFormat, ends.minus);
  planeAxis.m_strPlusLimit = Format(kLimitFormat, ends.plus);
  planeAxis.m_bMinusRead = ends.minusRead;
  planeAxis.m_bPlusRead = ends.plusRead;
}

}  // namespace

int CPlaneArray::Find(const std::wstring& name, CPlane& plane) const {
  const auto found = std::find_if(begin(), end(), [&](const CPlane& p) { return p.m_strName == name; });
  if (found == end()) {
    return 0;
  }
  plane = *found;
  return 1;
}

void CPlaneArray::Rebuild(COVXIF& ovxIf, const std::vector<std::wstring>& planeNames,
                          const std::vector<std::wstring>& planeAxes) {
  clear();
  // An unreadable axis count stays 0: no plane axis is found then.
  int axisCount = 0;
  GetInformationCount(ovxIf, "AXISNUM", axisCount);
  for (std::size_t p = 0; p < planeNames.size(); ++p) {
    CPlane plane;
    plane.m_strName = planeNames[p];
    for (std::size_t j = 0; j < 2; ++j) {
      plane.m_axis[j].m_strAxis = planeAxes.at(2 * p + j);
      ReadPlaneAxisLimits(ovxIf, axisCount, plane.m_axis[j]);
    }
    push_back(plane);
  }
}

}  // namespace pf
