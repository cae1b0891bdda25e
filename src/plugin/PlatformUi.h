// The toolkit backend that the wizard runs on for one StartIF.
//
// On Windows the module shows real windows: the plug-in brings its own Win32
// backend, installed for the lifetime of this object. Natively the host
// installs the backend (the headless one) in the platform layer that it
// shares with the plug-in, so nothing is installed here.
#pragma once

#include <memory>

namespace pf {

class PlatformUi {
 public:
  PlatformUi();
  ~PlatformUi();
  PlatformUi(const PlatformUi&) = delete;
  PlatformUi& operator=(const PlatformUi&) = delete;

 private:
  struct Backend;
  std::unique_ptr<Backend> backend_;
};

}  // namespace pf
