// Runs code on the user-interface thread for the script thread, so that the
// script reads the C++ objects behind the windows (a grid's cells, a
// program record) without racing the handlers that change them. A
// message-only window of the UI thread runs each call when its loop takes
// the sent message.
#pragma once

#include <functional>

#include <windows.h>

namespace pf::proof {

class UiThreadCalls {
 public:
  // Makes the window on the calling thread (the UI thread).
  UiThreadCalls();
  ~UiThreadCalls();
  UiThreadCalls(const UiThreadCalls&) = delete;
  UiThreadCalls& operator=(const UiThreadCalls&) = delete;

  // Runs `call` on the UI thread and returns when it is done; false when it
  // threw or the window is missing.
  bool Run(const std::function<void()>& call) const;

 private:
  HWND window_ = nullptr;
};

}  // namespace pf::proof
