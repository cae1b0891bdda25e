// The window that the module finds by its title (kLogViewerTitle): hidden,
// on a thread of its own, it does nothing but copy each copy-data record
// with its time of arrival into a queue, and tell the viewer's window once
// that records wait. The module's sends are synchronous, so they never wait
// for the list to be drawn.
//
// Which processes have the plug-in loaded is looked for when a module's load
// line comes, on a thread started for it: the sender surely still runs then,
// while a short run can end before the list is next drawn. Only Win32 code
// here.
#pragma once

#include <windows.h>

#include <cstdint>
#include <future>
#include <mutex>
#include <thread>
#include <vector>

#include "LogRecord.h"
#include "ModuleHosts.h"

namespace pf {

// The receiver's window class: how a second start of the viewer finds the
// running one (the do-nothing receiver has the same title, not this class).
inline constexpr wchar_t kReceiverClass[] = L"PathForgeLogReceiver";

struct Arrival {
  int64_t timeMs;
  LogRecord record;
  std::future<ModuleHosts> hosts;  // a load line's: the processes with the plug-in as it came
};

class RecordReceiver {
 public:
  RecordReceiver() = default;
  // Closes the window and ends the thread.
  ~RecordReceiver();
  RecordReceiver(const RecordReceiver&) = delete;
  RecordReceiver& operator=(const RecordReceiver&) = delete;

  // Starts the thread and its window; `notify` gets `message` posted when
  // records begin to wait. False when the window could not be made.
  bool Start(HWND notify, UINT message);

  // Takes every record waiting, in the order they came.
  std::vector<Arrival> Take();

 private:
  static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Run(HANDLE ready);
  void Queue(const COPYDATASTRUCT& data);

  HWND notify_ = nullptr;
  UINT message_ = 0;
  HWND window_ = nullptr;
  std::thread thread_;
  std::mutex mutex_;
  std::vector<Arrival> queue_;  // under mutex_
};

}  // namespace pf
