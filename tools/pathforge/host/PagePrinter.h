// The demo's view of a headless run: the window in front as text (the page's
// title and subtitle, then every shown control with its text and state, a
// picture as its description, then the wizard's buttons), and the files a
// run wrote.
#pragma once

#include <ostream>
#include <string>

namespace pf {

class HeadlessUi;

void PrintFrontWindow(HeadlessUi& ui, std::ostream& out);

// Every file below `folder`, in name order, by its path relative to `base`
// (a folder that holds it, ending in a separator), with its text.
void PrintFiles(const std::wstring& base, const std::wstring& folder, std::ostream& out);

}  // namespace pf
