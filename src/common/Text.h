// Wide text and its 8-bit forms.
//
// Module text is std::wstring. The NC-interface library and the program files
// take 8-bit text: on Windows that is the thread's ANSI code page, on POSIX
// UTF-8. Generated programs are ASCII either way.
#pragma once

#include <string>
#include <vector>

namespace pf {

// Wide text to 8-bit text for the NC library and files (see above).
std::string ToNarrow(const std::wstring& text);

// 8-bit text (as above) to wide text.
std::wstring ToWide(const std::string& text);

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

// True when `text` contains the character `c`.
inline bool Contains(const std::wstring& text, wchar_t c) { return text.find(c) != std::wstring::npos; }

// The eleven characters that may not stand in a project or axis name.
extern const wchar_t kForbiddenNameChars[];

// True when the name is not empty and holds none of kForbiddenNameChars.
bool IsUsableName(const std::wstring& name);

// The index of the first entry equal to `item`; -1 when there is none.
int IndexOf(const std::vector<std::wstring>& list, const std::wstring& item);

}  // namespace pf
