// The controller check from the host's communication settings.
#include "nclink/NcType.h"

#include <string>

namespace pf {
namespace {

// The controllers recognised by their model code and port.
struct KnownController {
  const wchar_t* controller;
  const wchar_t* port;
  int32_t type;
};

constexpr KnownController kKnownControllers[] = {
    {L"Q4RT", L"683", 0},
    {L"H52", L"64758", 1},
};

// Field `index` of a comma-separated text; runs of commas (also leading and
// trailing ones) separate like one. Empty when there is no such field.
std::wstring Field(const std::wstring& text, int index) {
  std::wstring::size_type end = 0;
  for (int i = 0;; ++i) {
    const std::wstring::size_type begin = text.find_first_not_of(L',', end);
    if (begin == std::wstring::npos) {
      return std::wstring();
    }
    end = text.find(L',', begin);
    if (i == index) {
      return text.substr(begin, end == std::wstring::npos ? std::wstring::npos : end - begin);
    }
    if (end == std::wstring::npos) {
      return std::wstring();
    }
  }
}

}  // namespace

int32_t GetNcType(COVXIF& ovxIf, int32_t& type) {
  int32_t status = 0;
  std::wstring controller;
  if (ovxIf.CommGetParameter("Controller", controller) != 0) {
    status = kNcCheckFailed;
  }
  std::wstring tcp;
  if (ovxIf.CommGetParameter("TCP", tcp) != 0) {
    status = kNcCheckFailed;
  }
  const std::wstring port = Field(tcp, 1);
  for (const KnownController& known : kKnownControllers) {
    if (controller == known.controller && port == known.port) {
      type = known.type;
      return status;
    }
  }
  int32_t twoPorts = 1;
  ovxIf.IsTwoPortSetting(&twoPorts);
  if (twoPorts == 1) {
    type = 0;
    return status;
  }
  type = -1;
  return kNcCheckFailed;
}

}  // namespace pf
