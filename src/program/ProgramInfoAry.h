// CProgramInfoAry: all programs of one kind, one per axis (kinds 0..6) or
// per plane (kinds 7..10), plus the circle-test defaults read from the
// settings file "OVX.ini".
#pragma once

#include <string>
#include <vector>

#include "program/ProgramInfo.h"

namespace pf {

class CProgramInfoAry : public std::vector<CProgramInfo> {
 public:
  CProgramInfoAry() = default;
  CProgramInfoAry(const CProgramInfoAry&) = default;
  CProgramInfoAry(CProgramInfoAry&&) = default;
  CProgramInfoAry& operator=(const CProgramInfoAry&) = default;
  CProgramInfoAry& operator=(CProgramInfoAry&&) = default;
  virtual ~CProgramInfoAry() = default;

  // Reads the eight circle defaults from OVX.ini. A missing key takes its
  // default (radius 100, FeedRate1 3000, FeedRate2 5000), which is written
  // back as "%f"; a present key is never rewritten.
  void LoadCircleSettings();

  // Rebuilds the array for one kind: one program per plane name (circle
  // kinds) or per axis name, with the kind's defaults, its files read from
  // the project folder and one axis entry per axis name.
  void Init(int kind, int machineType, const std::wstring& projectFolder,
            const std::vector<std::wstring>& axisNames, const std::vector<std::wstring>& planeNames);

  // Writes the programs whose m_bSaveFiles is 1 into projectFolder/names[i]
  // in two halves, for a batch over several kinds: stages the files of every
  // marked program (the fault of the first that fails), and, once the batch
  // is committed, marks them written.
  FileFault StageAll(CFileBatch& batch, const std::wstring& projectFolder, int machineType,
                     const std::vector<std::wstring>& names) const;
  void MarkAllWritten(int machineType);

  double m_dLM2Radius1 = 100.0;
  double m_dLM2Radius2 = 100.0;
  double m_dLM2Feed1 = 1000.0;
  double m_dLM2Feed2 = 2000.0;
  double m_dLM3Radius1 = 100.0;
  double m_dLM3Radius2 = 100.0;
  double m_dLM3Feed1 = 1000.0;
  double m_dLM3Feed2 = 2000.0;
  int m_nAryKind = 0;
};

}  // namespace pf
