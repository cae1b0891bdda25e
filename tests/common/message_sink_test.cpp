// Message boxes reach the sink in force; the default sink answers by itself.
#include "common/MessageSink.h"

#include <gtest/gtest.h>

#include <vector>

#include "common/StringTable.h"
#include "common/Text.h"

namespace pf {
namespace {

class RecordingSink : public IMessageSink {
 public:
  int Show(const MessageRequest& request) override {
    shown.push_back(request);
    return kAnswerNo;
  }
  std::vector<MessageRequest> shown;
};

TEST(MessageSink, ShowMessageSendsTheStringAndItsText) {
  RecordingSink sink;
  {
    ScopedMessageSink scope(sink);
    EXPECT_EQ(ShowMessage(12564, MsgIcon::Question, MsgButtons::YesNo, 1), kAnswerNo);
    EXPECT_EQ(ShowMessageText(L"Free text", MsgIcon::Error), kAnswerNo);
  }
  ASSERT_EQ(sink.shown.size(), 2u);
  EXPECT_EQ(sink.shown[0].stringId, 12564u);
  EXPECT_EQ(sink.shown[0].text, LoadResString(12564));
  EXPECT_FALSE(sink.shown[0].text.empty());
  EXPECT_EQ(sink.shown[0].icon, MsgIcon::Question);
  EXPECT_EQ(sink.shown[0].buttons, MsgButtons::YesNo);
  EXPECT_EQ(sink.shown[0].defaultButton, 1);
  EXPECT_EQ(sink.shown[1].stringId, 0u);
  EXPECT_EQ(sink.shown[1].text, L"Free text");
  EXPECT_EQ(sink.shown[1].buttons, MsgButtons::Ok);
  EXPECT_NE(&CurrentMessageSink(), &sink);  // the scope restored the default
}

TEST(MessageSink, DefaultSinkAnswersWithTheDefaultButton) {
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
