// Order queries of the position file.
#include "program/ProgramAxisInfo.h"

namespace pf {

int CProgramAxisInfoAry::GetMinOrder(int& index) const {
  int minOrder = INT_MAX;
  for (std::size_t i = 0; i < size(); ++i) {
    if (i == 0 || (*this)[i].m_nOrder < minOrder) {
      minOrder = (*this)[i].m_nOrder;
      index = static_cast<int>(i);
    }
  }
  return minOrder;
}

int CProgramAxisInfoAry::FindOrder(int order, int start) const {
  for (int i = start; i < static_cast<int>(size()); ++i) {
    if (at(static_cast<std::size_t>(i)).m_nOrder == order) return i;
  }
  return -1;
}

int CProgramAxisInfoAry::GetNextOrder(int order, int& index) const {
  int next = -1;
  int nextIndex = -1;
  for (std::size_t i = 0; i < size(); ++i) {
    const int candidate = (*this)[i].m_nOrder;
    if (candidate > order && (nextIndex < 0 || candidate < next)) {
      next = candidate;
      nextIndex = static_cast<int>(i);
    }
  }
  if (nextIndex >= 0) index = nextIndex;
  return next;
}

}  // namespace pf
