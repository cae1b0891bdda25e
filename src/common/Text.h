// Wide text and its 8-bit forms.
//
// Module text is std::wstring. The NC-interface library and the program files
// take 8-bit text: on Windows that is the thread's ANSI code page, on POSIX
// UTF-8. Generated programs are ASCII either way.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pf {

// Wide text to 8-bit text for the NC library and files (see above).
std::string ToNarrow(const std::wstring& text);

// 8-bit text (as above) to wide text.
std::wstring ToWide(const std::string& text);

// UTF-8 bytes of a wide text (UTF-16 or UTF-32 alike; a lone surrogate
// becomes U+FFFD), and wide text of UTF-8 bytes (a byte that starts no
// well-formed sequence becomes U+FFFD). On every build: wizard scripts and
// the log viewer's text files are UTF-8 on Windows too.
std::string ToUtf8(const std::wstring& text);
std::wstring FromUtf8(std::string_view bytes);

// UTF-16 code units of a wide text, whatever the width of wchar_t: the log
// records carry UTF-16LE on every build.
std::u16string ToUtf16(const std::wstring& text);
std::wstring FromUtf16(const std::u16string& text);

// The standard wide-text-to-double conversion: after optional blanks and one
// optional sign, the leading decimal, hexadecimal ("0x"), infinity or NaN
// number of the text; 0.0 when there is none. Always in the C locale.
double TextToDouble(const std::wstring& text);

// The standard text-to-integer conversion: optional blanks, optional sign,
// leading digits; 0 when there are none. Values beyond 32 bits saturate.
int TextToInt(const std::wstring& text);

// The blanks of the C library in the C locale: space, tab, line feed,
// vertical tab, form feed and carriage return.
constexpr bool IsBlank(wchar_t c) { return c == L' ' || (c >= L'\t' && c <= L'\r'); }
constexpr bool IsBlank(char c) { return IsBlank(static_cast<wchar_t>(static_cast<unsigned char>(c))); }

// The text without the characters at both ends for which `trimmed` holds
// (blanks unless told otherwise).
std::string_view Trim(std::string_view text, bool (*trimmed)(char) = IsBlank);
std::wstring Trim(const std::wstring& text);

// Names compared without regard to case: 8-bit text by its ASCII letters
// alone (the bytes of UTF-8 or a code page are not letters of their own),
// wide text as the C library's towlower folds it.
bool SameWithoutCase(std::string_view a, std::string_view b);
bool SameWithoutCase(std::wstring_view a, std::wstring_view b);

// True when `text` starts with `prefix`, compared without case as above.
bool StartsWithoutCase(std::wstring_view text, std::wstring_view prefix);

// One line of an 8-bit text, as offsets into it: the line's bytes run from
// `begin` to `end`, its line end (if any) from `end` to `next`.
struct TextLine {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::size_t next = 0;
};

// What a UTF-8 byte-order mark at the start of a text is.
enum class ByteOrderMark {
  Skip,    // a mark, not part of the first line (the module's own readers)
  IsText,  // bytes of the first line (Windows' private-profile functions)
};

// Cuts a text into lines, which end at CR LF, LF or a CR alone; a last line
// without a line end counts, an empty text has no lines. Line i (from 0) is
// line number i + 1 of every message about the text.
std::vector<TextLine> SplitLines(std::string_view text, ByteOrderMark mark = ByteOrderMark::Skip);

// The bytes of a line.
inline std::string_view LineText(std::string_view text, const TextLine& line) {
  return text.substr(line.begin, line.end - line.begin);
}

// True when `text` contains the character `c`.
inline bool Contains(const std::wstring& text, wchar_t c) { return text.find(c) != std::wstring::npos; }

// The eleven characters that may not stand in a project or axis name.
extern const wchar_t kForbiddenNameChars[];

// True when the name is not empty and holds none of kForbiddenNameChars.
bool IsUsableName(const std::wstring& name);

// The index of the first entry equal to `item`; -1 when there is none.
int IndexOf(const std::vector<std::wstring>& list, const std::wstring& item);

}  // namespace pf
