// Boxes reach the sink in force until its scope ends; the default sink then
// answers by itself. (What the boxes hold is seen through the page and sheet
// tests' own sinks.)
#include "common/MessageSink.h"

#include <gtest/gtest.h>

#include "common/StringTable.h"
#include "common/Text.h"

namespace pf {
namespace {

class SilentSink : public IMessageSink {
 public:
  int Show(const MessageRequest&) override { return kAnswerNo; }
};

TEST(MessageSink, TheDefaultSinkAnswersWithTheDefaultButtonOnceAScopedSinkEnded) {
  SilentSink silent;
  {
    ScopedMessageSink scope(silent);
    EXPECT_EQ(ShowMessage(12538, MsgIcon::Error), kAnswerNo);
  }
  const std::string text = ToNarrow(LoadResString(12538));
  const struct {
    MsgButtons buttons;
    int defaultButton;
    int answer;
    const char* shown;
  } rows[] = {
      {MsgButtons::Ok, 0, kAnswerOk, "OK"},
      {MsgButtons::YesNo, 0, kAnswerYes, "Yes"},
      {MsgButtons::YesNo, 1, kAnswerNo, "No"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.shown);
    testing::internal::CaptureStderr();
    EXPECT_EQ(ShowMessage(12538, MsgIcon::Error, row.buttons, row.defaultButton), row.answer);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "error 12538: " + text + " [" + row.shown + "]\n");
  }
}

}  // namespace
}  // namespace pf
