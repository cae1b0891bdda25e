// The NC values of the axis programs (see MachineValues.h).
#include "wizard/MachineValues.h"

#include "common/Format.h"
#include "nclink/NcReads.h"

namespace pf {
namespace {

// The feed of each axis kind: the axis's maximum speed, or for lost
// motion a fixed feed.
struct FeedRule {
  int kind;
  const wchar_t* fixedFeed;  // nullptr: the maximum speed
};
constexpr FeedRule kFeedRules[] = {
    {0, nullptr}, {1, nullptr}, {2, nullptr}, {3, nullptr}, {4, L"1000"}, {5, nullptr}, {6, nullptr},
};

// MAX_SPEED is read in kind 1 (acceleration parameters) and unit 1.
constexpr int32_t kAccelerationKind = 1;
constexpr int32_t kAccelerationUnit = 1;

struct AxisValues {
  std::wstring speed;
  std::wstring minus;
  std::wstring plus;
  bool minusRead;
  bool plusRead;
};

AxisValues ReadAxisValues(COVXIF& ovxIf, int axisCount, const std::wstring& label) {
  int32_t serial = 0;
  // The ends of serial axis 0, taken when no axis carries the label, are
  // not this axis's: they count as not read.
  const bool found = FindSerialAxis(ovxIf, axisCount, label, serial);
  int32_t system = 0;
  int32_t axis = 0;
  ovxIf.ConvertSerialAxisToSystemAxis(serial, system, axis);
  int32_t speed = 0;
  ovxIf.NcGetAccelerationParameter(kAccelerationKind, system, axis, kAccelerationUnit, L"MAX_SPEED", &speed);
  const StrokeEnds ends = ReadStrokeLimits(ovxIf, system, axis);
  return {Format(L"%d", speed), Format(L"%3.3f", ends.minus), Format(L"%3.3f", ends.plus), found && ends.minusRead,
          found && ends.plusRead};
}

}  // namespace

void FillMachineValues(COVXIF& ovxIf, const std::vector<std::wstring>& axisLabels, const ProgramLists& programs) {
  // An unreadable axis count stays 0: every axis then takes serial axis 0.
  int axisCount = 0;
  GetInformationCount(ovxIf, "AXISNUM", axisCount);
  for (std::size_t i = 0; i < axisLabels.size(); ++i) {
    const AxisValues values = ReadAxisValues(ovxIf, axisCount, axisLabels[i]);
    for (const FeedRule& rule : kFeedRules) {
      CProgramInfo& record = programs.at(static_cast<std::size_t>(rule.kind))->at(i);
      record.m_strFeed = rule.fixedFeed != nullptr ? rule.fixedFeed : values.speed;
      record.m_strLimitMinus = values.minus;
      record.m_strLimitPlus = values.plus;
      record.m_bLimitMinusRead = values.minusRead;
      record.m_bLimitPlusRead = values.plusRead;
    }
  }
}

}  // namespace pf
