// Which typed names can be project names (see ProjectName.h).
#include "wizard/ProjectName.h"

#include "common/Text.h"

namespace pf {
namespace {

enum NameReason : unsigned {
  kReasonCharacters = 14060,  // one of the eleven characters
  kReasonDotNames = 14061,    // "." or ".."
  kReasonEnding = 14062,      // a dot or a blank at the end
  kReasonDevice = 14063,      // a device name
};

bool HasForbiddenCharacter(const std::wstring& name) { return !IsUsableName(name); }

bool IsDotName(const std::wstring& name) { return name == L"." || name == L".."; }

bool EndsInDotOrBlank(const std::wstring& name) { return name.back() == L'.' || name.back() == L' '; }

wchar_t AsciiUpper(wchar_t c) { return c >= L'a' && c <= L'z' ? static_cast<wchar_t>(c - L'a' + L'A') : c; }

// The part before the first dot, without the blanks before that dot, in
// upper case: what Windows compares with its device names.
std::wstring DeviceStem(const std::wstring& name) {
  std::wstring stem = name.substr(0, name.find(L'.'));
  stem.erase(stem.find_last_not_of(L' ') + 1);
  for (wchar_t& c : stem) c = AsciiUpper(c);
  return stem;
}

bool IsDeviceName(const std::wstring& name) {
  const std::wstring stem = DeviceStem(name);
  for (const wchar_t* device : {L"CON", L"PRN", L"AUX", L"NUL"}) {
    if (stem == device) return true;
  }
  const bool numbered = stem.size() == 4 && stem[3] >= L'1' && stem[3] <= L'9';
  return numbered && (stem.compare(0, 3, L"COM") == 0 || stem.compare(0, 3, L"LPT") == 0);
}

struct NameRule {
  bool (*breaks)(const std::wstring& name);  // takes a name that is not empty
  unsigned reasonId;
};

// In this order: the first rule a name breaks gives the reason shown.
constexpr NameRule kNameRules[] = {
    {HasForbiddenCharacter, kReasonCharacters},
    {IsDotName, kReasonDotNames},
    {EndsInDotOrBlank, kReasonEnding},
    {IsDeviceName, kReasonDevice},
};

}  // namespace

ProjectNameVerdict JudgeProjectName(const std::wstring& name) {
  if (name.empty()) return {};
  for (const NameRule& rule : kNameRules) {
    if (rule.breaks(name)) return {false, rule.reasonId};
  }
  return {true, 0};
}

}  // namespace pf
