// The message sink in force, and the default one that answers by itself.
#include "common/MessageSink.h"

#include <cstdio>
#include <utility>

#include "common/Format.h"
#include "common/StringTable.h"
#include "common/Text.h"

namespace pf {
namespace {

const wchar_t* IconName(MsgIcon icon) {
  switch (icon) {
    case MsgIcon::Error:
      return L"error";
    case MsgIcon::Warning:
      return L"warning";
    case MsgIcon::Question:
      return L"question";
    default:
      return L"message";
  }
}

const wchar_t* AnswerName(int answer) {
  switch (answer) {
    case kAnswerYes:
      return L"Yes";
    case kAnswerNo:
      return L"No";
    default:
      return L"OK";
  }
}

// Answers every box with its default button, with no one to ask, and leaves
// one line on the standard error stream so that a run shows what it said.
class DefaultMessageSink : public IMessageSink {
 public:
  int Show(const MessageRequest& request) override {
    const int answer = request.buttons == MsgButtons::Ok ? kAnswerOk
                       : request.defaultButton == 0      ? kAnswerYes
                                                         : kAnswerNo;
    const std::wstring line =
        Format(L"%s %u: %s [%s]\n", IconName(request.icon), request.stringId, request.text, AnswerName(answer));
    std::fputs(ToNarrow(line).c_str(), stderr);
    return answer;
  }
};

DefaultMessageSink g_defaultSink;
IMessageSink* g_messageSink = nullptr;

int ShowRequest(MessageRequest request, MsgIcon icon, MsgButtons buttons, int defaultButton) {
  request.icon = icon;
  request.buttons = buttons;
  request.defaultButton = defaultButton;
  return CurrentMessageSink().Show(request);
}

}  // namespace

IMessageSink& CurrentMessageSink() {
  if (g_messageSink != nullptr) return *g_messageSink;
  return g_defaultSink;
}

IMessageSink* SetMessageSink(IMessageSink* sink) {
  IMessageSink* previous = g_messageSink;
  g_messageSink = sink;
  return previous;
}

int ShowMessage(unsigned id, MsgIcon icon, MsgButtons buttons, int defaultButton) {
  return ShowMessage(id, LoadResString(id), icon, buttons, defaultButton);
}

int ShowMessage(unsigned id, const std::wstring& text, MsgIcon icon, MsgButtons buttons, int defaultButton) {
  MessageRequest request;
  request.stringId = id;
  request.text = text;
  return ShowRequest(std::move(request), icon, buttons, defaultButton);
}

int ShowMessageText(const std::wstring& text, MsgIcon icon, MsgButtons buttons, int defaultButton) {
  MessageRequest request;
  request.text = text;
  return ShowRequest(std::move(request), icon, buttons, defaultButton);
}

}  // namespace pf
