// Moves the log viewer's window, when one is open, beside the wizard's
// window (ViewerPlacement.h says where). Windows only.
#pragma once

#include <string>
#include <thread>

#include <windows.h>

namespace pf {

// The string id of the wizard's title (also the plug-in's name).
inline constexpr unsigned kWizardCaption = 14001;

// The wizard is this process's shown window titled `wizardCaption`.
void PlaceViewerBesideWizard(const std::wstring& wizardCaption);

// A person's run: while the object lives, a thread of its own waits for the
// wizard to show and then places the viewer beside it, once, as a scripted
// run does. Destroying it (once StartIF has returned) ends the wait.
class ViewerBesideWizardOnceShown {
 public:
  explicit ViewerBesideWizardOnceShown(std::wstring wizardCaption);
  ~ViewerBesideWizardOnceShown();
  ViewerBesideWizardOnceShown(const ViewerBesideWizardOnceShown&) = delete;
  ViewerBesideWizardOnceShown& operator=(const ViewerBesideWizardOnceShown&) = delete;

 private:
  void Wait() const;

  const std::wstring caption_;
  HANDLE ended_;
  std::thread thread_;
};

}  // namespace pf
