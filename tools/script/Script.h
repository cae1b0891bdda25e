// Wizard scripts: what a person does on the wizard's windows and what they
// then see, one line each, in plain text that every user-interface backend
// runs the same way (the headless toolkit natively, real windows under the
// Windows host).
//
//   # the typical request
//   type 35027 "Demo"
//   next
//   pick 35018 1
//   expect buttons back next
//
// Words are separated by blanks; texts stand in double quotes with the
// escapes \r \n \" and \\; `#` outside a text starts a comment. The steps
// and checks are listed in README.md ("Wizard scripts").
#pragma once

#include <string>
#include <vector>

namespace pf {

enum class ScriptOp {
  // Steps: input a person gives.
  Type,        // type <id> "<text>"
  Click,       // click <id>
  Pick,        // pick <id> <index>|"<text>"
  Tick,        // tick <id> "<item path>"
  DoubleTick,  // doubletick <id> "<item path>"
  Select,      // select <id> "<item path>"
  TextClick,   // textclick <id> "<item path>"
  Key,         // key <id> space
  Cell,        // cell <id> <row> <column> "<text>"
  Focus,       // focus <id>
  Next,        // next
  Back,        // back
  Finish,      // finish
  Cancel,      // cancel
  // Lines that are neither input nor check.
  Answer,      // answer yes|no|ok: the answer to the next message box
  Screenshot,  // screenshot "<name>"
  // Checks: what the person sees.
  ExpectText,         // expect text <id> "<text>"
  ExpectEnabled,      // expect enabled <id>
  ExpectDisabled,     // expect disabled <id>
  ExpectVisible,      // expect visible <id>
  ExpectHidden,       // expect hidden <id>
  ExpectChecked,      // expect checked <id>
  ExpectUnchecked,    // expect unchecked <id>
  ExpectPage,         // expect page <sheet index>
  ExpectButtons,      // expect buttons back next finish ... | none
  ExpectMessage,      // expect message <string id> [naming "<part>"]|"<text>": the last box shown
  ExpectMessages,     // expect messages <count>: boxes shown so far
  ExpectFile,         // expect file "<path>" "<bytes>"
  ExpectFileSameAs,   // expect file "<path>" same-as "<file>"
  ExpectNoFile,       // expect no-file "<path>"
  ExpectClosed,       // expect closed finish|cancel
};

// The words of `answer`, `key` and `expect closed`, and the buttons of
// `expect buttons` (bits).
enum class ScriptAnswer { Yes, No, Ok };
enum class ScriptKey { Space };
enum class ScriptClose { Finish, Cancel };
enum ScriptButtons : unsigned { kScriptBack = 0x1, kScriptNext = 0x2, kScriptFinish = 0x4 };

struct ScriptCommand {
  int line = 0;
  ScriptOp op = ScriptOp::Next;
  int id = 0;            // the control id
  // Pick: the entry index; Cell: the row; ExpectPage: the sheet index;
  // ExpectMessage: the string id; ExpectMessages: the count; Answer, Key,
  // ExpectClosed: the word (ScriptAnswer, ScriptKey, ScriptClose);
  // ExpectButtons: the ScriptButtons bits.
  int number = 0;
  int column = 0;        // Cell: the column
  // The typed or expected text, the item path, the entry's or message's
  // text, the file path below the data folder, the screenshot's name.
  std::wstring text;
  // ExpectFile: the expected bytes; ExpectFileSameAs: the file holding them,
  // relative to the script's folder; ExpectMessage by id: a part of the
  // text that the message must hold (empty: any).
  std::wstring expected;
  bool byText = false;   // Pick, ExpectMessage: `text` names the entry or message
};

struct Script {
  std::wstring fileName;  // as given, for messages
  std::vector<ScriptCommand> commands;
};

// True for the ops that are input (the steps).
bool IsScriptStep(ScriptOp op);
// True for the steps that press a wizard button (next, back, finish, cancel).
bool IsScriptNavigation(ScriptOp op);

// Parses a script's 8-bit text (lines end at LF; a CR before it is dropped).
// False with a message "file:line: ..." at the first line that is not a
// step, a check, a comment or blank.
bool ParseScript(const std::string& bytes, Script& script, std::wstring& error);

// The script's form of a text: in double quotes, with the escapes.
std::wstring QuoteScriptText(const std::wstring& text);

// The button words of ScriptButtons bits: "back next", or "none".
std::wstring ScriptButtonWords(unsigned buttons);

// The segments of an item path "Parent text/Child text".
std::vector<std::wstring> SplitItemPath(const std::wstring& path);

}  // namespace pf
