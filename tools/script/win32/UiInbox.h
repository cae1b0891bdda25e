// Only Win32 code here. UiInbox: a message-only window of the thread that
// runs the wizard (the UI thread), through which the script thread has its
// inputs carried out there: each call is posted, so it runs when the UI
// thread's loop takes it, between the wizard's own messages, as a person's
// input does. The script thread stays free meanwhile, to answer a message
// box that the input opened.
//
//   UiInbox inbox;                                  // on the UI thread
//   auto call = inbox.Post([=] { ...; return std::wstring(); });   // on the script thread
//   while (!call->done) ...                         // answer boxes, time out
//
// A call shares nothing with the thread that posted it but its own UiCall,
// so a call that runs after its poster gave up on it does no harm.
#pragma once

#include <atomic>
#include <functional>
#include <memory>
#include <string>

#include <windows.h>

namespace pf {

struct UiCall {
  // Runs on the UI thread: an empty text, or why the input was not carried
  // out.
  std::function<std::wstring()> run;
  std::wstring failure;     // valid once done
  std::atomic<bool> done{false};
};

class UiInbox {
 public:
  // Makes the window; call on the UI thread.
  UiInbox();
  ~UiInbox();
  UiInbox(const UiInbox&) = delete;
  UiInbox& operator=(const UiInbox&) = delete;

  // Posts `run` to the UI thread. A call that throws is done with the
  // exception's text as its failure; nothing crosses the window procedure.
  // Null when the window is missing or the post failed.
  std::shared_ptr<UiCall> Post(std::function<std::wstring()> run) const;

 private:
  static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
};

}  // namespace pf
