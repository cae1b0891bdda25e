// The start position and order of every machine axis of one program.
//
// Element i of a CProgramAxisInfoAry belongs to axis name i of the sheet's
// axis list. The position file moves the axes order by order, lowest first;
// axes of equal order move in the same block.
#pragma once

#include <climits>
#include <string>
#include <vector>

namespace pf {

class CProgramAxisInfo {
 public:
  CProgramAxisInfo() = default;
  CProgramAxisInfo(const CProgramAxisInfo&) = default;
  CProgramAxisInfo(CProgramAxisInfo&&) = default;
  CProgramAxisInfo& operator=(const CProgramAxisInfo&) = default;
  CProgramAxisInfo& operator=(CProgramAxisInfo&&) = default;
  virtual ~CProgramAxisInfo() = default;

  std::wstring m_strPosition = L"0";  // start position, as typed
  int m_nOrder = 0;                   // order step of the move to the start position
};

class CProgramAxisInfoAry : public std::vector<CProgramAxisInfo> {
 public:
  CProgramAxisInfoAry() = default;
  CProgramAxisInfoAry(const CProgramAxisInfoAry&) = default;
  CProgramAxisInfoAry(CProgramAxisInfoAry&&) = default;
  CProgramAxisInfoAry& operator=(const CProgramAxisInfoAry&) = default;
  CProgramAxisInfoAry& operator=(CProgramAxisInfoAry&&) = default;
  virtual ~CProgramAxisInfoAry() = default;

  // The lowest order and, in `index`, its first index. An empty array gives
  // INT_MAX and leaves `index` untouched.
  int GetMinOrder(int& index) const;

  // The first index at or after `start` whose order equals `order`; -1 when
  // there is none or `start` is not below the element count.
  int FindOrder(int order, int start) const;

  // The smallest order strictly greater than `order` and, in `index`, its
  // first index; -1 when there is none (index untouched).
  int GetNextOrder(int order, int& index) const;
};

}  // namespace pf
