// Message boxes as the module shows them: a string id (or a text), an icon
// and OK or Yes/No buttons. Logic code calls ShowMessage; the user interface
// in force installs the sink that really shows the box (a window, a headless
// recorder, a batch tool's console).
#pragma once

#include <string>

namespace pf {

enum class MsgIcon { None, Error, Warning, Question };
enum class MsgButtons { Ok, YesNo };

// The platform's answers.
enum MsgAnswer : int { kAnswerOk = 1, kAnswerCancel = 2, kAnswerYes = 6, kAnswerNo = 7 };

struct MessageRequest {
  unsigned stringId = 0;   // 0 when the box shows `text` directly
  std::wstring text;       // the text shown (the string's text when stringId is set)
  MsgIcon icon = MsgIcon::None;
  MsgButtons buttons = MsgButtons::Ok;
  int defaultButton = 0;   // 0 first button, 1 second button
};

class IMessageSink {
 public:
  virtual ~IMessageSink() = default;
  // Shows the box and returns the answer (kAnswerOk, kAnswerYes, kAnswerNo).
  virtual int Show(const MessageRequest& request) = 0;
};

// The sink in force; a sink that answers every box with its default button
// and writes it to the standard error stream when none was installed.
IMessageSink& CurrentMessageSink();

// Installs a sink (nullptr restores the default) and returns the one before.
IMessageSink* SetMessageSink(IMessageSink* sink);

// Installs a sink for the lifetime of the object.
class ScopedMessageSink {
 public:
  explicit ScopedMessageSink(IMessageSink& sink) : previous_(SetMessageSink(&sink)) {}
  ~ScopedMessageSink() { SetMessageSink(previous_); }
  ScopedMessageSink(const ScopedMessageSink&) = delete;
  ScopedMessageSink& operator=(const ScopedMessageSink&) = delete;

 private:
  IMessageSink* previous_;
};

// Shows string `id` (its text from the string table).
int ShowMessage(unsigned id, MsgIcon icon, MsgButtons buttons = MsgButtons::Ok, int defaultButton = 0);

// Shows string `id` with the text made from it (its format filled in).
int ShowMessage(unsigned id, const std::wstring& text, MsgIcon icon, MsgButtons buttons = MsgButtons::Ok,
                int defaultButton = 0);

// Shows a text that is not in the string table.
int ShowMessageText(const std::wstring& text, MsgIcon icon, MsgButtons buttons = MsgButtons::Ok,
                    int defaultButton = 0);

}  // namespace pf
