// Reading wizard scripts: the words and texts of a line, then the grammar
// table that says which arguments each step and check takes.
#include <algorithm>
#include <cwctype>
#include <iterator>

#include "common/Format.h"
#include "common/Text.h"
#include "tools/script/Script.h"

namespace pf {
namespace {

// One word or one quoted text of a line.
struct Token {
  bool quoted = false;
  std::wstring value;
};

// The arguments a line takes, one letter each:
//   i control id          n number             r row (into `number`)
//   c column              t text               e expected bytes (text)
//   s same-as "<file>"    x number or text     b button words (the rest)
//   a answer word         k key word           w closing word
//   m naming "<part of the text>" (into `expected`)
struct Grammar {
  const wchar_t* name;   // one word, or "expect" and the check's word
  ScriptOp op;
  const wchar_t* arguments;
  const wchar_t* usage;
};

constexpr Grammar kGrammar[] = {
    {L"type", ScriptOp::Type, L"it", L"type <id> \"<text>\""},
    {L"click", ScriptOp::Click, L"i", L"click <id>"},
    {L"pick", ScriptOp::Pick, L"ix", L"pick <id> <index>|\"<text>\""},
    {L"tick", ScriptOp::Tick, L"it", L"tick <id> \"<item path>\""},
    {L"doubletick", ScriptOp::DoubleTick, L"it", L"doubletick <id> \"<item path>\""},
    {L"select", ScriptOp::Select, L"it", L"select <id> \"<item path>\""},
    {L"textclick", ScriptOp::TextClick, L"it", L"textclick <id> \"<item path>\""},
    {L"key", ScriptOp::Key, L"ik", L"key <id> space"},
    {L"cell", ScriptOp::Cell, L"irct", L"cell <id> <row> <column> \"<text>\""},
    {L"focus", ScriptOp::Focus, L"i", L"focus <id>"},
    {L"next", ScriptOp::Next, L"", L"next"},
    {L"back", ScriptOp::Back, L"", L"back"},
    {L"finish", ScriptOp::Finish, L"", L"finish"},
    {L"cancel", ScriptOp::Cancel, L"", L"cancel"},
    {L"answer", ScriptOp::Answer, L"a", L"answer yes|no|ok"},
    {L"screenshot", ScriptOp::Screenshot, L"t", L"screenshot \"<name>\""},
    {L"expect text", ScriptOp::ExpectText, L"it", L"expect text <id> \"<text>\""},
    {L"expect enabled", ScriptOp::ExpectEnabled, L"i", L"expect enabled <id>"},
    {L"expect disabled", ScriptOp::ExpectDisabled, L"i", L"expect disabled <id>"},
    {L"expect visible", ScriptOp::ExpectVisible, L"i", L"expect visible <id>"},
    {L"expect hidden", ScriptOp::ExpectHidden, L"i", L"expect hidden <id>"},
    {L"expect checked", ScriptOp::ExpectChecked, L"i", L"expect checked <id>"},
    {L"expect unchecked", ScriptOp::ExpectUnchecked, L"i", L"expect unchecked <id>"},
    {L"expect page", ScriptOp::ExpectPage, L"n", L"expect page <sheet index>"},
    {L"expect buttons", ScriptOp::ExpectButtons, L"b", L"expect buttons back|next|finish ... | none"},
    {L"expect message", ScriptOp::ExpectMessage, L"x", L"expect message <string id>|\"<text>\""},
    {L"expect message", ScriptOp::ExpectMessage, L"nm", L"expect message <string id> naming \"<text>\""},
    {L"expect messages", ScriptOp::ExpectMessages, L"n", L"expect messages <count>"},
    {L"expect file", ScriptOp::ExpectFile, L"te", L"expect file \"<path>\" \"<bytes>\""},
    {L"expect file", ScriptOp::ExpectFileSameAs, L"ts", L"expect file \"<path>\" same-as \"<file>\""},
    {L"expect no-file", ScriptOp::ExpectNoFile, L"t", L"expect no-file \"<path>\""},
    {L"expect closed", ScriptOp::ExpectClosed, L"w", L"expect closed finish|cancel"},
};

struct Keyword {
  const wchar_t* word;
  int value;
};

constexpr Keyword kAnswers[] = {
    {L"yes", static_cast<int>(ScriptAnswer::Yes)},
    {L"no", static_cast<int>(ScriptAnswer::No)},
    {L"ok", static_cast<int>(ScriptAnswer::Ok)},
};
constexpr Keyword kKeys[] = {{L"space", static_cast<int>(ScriptKey::Space)}};
constexpr Keyword kClosings[] = {
    {L"finish", static_cast<int>(ScriptClose::Finish)},
    {L"cancel", static_cast<int>(ScriptClose::Cancel)},
};
constexpr Keyword kButtonWords[] = {{L"back", kScriptBack}, {L"next", kScriptNext}, {L"finish", kScriptFinish}};

struct Escape {
  wchar_t written;
  wchar_t meant;
};

constexpr Escape kEscapes[] = {{L'r', L'\r'}, {L'n', L'\n'}, {L'"', L'"'}, {L'\\', L'\\'}};

// A quoted text from the opening quote at `pos`; `pos` ends after the
// closing quote.
bool ReadText(const std::wstring& line, std::size_t& pos, std::wstring& text, std::wstring& error) {
  for (++pos; pos < line.size(); ++pos) {
    const wchar_t c = line[pos];
    if (c == L'"') {
      ++pos;
      return true;
    }
    if (c != L'\\') {
      text += c;
      continue;
    }
    if (++pos == line.size()) break;
    const auto* escape = std::find_if(std::begin(kEscapes), std::end(kEscapes),
                                      [&](const Escape& e) { return e.written == line[pos]; });
    if (escape == std::end(kEscapes)) {
      error = Format(L"unknown escape \\%c in a text", line[pos]);
      return false;
    }
    text += escape->meant;
  }
  error = L"a text without its closing quote";
  return false;
}

bool Tokenize(const std::wstring& line, std::vector<Token>& tokens, std::wstring& error) {
  std::size_t pos = 0;
  while (pos < line.size()) {
    if (IsBlank(line[pos])) {
      ++pos;
      continue;
    }
    if (line[pos] == L'#') break;
    Token token;
    if (line[pos] == L'"') {
      token.quoted = true;
      if (!ReadText(line, pos, token.value, error)) return false;
    } else {
      while (pos < line.size() && !IsBlank(line[pos]) && line[pos] != L'"') token.value += line[pos++];
    }
    if (pos < line.size() && !IsBlank(line[pos])) {
      error = L"a word or text must be followed by a blank";
      return false;
    }
    tokens.push_back(std::move(token));
  }
  return true;
}

// A number of decimal digits that fits 32 bits.
bool ReadNumber(const Token& token, int& value) {
  if (token.quoted || token.value.empty() || token.value.size() > 9) return false;
  if (!std::all_of(token.value.begin(), token.value.end(), [](wchar_t c) { return std::iswdigit(c) != 0; }))
    return false;
  value = TextToInt(token.value);
  return true;
}

template <std::size_t N>
bool ReadKeyword(const Token& token, const Keyword (&words)[N], int& value) {
  if (token.quoted) return false;
  const auto* word =
      std::find_if(std::begin(words), std::end(words), [&](const Keyword& k) { return token.value == k.word; });
  if (word == std::end(words)) return false;
  value = word->value;
  return true;
}

// The button words up to the end of the line: at least one, or "none" alone.
bool ReadButtons(const std::vector<Token>& tokens, std::size_t& next, int& bits) {
  if (next == tokens.size()) return false;
  if (!tokens[next].quoted && tokens[next].value == L"none") {
    bits = 0;
    return ++next == tokens.size();
  }
  bits = 0;
  for (; next < tokens.size(); ++next) {
    int bit = 0;
    if (!ReadKeyword(tokens[next], kButtonWords, bit)) return false;
    bits |= bit;
  }
  return true;
}

// Reads the arguments of `grammar` from tokens[next...]; every token must be used.
bool ReadArguments(const Grammar& grammar, const std::vector<Token>& tokens, std::size_t next,
                   ScriptCommand& command) {
  for (const wchar_t* kind = grammar.arguments; *kind != 0; ++kind) {
    if (*kind == L'b') {
      if (!ReadButtons(tokens, next, command.number)) return false;
      continue;
    }
    if (next == tokens.size()) return false;
    const Token& token = tokens[next++];
    bool ok = false;
    switch (*kind) {
      case L'i':
        ok = ReadNumber(token, command.id);
        break;
      case L'n':
      case L'r':
        ok = ReadNumber(token, command.number);
        break;
      case L'c':
        ok = ReadNumber(token, command.column);
        break;
      case L't':
        ok = token.quoted;
        command.text = token.value;
        break;
      case L'e':
        ok = token.quoted;
        command.expected = token.value;
        break;
      case L's':
      case L'm':
        ok = !token.quoted && token.value == (*kind == L's' ? L"same-as" : L"naming") && next < tokens.size() &&
             tokens[next].quoted;
        if (ok) command.expected = tokens[next++].value;
        break;
      case L'x':
        command.byText = token.quoted;
        if (token.quoted) command.text = token.value;
        ok = token.quoted || ReadNumber(token, command.number);
        break;
      case L'a':
        ok = ReadKeyword(token, kAnswers, command.number);
        break;
      case L'k':
        ok = ReadKeyword(token, kKeys, command.number);
        break;
      case L'w':
        ok = ReadKeyword(token, kClosings, command.number);
        break;
      default:
        break;
    }
    if (!ok) return false;
  }
  return next == tokens.size();
}

// One line's command; false with the reason.
bool ParseLine(const std::vector<Token>& tokens, ScriptCommand& command, std::wstring& error) {
  if (tokens[0].quoted) {
    error = L"a line starts with a step or a check, not with a text";
    return false;
  }
  std::wstring name = tokens[0].value;
  std::size_t next = 1;
  if (name == L"expect" && tokens.size() > 1 && !tokens[1].quoted) {
    name += L" " + tokens[1].value;
    next = 2;
  }
  std::wstring usage;
  for (const Grammar& grammar : kGrammar) {
    if (name != grammar.name) continue;
    ScriptCommand candidate = command;
    candidate.op = grammar.op;
    if (ReadArguments(grammar, tokens, next, candidate)) {
      command = std::move(candidate);
      return true;
    }
    usage += (usage.empty() ? L"" : L" or ") + std::wstring(grammar.usage);
  }
  error = usage.empty() ? Format(L"unknown step or check \"%s\"", name) : L"usage: " + usage;
  return false;
}

}  // namespace

bool IsScriptStep(ScriptOp op) { return op <= ScriptOp::Cancel; }

bool IsScriptNavigation(ScriptOp op) { return op >= ScriptOp::Next && op <= ScriptOp::Cancel; }

bool ParseScript(const std::string& bytes, Script& script, std::wstring& error) {
  script.commands.clear();
  const std::vector<TextLine> lines = SplitLines(bytes);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    const int line = static_cast<int>(i) + 1;
    std::vector<Token> tokens;
    std::wstring reason;
    ScriptCommand command;
    command.line = line;
    const std::wstring text = FromUtf8(LineText(bytes, lines[i]));
    if (!Tokenize(text, tokens, reason) || (!tokens.empty() && !ParseLine(tokens, command, reason))) {
      error = Format(L"%s:%d: %s", script.fileName, line, reason);
      return false;
    }
    if (!tokens.empty()) script.commands.push_back(std::move(command));
  }
  return true;
}

std::wstring QuoteScriptText(const std::wstring& text) {
  std::wstring quoted = L"\"";
  for (wchar_t c : text) {
    const auto* escape =
        std::find_if(std::begin(kEscapes), std::end(kEscapes), [c](const Escape& e) { return e.meant == c; });
    if (escape == std::end(kEscapes)) {
      quoted += c;
    } else {
      quoted += L'\\';
      quoted += escape->written;
    }
  }
  return quoted + L"\"";
}

std::wstring ScriptButtonWords(unsigned buttons) {
  std::wstring words;
  for (const Keyword& button : kButtonWords) {
    if ((buttons & static_cast<unsigned>(button.value)) != 0) {
      words += (words.empty() ? L"" : L" ") + std::wstring(button.word);
    }
  }
  return words.empty() ? L"none" : words;
}

std::vector<std::wstring> SplitItemPath(const std::wstring& path) {
  std::vector<std::wstring> segments;
  std::size_t start = 0;
  for (;;) {
    const std::size_t slash = path.find(L'/', start);
    segments.push_back(path.substr(start, slash == std::wstring::npos ? std::wstring::npos : slash - start));
    if (slash == std::wstring::npos) return segments;
    start = slash + 1;
  }
}

}  // namespace pf
