// Reading wizard scripts: the text escapes, comments, and the line that an
// error is about. (What each step and check reads, item paths and button
// words too, is seen through the runner's tests: the driver calls and the
// checks it makes.)
#include <gtest/gtest.h>

#include <string>

#include "common/Text.h"
#include "tools/script/Script.h"

namespace pf {
namespace {

Script Parse(const std::string& text) {
  Script script;
  script.fileName = L"test.script";
  std::wstring error;
  EXPECT_TRUE(ParseScript(text, script, error)) << ToNarrow(error);
  return script;
}

TEST(ScriptParser, SkipsAByteOrderMarkCommentsAndBlankLinesAndTakesTextsWithEscapes) {
  const Script script = Parse("\xEF\xBB\xBF# heading\r\n\r\n  next   # to page 1\r\t# indented\n"
                              R"(type 35024 "a # b\r\nq\"uote\\ ")" "\n");
  ASSERT_EQ(script.commands.size(), 2u);
  EXPECT_EQ(script.commands[0].line, 3);
  EXPECT_EQ(script.commands[0].op, ScriptOp::Next);
  EXPECT_EQ(script.commands[1].line, 5);
  EXPECT_EQ(script.commands[1].text, L"a # b\r\nq\"uote\\ ");
  EXPECT_EQ(QuoteScriptText(script.commands[1].text), LR"("a # b\r\nq\"uote\\ ")");
}

struct ErrorCase {
  const char* text;
  const wchar_t* error;
};

constexpr ErrorCase kErrors[] = {
    {"jump 1", L"test.script:1: unknown step or check \"jump\""},
    {"next\nexpect colour 3", L"test.script:2: unknown step or check \"expect colour\""},
    {"click", L"test.script:1: usage: click <id>"},
    {"click abc", L"test.script:1: usage: click <id>"},
    {"next now", L"test.script:1: usage: next"},
    {"type 35027 Demo", L"test.script:1: usage: type <id> \"<text>\""},
    {"pick 35018 -1", L"test.script:1: usage: pick <id> <index>|\"<text>\""},
    {"answer maybe", L"test.script:1: usage: answer yes|no|ok"},
    {"expect buttons none next", L"test.script:1: usage: expect buttons back|next|finish ... | none"},
    {"expect buttons", L"test.script:1: usage: expect buttons back|next|finish ... | none"},
    {R"(expect file "a" like "b")",
     L"test.script:1: usage: expect file \"<path>\" \"<bytes>\" or expect file \"<path>\" same-as \"<file>\""},
    {"\n\ntype 1 \"open", L"test.script:3: a text without its closing quote"},
    {R"(type 1 "a\tb")", L"test.script:1: unknown escape \\t in a text"},
    {R"(type 1 "a"b)", L"test.script:1: a word or text must be followed by a blank"},
    {R"("next")", L"test.script:1: a line starts with a step or a check, not with a text"},
};

TEST(ScriptParser, NamesTheLineOfAnError) {
  for (const ErrorCase& c : kErrors) {
    SCOPED_TRACE(c.text);
    Script script;
    script.fileName = L"test.script";
    std::wstring error;
    EXPECT_FALSE(ParseScript(c.text, script, error));
    EXPECT_EQ(error, c.error);
  }
}

}  // namespace
}  // namespace pf
