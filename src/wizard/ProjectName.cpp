// Which typed names can be project names (see ProjectName.h).
#include "wizard/ProjectName.h"

#include <algorithm>
#include <cwchar>

#include "common/CommitJournal.h"
#include "common/Format.h"
#include "common/Path.h"
#include "common/StringTable.h"
#include "common/Text.h"
#include "nclink/MachineAxes.h"
#include "program/ProgramKinds.h"

namespace pf {
namespace {

enum NameReason : unsigned {
  kReasonCharacters = 14060,  // one of the eleven characters
  kReasonDotNames = 14061,    // "." or ".."
  kReasonEnding = 14062,      // a dot or a blank at the end
  kReasonDevice = 14063,      // a device name
  kReasonControl = 14064,     // a control character
  kReasonTooLong = 14065,     // the longest program path would be too long
};

bool HasForbiddenCharacter(const std::wstring& name) { return !IsUsableName(name); }

bool IsControlCharacter(wchar_t c) { return c < L' ' || (c >= 0x7F && c <= 0x9F); }

bool HasControlCharacter(const std::wstring& name) { return std::any_of(name.begin(), name.end(), IsControlCharacter); }

bool IsDotName(const std::wstring& name) { return name == L"." || name == L".."; }

bool EndsInDotOrBlank(const std::wstring& name) { return name.back() == L'.' || name.back() == L' '; }

// The part before the first dot, without the blanks before that dot: what
// Windows compares with its device names.
std::wstring DeviceStem(const std::wstring& name) {
  std::wstring stem = name.substr(0, name.find(L'.'));
  stem.erase(stem.find_last_not_of(L' ') + 1);
  return stem;
}

// The digits of COM and LPT: 1 to 9, and the superscripts 1, 2 and 3.
bool IsPortDigit(wchar_t c) { return (c >= L'1' && c <= L'9') || c == L'\u00B9' || c == L'\u00B2' || c == L'\u00B3'; }

bool IsDeviceName(const std::wstring& name) {
  const std::wstring stem = DeviceStem(name);
  for (const wchar_t* device : {L"CON", L"PRN", L"AUX", L"NUL"}) {
    if (SameWithoutCase(stem, device)) return true;
  }
  const bool numbered = stem.size() == 4 && IsPortDigit(stem[3]);
  return numbered && (StartsWithoutCase(stem, L"COM") || StartsWithoutCase(stem, L"LPT"));
}

struct NameRule {
  bool (*breaks)(const std::wstring& name);  // takes a name that is not empty
  unsigned reasonId;
};

// In this order: the first rule a name breaks gives the reason shown.
constexpr NameRule kNameRules[] = {
    {HasForbiddenCharacter, kReasonCharacters},
    {HasControlCharacter, kReasonControl},
    {IsDotName, kReasonDotNames},
    {EndsInDotOrBlank, kReasonEnding},
    {IsDeviceName, kReasonDevice},
};

// A program file of the kind below its project folder, without the label:
// separator, kind folder, separator, the longest file name of the kind.
std::size_t LongestKindTail(int kind) {
  std::size_t longest = 0;
  for (int machineType : {kMachineLathe, kMachineCentre}) {
    int count = 0;
    const ProgramFileEntry* files = GetProgramFileTable(kind, machineType, count);
    for (int i = 0; files != nullptr && i < count; ++i) longest = std::max(longest, std::wcslen(files[i].fileName));
  }
  return 1 + GetProgramKindName(kind).size() + 1 + longest;
}

}  // namespace

ProjectNameVerdict JudgeFolderName(const std::wstring& name) {
  if (name.empty()) return {};
  for (const NameRule& rule : kNameRules) {
    if (rule.breaks(name)) return {false, rule.reasonId};
  }
  return {true, 0};
}

ProjectNameVerdict JudgeProjectName(const std::wstring& name, const std::wstring& parent) {
  const ProjectNameVerdict verdict = JudgeFolderName(name);
  const std::size_t fixed = parent.size() + 1 + LongestPathInProject();
  if (!verdict.usable || fixed + name.size() <= kMaxPathLength) return verdict;
  return {false, kReasonTooLong, static_cast<int>(kMaxPathLength) - static_cast<int>(fixed)};
}

std::wstring ProjectNameReason(const ProjectNameVerdict& verdict) {
  if (verdict.reasonId == 0) return std::wstring();
  const std::wstring text = LoadResString(verdict.reasonId);
  return verdict.reasonId == kReasonTooLong ? Format(text, std::max(verdict.longestName, 0)) : text;
}

std::size_t LongestPathInProject() {
  std::size_t longest = 0;
  for (int kind = 0; kind < kProgramKindCount; ++kind) {
    const std::size_t label = IsCircleKind(kind) ? kLongestPlaneLabel : kLongestAxisLabel;
    longest = std::max(longest, 1 + label + LongestKindTail(kind));
  }
  return longest + BatchSuffixLength();
}

}  // namespace pf
