// Text helpers that are the same on every build: UTF-16 code units, the
// standard number conversions, trimming, comparing without case, lines and
// the name check.
#include "common/Text.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cctype>
#include <cmath>
#include <cwctype>

namespace pf {
namespace {

constexpr char32_t kFirstHighSurrogate = 0xD800;
constexpr char32_t kFirstLowSurrogate = 0xDC00;
constexpr char32_t kPastLowSurrogate = 0xE000;

bool IsHighSurrogate(char32_t c) { return c >= kFirstHighSurrogate && c < kFirstLowSurrogate; }
bool IsLowSurrogate(char32_t c) { return c >= kFirstLowSurrogate && c < kPastLowSurrogate; }

bool IsDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

// Skips blanks and reads an optional sign; returns true for '-'.
bool SkipBlanksAndSign(const std::wstring& text, std::size_t& pos) {
  while (pos < text.size() && IsBlank(text[pos])) ++pos;
  if (pos < text.size() && (text[pos] == L'+' || text[pos] == L'-')) return text[pos++] == L'-';
  return false;
}

// The ASCII run of the text from `pos`: the only characters a number can use.
std::string AsciiRun(const std::wstring& text, std::size_t pos) {
  std::string run;
  for (; pos < text.size() && text[pos] > 0 && text[pos] < 0x80; ++pos) run += static_cast<char>(text[pos]);
  return run;
}

// How a number is written: decimal with an "e" exponent of ten, or
// hexadecimal (after "0x") with a "p" exponent of two.
struct Notation {
  std::chars_format format;
  char exponent;
  int bitsPerDigit;  // 0: decimal digits
};

constexpr Notation kDecimal{std::chars_format::general, 'e', 0};
constexpr Notation kHexadecimal{std::chars_format::hex, 'p', 4};

// For a number that a double cannot hold: true when it is too large (the
// conversion gives infinity), false when too small (it gives zero). Decided by
// the position of its first significant digit, in powers of ten for decimals
// and of two for hexadecimals.
bool IsTooLarge(std::string_view number, const Notation& notation) {
  long long scale = 0;
  bool point = false;
  bool significant = false;
  std::size_t pos = 0;
  for (; pos < number.size() && std::tolower(static_cast<unsigned char>(number[pos])) != notation.exponent; ++pos) {
    const char c = number[pos];
    if (c == '.') {
      point = true;
    } else if (significant || c != '0') {
      significant = true;
      if (!point) ++scale;
    } else if (point) {
      --scale;
    }
  }
  if (notation.bitsPerDigit != 0) scale *= notation.bitsPerDigit;
  if (pos + 1 >= number.size()) return scale > 0;
  const bool negativeExponent = number[pos + 1] == '-';
  const std::size_t digits = pos + 1 + (number[pos + 1] == '+' || negativeExponent ? 1 : 0);
  long long exponent = 0;
  if (std::from_chars(number.data() + digits, number.data() + number.size(), exponent).ec != std::errc())
    return !negativeExponent;
  return scale + (negativeExponent ? -exponent : exponent) > 0;
}

// "0x" or "0X" followed by a hexadecimal digit or a point and one.
bool HasHexPrefix(const std::string& run) {
  if (run.size() < 3 || run[0] != '0' || (run[1] != 'x' && run[1] != 'X')) return false;
  const std::size_t digit = run[2] == '.' ? 3 : 2;
  return digit < run.size() && std::isxdigit(static_cast<unsigned char>(run[digit])) != 0;
}

constexpr std::string_view kUtf8ByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kLineEndBytes = "\r\n";

char AsciiLower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

wchar_t WideLower(wchar_t c) { return static_cast<wchar_t>(std::towlower(static_cast<std::wint_t>(c))); }

template <class Char, class Trimmed>
std::basic_string_view<Char> TrimView(std::basic_string_view<Char> text, Trimmed trimmed) {
  while (!text.empty() && trimmed(text.front())) text.remove_prefix(1);
  while (!text.empty() && trimmed(text.back())) text.remove_suffix(1);
  return text;
}

template <class Char, Char (*Fold)(Char)>
bool SameFolded(std::basic_string_view<Char> a, std::basic_string_view<Char> b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](Char x, Char y) { return Fold(x) == Fold(y); });
}

}  // namespace

std::string_view Trim(std::string_view text, bool (*trimmed)(char)) { return TrimView(text, trimmed); }

std::wstring Trim(const std::wstring& text) {
  return std::wstring(TrimView(std::wstring_view(text), [](wchar_t c) { return IsBlank(c); }));
}

bool SameWithoutCase(std::string_view a, std::string_view b) { return SameFolded<char, AsciiLower>(a, b); }

bool SameWithoutCase(std::wstring_view a, std::wstring_view b) { return SameFolded<wchar_t, WideLower>(a, b); }

bool StartsWithoutCase(std::wstring_view text, std::wstring_view prefix) {
  return text.size() >= prefix.size() && SameWithoutCase(text.substr(0, prefix.size()), prefix);
}

std::vector<TextLine> SplitLines(std::string_view text, ByteOrderMark mark) {
  std::vector<TextLine> lines;
  std::size_t begin = 0;
  if (mark == ByteOrderMark::Skip && text.substr(0, kUtf8ByteOrderMark.size()) == kUtf8ByteOrderMark)
    begin = kUtf8ByteOrderMark.size();
  while (begin < text.size()) {
    TextLine line;
    line.begin = begin;
    line.end = std::min(text.find_first_of(kLineEndBytes, begin), text.size());
    line.next = line.end;
    if (line.next < text.size()) line.next += text.substr(line.next, 2) == kLineEndBytes ? 2 : 1;
    lines.push_back(line);
    begin = line.next;
  }
  return lines;
}

std::u16string ToUtf16(const std::wstring& text) {
  if constexpr (sizeof(wchar_t) == sizeof(char16_t)) return std::u16string(text.begin(), text.end());
  std::u16string out;
  out.reserve(text.size());
  for (wchar_t w : text) {
    const char32_t c = static_cast<char32_t>(w);
    if (c < 0x10000) {
      out += static_cast<char16_t>(c);
    } else if (c < 0x110000) {
      out += static_cast<char16_t>(kFirstHighSurrogate + ((c - 0x10000) >> 10));
      out += static_cast<char16_t>(kFirstLowSurrogate + ((c - 0x10000) & 0x3FF));
    } else {
      out += u'\xFFFD';
    }
  }
  return out;
}

std::wstring FromUtf16(const std::u16string& text) {
  if constexpr (sizeof(wchar_t) == sizeof(char16_t)) return std::wstring(text.begin(), text.end());
  std::wstring out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char32_t c = text[i];
    if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1])) {
      out += static_cast<wchar_t>(0x10000 + ((c - kFirstHighSurrogate) << 10) + (text[++i] - kFirstLowSurrogate));
    } else {
      out += static_cast<wchar_t>(c);  // a lone surrogate is kept as it is
    }
  }
  return out;
}

// One sign only: the number itself starts with a digit, a point, or the
// letters of "inf" and "nan"; the digits of "0x" start after the prefix.
double TextToDouble(const std::wstring& text) {
  std::size_t pos = 0;
  const bool negative = SkipBlanksAndSign(text, pos);
  std::string run = AsciiRun(text, pos);
  if (run.empty() || run[0] == '+' || run[0] == '-') return 0.0;
  const bool hex = HasHexPrefix(run);
  const Notation& notation = hex ? kHexadecimal : kDecimal;
  if (hex) run.erase(0, 2);
  double value = 0.0;
  const auto result = std::from_chars(run.data(), run.data() + run.size(), value, notation.format);
  if (result.ec == std::errc::invalid_argument) return 0.0;
  if (result.ec == std::errc::result_out_of_range)
    value = IsTooLarge(std::string_view(run.data(), result.ptr - run.data()), notation) ? HUGE_VAL : 0.0;
  return negative ? -value : value;
}

int TextToInt(const std::wstring& text) {
  std::size_t pos = 0;
  const bool negative = SkipBlanksAndSign(text, pos);
  const long long limit = negative ? -static_cast<long long>(INT_MIN) : INT_MAX;
  long long value = 0;
  for (; pos < text.size() && IsDigit(text[pos]); ++pos) value = std::min(value * 10 + (text[pos] - L'0'), limit);
  return static_cast<int>(negative ? -value : value);
}

const wchar_t kForbiddenNameChars[] = L"\\/:,;*?\"<>|";

bool IsUsableName(const std::wstring& name) {
  return !name.empty() && name.find_first_of(kForbiddenNameChars) == std::wstring::npos;
}

int IndexOf(const std::vector<std::wstring>& list, const std::wstring& item) {
  const auto found = std::find(list.begin(), list.end(), item);
  return found == list.end() ? -1 : static_cast<int>(found - list.begin());
}

}  // namespace pf
