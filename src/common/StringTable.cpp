// String lookup from the shared list in res/strings.h.
#include "common/StringTable.h"

#include "res/strings.h"

#include <algorithm>
#include <iterator>

namespace pf {
namespace {

struct StringEntry {
  unsigned id;
  const wchar_t* text;
};

#define PF_STRING_ENTRY(id, text) {id, L"" text},
constexpr StringEntry kStrings[] = {PF_STRING_LIST(PF_STRING_ENTRY)};
#undef PF_STRING_ENTRY

const StringEntry* FindEntry(unsigned id) {
  auto it = std::find_if(std::begin(kStrings), std::end(kStrings),
                         [id](const StringEntry& e) { return e.id == id; });
  return it == std::end(kStrings) ? nullptr : it;
}

}  // namespace

std::wstring LoadResString(unsigned id) {
  const StringEntry* entry = FindEntry(id);
  return entry ? entry->text : L"";
}

bool HasResString(unsigned id) { return FindEntry(id) != nullptr; }

}  // namespace pf
