// The module's string table: every user-visible text by its string id.
#pragma once

#include <string>

namespace pf {

// The text of a string id; empty when the table has no such id.
std::wstring LoadResString(unsigned id);

// True when the table holds the id.
bool HasResString(unsigned id);

}  // namespace pf
