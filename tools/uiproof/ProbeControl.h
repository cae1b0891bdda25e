// A control of the proof's own window class, created at run time on the
// program page where the axis grid goes (CChildControl). A click reports
// Click to the page; the Return key reports the end of a cell edit (row 2,
// column 1) and shows the page's answer as the control's text.
#pragma once

#include "ui/ChildControl.h"

namespace pf::proof {

class ProbeControl : public CChildControl {
 public:
  const wchar_t* GetWindowClass() const override;
};

// Registers the window class for this module; false when it cannot.
bool RegisterProbeClass();

}  // namespace pf::proof
