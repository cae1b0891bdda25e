// Moves the log viewer's window, when one is open, beside the wizard's
// window (ViewerPlacement.h says where). Windows only.
#pragma once

#include <string>

namespace pf {

// The wizard is the window titled `wizardCaption`.
void PlaceViewerBesideWizard(const std::wstring& wizardCaption);

}  // namespace pf
