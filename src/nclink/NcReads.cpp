// NC reads shared by the wizard (see NcReads.h).
#include "nclink/NcReads.h"

#include <algorithm>
#include <iterator>

#include "common/Text.h"
#include "nclink/NcLimits.h"
#include "nclink/OvxContract.h"

namespace pf {
namespace {

// The text buffer of NcGetInformation.
constexpr std::size_t kInformationBufferSize = 32;

}  // namespace

int32_t GetInformationText(COVXIF& ovxIf, const char* item, int32_t index, std::wstring& text) {
  char buffer[kInformationBufferSize] = {};
  const int32_t status = ovxIf.NcGetInformation(item, buffer, index);
  text = ToWide(std::string(buffer, std::find(std::begin(buffer), std::end(buffer), '\0')));
  return status;
}

int32_t GetInformationNumber(COVXIF& ovxIf, const char* item, int32_t index, int& value) {
  std::wstring text;
  const int32_t status = GetInformationText(ovxIf, item, index, text);
  if (status == 0) {
    value = TextToInt(text);
  }
  return status;
}

int32_t GetInformationCount(COVXIF& ovxIf, const char* item, int& count) {
  int value = 0;
  const int32_t status = GetInformationNumber(ovxIf, item, 0, value);
  if (status != 0) {
    return status;
  }
  if (!IsUsableCount(value)) {
    return kNcCheckFailed;
  }
  count = value;
  return 0;
}

bool FindSerialAxis(COVXIF& ovxIf, int axisCount, const std::wstring& label, int32_t& serial) {
  for (int32_t candidate = 0; candidate < axisCount; ++candidate) {
    std::wstring candidateLabel;
    ovxIf.GetAxisLabel(candidate, candidateLabel);
    if (candidateLabel == label) {
      serial = candidate;
      return true;
    }
  }
  return false;
}

StrokeEnds ReadStrokeLimits(COVXIF& ovxIf, int32_t system, int32_t axis) {
  StrokeEnds ends;
  ends.minusRead = ovxIf.GetInformation(system, axis, "OT_MINUS", &ends.minus, ovx::kValueDouble) == 0;
  ends.plus = ends.minus;
  ends.plusRead = ovxIf.GetInformation(system, axis, "OT_PLUS", &ends.plus, ovx::kValueDouble) == 0;
  return ends;
}

}  // namespace pf
