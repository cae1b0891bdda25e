// Reading wizard scripts: every step and check with its arguments, the text
// escapes, comments, and the line that an error is about.
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

struct LineCase {
  const char* line;
  ScriptOp op;
  int id;
  int number;
  int column;
  const wchar_t* text;
  const wchar_t* expected;
  bool byText;
};

constexpr LineCase kLines[] = {
    {R"(type 35027 "Demo")", ScriptOp::Type, 35027, 0, 0, L"Demo", L"", false},
    {"click 35020", ScriptOp::Click, 35020, 0, 0, L"", L"", false},
    {"pick 35018 1", ScriptOp::Pick, 35018, 1, 0, L"", L"", false},
    {R"(pick 35018 "Machining centre")", ScriptOp::Pick, 35018, 0, 0, L"Machining centre", L"", true},
    {R"(tick 35047 "Time constant/Axis $1-X")", ScriptOp::Tick, 35047, 0, 0, L"Time constant/Axis $1-X", L"", false},
    {R"(doubletick 35047 "Lost motion/Plane $1-IJ")", ScriptOp::DoubleTick, 35047, 0, 0, L"Lost motion/Plane $1-IJ",
     L"", false},
    {R"(select 35047 "Lost motion")", ScriptOp::Select, 35047, 0, 0, L"Lost motion", L"", false},
    {R"(textclick 35023 "A/B")", ScriptOp::TextClick, 35023, 0, 0, L"A/B", L"", false},
    {"key 35047 space", ScriptOp::Key, 35047, static_cast<int>(ScriptKey::Space), 0, L"", L"", false},
    {R"(cell 35017 2 1 "-10.5")", ScriptOp::Cell, 35017, 2, 1, L"-10.5", L"", false},
    {"focus 35045", ScriptOp::Focus, 35045, 0, 0, L"", L"", false},
    {"next", ScriptOp::Next, 0, 0, 0, L"", L"", false},
    {"back", ScriptOp::Back, 0, 0, 0, L"", L"", false},
    {"finish", ScriptOp::Finish, 0, 0, 0, L"", L"", false},
    {"cancel", ScriptOp::Cancel, 0, 0, 0, L"", L"", false},
    {"answer no", ScriptOp::Answer, 0, static_cast<int>(ScriptAnswer::No), 0, L"", L"", false},
    {"answer ok", ScriptOp::Answer, 0, static_cast<int>(ScriptAnswer::Ok), 0, L"", L"", false},
    {R"(screenshot "page 1")", ScriptOp::Screenshot, 0, 0, 0, L"page 1", L"", false},
    {R"(expect text 35045 "100")", ScriptOp::ExpectText, 35045, 0, 0, L"100", L"", false},
    {"expect enabled 35020", ScriptOp::ExpectEnabled, 35020, 0, 0, L"", L"", false},
    {"expect disabled 35020", ScriptOp::ExpectDisabled, 35020, 0, 0, L"", L"", false},
    {"expect visible 35007", ScriptOp::ExpectVisible, 35007, 0, 0, L"", L"", false},
    {"expect hidden 35007", ScriptOp::ExpectHidden, 35007, 0, 0, L"", L"", false},
    {"expect checked 35011", ScriptOp::ExpectChecked, 35011, 0, 0, L"", L"", false},
    {"expect unchecked 35011", ScriptOp::ExpectUnchecked, 35011, 0, 0, L"", L"", false},
    {"expect page 14", ScriptOp::ExpectPage, 0, 14, 0, L"", L"", false},
    {"expect buttons back finish", ScriptOp::ExpectButtons, 0, kScriptBack | kScriptFinish, 0, L"", L"", false},
    {"expect buttons none", ScriptOp::ExpectButtons, 0, 0, 0, L"", L"", false},
    {"expect message 14043", ScriptOp::ExpectMessage, 0, 14043, 0, L"", L"", false},
    {R"(expect message "NCType Not Found")", ScriptOp::ExpectMessage, 0, 0, 0, L"NCType Not Found", L"", true},
    {R"(expect message 12518 naming "G1aa.eia")", ScriptOp::ExpectMessage, 0, 12518, 0, L"", L"G1aa.eia", false},
    {"expect messages 2", ScriptOp::ExpectMessages, 0, 2, 0, L"", L"", false},
    {R"(expect file "Program/P/Project.dat" "[Machine]\r\n")", ScriptOp::ExpectFile, 0, 0, 0, L"Program/P/Project.dat",
     L"[Machine]\r\n", false},
    {R"(expect file "P/a.eia" same-as "golden/a.eia")", ScriptOp::ExpectFileSameAs, 0, 0, 0, L"P/a.eia",
     L"golden/a.eia", false},
    {R"(expect no-file "Program/P")", ScriptOp::ExpectNoFile, 0, 0, 0, L"Program/P", L"", false},
    {"expect closed cancel", ScriptOp::ExpectClosed, 0, static_cast<int>(ScriptClose::Cancel), 0, L"", L"", false},
};

TEST(ScriptParser, ReadsEveryStepAndCheck) {
  for (const LineCase& c : kLines) {
    SCOPED_TRACE(c.line);
    const Script script = Parse(c.line);
    ASSERT_EQ(script.commands.size(), 1u);
    const ScriptCommand& command = script.commands[0];
    EXPECT_EQ(command.line, 1);
    EXPECT_EQ(command.op, c.op);
    EXPECT_EQ(command.id, c.id);
    EXPECT_EQ(command.number, c.number);
    EXPECT_EQ(command.column, c.column);
    EXPECT_EQ(command.text, c.text);
    EXPECT_EQ(command.expected, c.expected);
    EXPECT_EQ(command.byText, c.byText);
    EXPECT_EQ(IsScriptStep(command.op), c.op <= ScriptOp::Cancel);
  }
}

TEST(ScriptParser, SkipsAByteOrderMarkCommentsAndBlankLinesAndKeepsLineNumbers) {
  const Script script = Parse("\xEF\xBB\xBF# heading\r\n\r\n  next   # to page 1\r\t# indented\nexpect page 1\n");
  ASSERT_EQ(script.commands.size(), 2u);
  EXPECT_EQ(script.commands[0].line, 3);
  EXPECT_EQ(script.commands[0].op, ScriptOp::Next);
  EXPECT_EQ(script.commands[1].line, 5);
}

TEST(ScriptParser, TextsKeepBlanksAndHashesAndTakeEscapes) {
  const Script script = Parse(R"(type 35024 "a # b\r\nq\"uote\\ ")" "\n");
  ASSERT_EQ(script.commands.size(), 1u);
  EXPECT_EQ(script.commands[0].text, L"a # b\r\nq\"uote\\ ");
  EXPECT_EQ(QuoteScriptText(script.commands[0].text), LR"("a # b\r\nq\"uote\\ ")");
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

TEST(ScriptParser, SplitsItemPathsAndNamesButtons) {
  EXPECT_EQ(SplitItemPath(L"Time constant/Axis $1-X"), (std::vector<std::wstring>{L"Time constant", L"Axis $1-X"}));
  EXPECT_EQ(SplitItemPath(L"Positioning"), (std::vector<std::wstring>{L"Positioning"}));
  EXPECT_EQ(ScriptButtonWords(kScriptNext | kScriptBack), L"back next");
  EXPECT_EQ(ScriptButtonWords(0), L"none");
}

}  // namespace
}  // namespace pf
