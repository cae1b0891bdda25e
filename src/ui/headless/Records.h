// What the headless toolkit records while it runs, for tests and scripts to
// assert on: message boxes, abandoned handlers, rejected input and closed
// windows.
#pragma once

#include <string>

#include "common/MessageSink.h"
#include "ui/UiTypes.h"

namespace pf {

class CWnd;

struct MessageRecord {
  unsigned stringId = 0;
  std::wstring text;
  MsgIcon icon = MsgIcon::None;
  MsgButtons buttons = MsgButtons::Ok;
  int defaultButton = 0;
  int answer = 0;
  bool defaulted = false;   // no answer was queued: the default button answered
  int waitDepth = 0;        // nesting of the wait cursor while the box was shown (0: normal cursor)
};

// A handler that threw: the notification or call was abandoned.
struct AbandonedRecord {
  std::wstring where;       // "35020 clicked", "OnWizardNext", ...
  std::string what;         // the exception's text
};

// Input the toolkit refused, as the platform would have (hidden, disabled,
// missing control, no such item, ...).
struct RejectedRecord {
  std::wstring input;
  std::wstring reason;
};

struct ClosedRecord {
  const CWnd* window = nullptr;
  INT_PTR result = 0;
  bool inputRanOut = false; // closed as cancelled because the input source had nothing left
};

}  // namespace pf
