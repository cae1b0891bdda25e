// Numbers as NC programs and the wizard's limit texts write them: an
// optional sign, digits, at most one decimal point ("100.", "-0.5", ".5",
// "12"), taken at face value.
#pragma once

#include <string>

namespace pf {

// True when the whole of `text` is such a number; its value in `value`.
bool ParseNcNumber(const std::wstring& text, double& value);

}  // namespace pf
