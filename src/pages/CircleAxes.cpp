// The axes of a circle plane (see CircleAxes.h).
#include "pages/CircleAxes.h"

#include <algorithm>
#include <iterator>

#include "common/Text.h"
#include "nclink/OvxContract.h"
#include "res/controls.h"

namespace pf {
namespace {

// The base axis parameter of each plane letter.
struct BaseAxis {
  wchar_t letter;
  const wchar_t* parameter;
};
constexpr BaseAxis kBaseAxes[] = {
    {L'I', L"BASE_I"},
    {L'J', L"BASE_J"},
    {L'K', L"BASE_K"},
};

// The text buffer of the base axis read.
constexpr std::size_t kParameterBufferSize = 32;

// The length of a label's prefix "$<digit>-" and of its letter pair.
constexpr std::size_t kPrefixLength = 3;
constexpr std::size_t kPairLength = 2;

std::wstring ReadBaseAxis(COVXIF& ovxIf, int32_t system, const wchar_t* parameter) {
  char buffer[kParameterBufferSize] = {};
  ovxIf.NcGetParameter(system, 0, parameter, buffer, ovx::kValueText);
  return ToWide(std::string(buffer, std::find(std::begin(buffer), std::end(buffer), '\0')));
}

}  // namespace

std::vector<std::wstring> GetCircleAxisLabels(COVXIF& ovxIf, const std::wstring& planeLabel) {
  const int32_t system = TextToInt(planeLabel.substr(std::min<std::size_t>(planeLabel.size(), 1), 1)) - 1;
  const std::wstring prefix = planeLabel.substr(0, kPrefixLength);
  const std::wstring pair = planeLabel.substr(planeLabel.size() - std::min(planeLabel.size(), kPairLength));
  std::vector<std::wstring> labels;
  for (wchar_t letter : pair) {
    const auto base = std::find_if(std::begin(kBaseAxes), std::end(kBaseAxes),
                                   [letter](const BaseAxis& b) { return b.letter == letter; });
    if (base != std::end(kBaseAxes)) {
      labels.push_back(prefix + ReadBaseAxis(ovxIf, system, base->parameter));
    }
  }
  return labels;
}

std::vector<ControlText> PlaneAxesTexts(const CPlaneArray& planes, const std::wstring& planeLabel) {
  CPlane plane;
  if (!planes.Find(planeLabel, plane)) {
    return {};
  }
  const CPlaneAxis& first = plane.m_axis[0];
  const CPlaneAxis& second = plane.m_axis[1];
  return {
      {PF_IDC_AXIS, first.m_strAxis},   {PF_IDC_MINUS, first.m_strMinusLimit},   {PF_IDC_PLUS, first.m_strPlusLimit},
      {PF_IDC_AXIS2, second.m_strAxis}, {PF_IDC_MINUS2, second.m_strMinusLimit}, {PF_IDC_PLUS2, second.m_strPlusLimit},
  };
}

}  // namespace pf
