// The programs of one kind: circle defaults, rebuilding and writing.
#include "program/ProgramInfoAry.h"

#include "common/Format.h"
#include "common/IniFile.h"
#include "program/ProgramKinds.h"

namespace pf {
namespace {

using CircleField = double CProgramInfoAry::*;

struct CircleSetting {
  const wchar_t* section;
  const wchar_t* key;
  CircleField field;
  double fallback;  // taken and written back when the key is missing
};

constexpr const wchar_t* kLostMotion2 = L"LostMotionAdjust2_Adjust";
constexpr const wchar_t* kLostMotion3 = L"LostMotionAdjust3_Adjust";

constexpr CircleSetting kCircleSettings[] = {
    {kLostMotion2, L"Radius1", &CProgramInfoAry::m_dLM2Radius1, 100.0},
    {kLostMotion2, L"Radius2", &CProgramInfoAry::m_dLM2Radius2, 100.0},
    {kLostMotion2, L"FeedRate1", &CProgramInfoAry::m_dLM2Feed1, 3000.0},
    {kLostMotion2, L"FeedRate2", &CProgramInfoAry::m_dLM2Feed2, 5000.0},
    {kLostMotion3, L"Radius1", &CProgramInfoAry::m_dLM3Radius1, 100.0},
    {kLostMotion3, L"Radius2", &CProgramInfoAry::m_dLM3Radius2, 100.0},
    {kLostMotion3, L"FeedRate1", &CProgramInfoAry::m_dLM3Feed1, 3000.0},
    {kLostMotion3, L"FeedRate2", &CProgramInfoAry::m_dLM3Feed2, 5000.0},
};

// The starting parameters of a new program of a kind; null: keep the
// CProgramInfo default.
struct KindDefaults {
  unsigned kinds;
  const wchar_t* distance;
  const wchar_t* dwell;
  const wchar_t* smpTime;
  int unknownLimits;  // how many limit texts start as "****": 0, 2 (minus, plus) or 4
};

constexpr KindDefaults kKindDefaults[] = {
    {KindSet(0, 2), L"300", L"0.5", nullptr, 2},
    {KindSet(1, 3), L"100", L"0.5", nullptr, 2},
    {KindSet(4), nullptr, L"0.5", nullptr, 0},
    {KindSet(5, 6), L"100", L"1", L"5", 2},
    {KindSet(7, 8, 9, 10), nullptr, nullptr, nullptr, 4},
};

// Feed rate and radius of the circle kinds, from the circle defaults.
struct CircleDefaults {
  int kind;
  CircleField feed;
  CircleField radius;
};

constexpr CircleDefaults kCircleDefaults[] = {
    {7, &CProgramInfoAry::m_dLM2Feed1, &CProgramInfoAry::m_dLM2Radius1},
    {8, &CProgramInfoAry::m_dLM2Feed2, &CProgramInfoAry::m_dLM2Radius2},
    {9, &CProgramInfoAry::m_dLM3Feed1, &CProgramInfoAry::m_dLM3Radius1},
    {10, &CProgramInfoAry::m_dLM3Feed2, &CProgramInfoAry::m_dLM3Radius2},
};

constexpr const wchar_t* kUnknownLimit = L"****";

void ApplyKindDefaults(int kind, CProgramInfo& info) {
  for (const KindDefaults& row : kKindDefaults) {
    if (!InKindSet(row.kinds, kind)) continue;
    if (row.distance) info.m_strDistance = row.distance;
    if (row.dwell) info.m_strDwell = row.dwell;
    if (row.smpTime) info.m_strSmpTime = row.smpTime;
    if (row.unknownLimits >= 2) info.m_strLimitMinus = info.m_strLimitPlus = kUnknownLimit;
    if (row.unknownLimits >= 4) info.m_strLimitMinus2 = info.m_strLimitPlus2 = kUnknownLimit;
  }
}

}  // namespace

void CProgramInfoAry::LoadCircleSettings() {
  CIniFile ini;
  for (const CircleSetting& setting : kCircleSettings) {
    double value = 0.0;
    if (!ini.GetDouble(setting.section, setting.key, value)) {
      value = setting.fallback;
      ini.WriteDouble(setting.section, setting.key, value);
    }
    this->*(setting.field) = value;
  }
}

void CProgramInfoAry::Init(int kind, int machineType, const std::wstring& projectFolder,
                           const std::vector<std::wstring>& axisNames,
                           const std::vector<std::wstring>& planeNames) {
  LoadCircleSettings();
  m_nAryKind = kind;

  const std::vector<std::wstring>& names = IsCircleKind(kind) ? planeNames : axisNames;
  clear();
  resize(names.size());

  for (std::size_t i = 0; i < size(); ++i) {
    CProgramInfo& info = (*this)[i];
    ApplyKindDefaults(kind, info);
    for (const CircleDefaults& circle : kCircleDefaults) {
      if (circle.kind != kind) continue;
      info.SetFeed(L"%0.0f", this->*(circle.feed));
      info.SetRadius(L"%0.0f", this->*(circle.radius));
      info.m_strPlane = names[i];
    }
    info.LoadFiles(projectFolder, kind, machineType, names[i]);
    info.m_aryAxis.resize(axisNames.size());
  }
}

FileFault CProgramInfoAry::StageAll(CFileBatch& batch, const std::wstring& projectFolder, int machineType,
                                    const std::vector<std::wstring>& names) const {
  FileFault fault;
  for (std::size_t i = 0; fault.ok() && i < size(); ++i) {
    const CProgramInfo& info = (*this)[i];
    if (info.m_bSaveFiles == 1) fault = info.StageFiles(batch, machineType, projectFolder, names.at(i));
  }
  return fault;
}

void CProgramInfoAry::MarkAllWritten(int machineType) {
  for (CProgramInfo& info : *this) {
    if (info.m_bSaveFiles == 1) info.MarkFilesWritten(machineType);
  }
}

}  // namespace pf
