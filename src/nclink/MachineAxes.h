// The machine's axes and circle planes as the wizard offers them, read from
// the CNC, and the tandem facts that decide which axes are offered.
//
// CMachineAxisInfo holds the machine-information page's axis and plane
// lists with the operations that fill and edit them; the page derives from
// it and only wires its controls to these operations. It talks to the NC
// through the wrapper it is given, which must outlive it.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "nclink/OVXIF.h"

namespace pf {

// Reads the tandem partner of serial axis `axis` ("TANDEM_AXISNUM_SPC"):
// `count` is 0 when the axis names no partner, else the partner's serial
// number + 1. Returns 0, or kNcCheckFailed (count 0) when the read failed.
int32_t GetTandemAxis(COVXIF& ovxIf, int32_t axis, int32_t& count);

// The tandem partners of the serial axes 0 to axisCount - 1, each read once
// (GetTandemAxis) when first needed, so that finding the pairs of every axis
// takes one read per axis rather than one per pair of axes.
class TandemReads {
 public:
  TandemReads(COVXIF& ovxIf, int32_t axisCount) : m_ovxIf(ovxIf), m_axisCount(axisCount) {}

  int32_t axisCount() const { return m_axisCount; }

  // The read of axis j: its status and its count.
  struct Read {
    int32_t status;
    int32_t count;
  };
  const Read& At(int32_t j);

 private:
  COVXIF& m_ovxIf;
  int32_t m_axisCount;
  std::vector<Read> m_reads;
};

// Finds the tandem pair of serial axis `axis` among the axes of `reads`. The
// first axis j that names `axis` as partner makes it the follower
// (isPartner 1, lead j, partner axis); an axis that names a partner itself
// before that is the lead (isPartner 0, lead axis, partner the named one);
// both return 0. Otherwise isPartner 0, lead and partner -1, and the status
// of the last partner read is returned, so a failed read of the last axis
// makes an axis of no pair fail.
int32_t FindTandemAxis(TandemReads& reads, int32_t axis, int32_t& isPartner, int32_t& lead, int32_t& partner);

// The longest axis label: what the axis dialog takes (the labels read from
// the NC, such as $1-X, are shorter).
inline constexpr std::size_t kLongestAxisLabel = 6;

// The longest plane label: "$%d-IJ" with its one-digit part system.
inline constexpr std::size_t kLongestPlaneLabel = 5;

// The name that the axis dialog proposes: the first of X, Y, Z, then A to W
// that no entry of `names` equals; empty when all 26 are taken.
std::wstring ProposeAxisName(const std::vector<std::wstring>& names);

// True when the axis dialog may confirm `text`: not empty, none of the
// eleven forbidden name characters, and equal (case-sensitive) to no entry
// of `names`.
bool IsAcceptableAxisName(const std::wstring& text, const std::vector<std::wstring>& names);

class CMachineAxisInfo {
 public:
  explicit CMachineAxisInfo(COVXIF& ovxIf);
  virtual ~CMachineAxisInfo() = default;

  // Rebuilds the axis lists from the CNC: every serial axis of
  // "AXISNUM_SPC" that is neither a tandem follower nor a spindle, labelled
  // "$<system>-<letter>". Returns m_bAxisInfoOK: 0 when the count cannot be
  // read, is below 1 or beyond any machine (lists empty), or when an axis
  // name cannot be read (the axes before it stay); else 1.
  int32_t MakeAxisInfo();

  // Rebuilds the plane lists from the systems' base axes I, J and K and the
  // axis list. Returns 0 when "SYSNUM" or a system's "SYS_ON" cannot be read
  // (the planes found before stay), else 1.
  int32_t MakePlaneInfo();

  // Appends the incremental axis name of serial axis *serial to m_aryIncAxis:
  // the NC's "INCAX_SPC" text, or "999" when the read fails or is empty.
  void AddIncAxisInfo(const int32_t* serial);

  // The tandem flag of axis *index; 0 when the index is outside the list.
  int IsTandemMaster(const int* index) const;

  // Adds an axis named by hand: the name, incremental name "999", no tandem.
  void AppendAxis(const std::wstring& name);

  // Removes axis `index` (bounds-checked) and every plane that uses it.
  void DeleteAxis(int index);

  std::vector<std::wstring> m_aryAxisName;
  std::vector<std::wstring> m_aryIncAxis;
  int32_t m_bAxisInfoOK = 0;
  std::vector<std::wstring> m_aryPlaneName;
  std::vector<std::wstring> m_aryPlaneAxis;
  std::vector<int> m_aryTandemMaster;

 private:
  bool IsListedInSystem(const std::wstring& baseAxis, int systemNumber) const;

  COVXIF& m_ovxIf;
};

}  // namespace pf
