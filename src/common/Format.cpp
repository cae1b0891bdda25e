// The module's own printf-style formatter (see Format.h).
//
// Numbers are turned into digits by std::to_chars, which never looks at the
// locale, so a host that changes the global locale cannot change a decimal
// point into a comma in a generated program.
#include "common/Format.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

namespace pf {
namespace {

// Widths and precisions beyond this are taken as this.
constexpr int kMaxField = 4096;

struct Directive {
  bool left = false;    // '-': pad on the right
  bool plus = false;    // '+': a sign on non-negative numbers
  bool space = false;   // ' ': a blank in place of the plus sign
  bool zero = false;    // '0': pad numbers with zeros
  bool alt = false;     // '#': "0x" for hexadecimal, always a decimal point for reals
  int width = 0;
  int precision = -1;   // -1 when none was given
  wchar_t conversion = 0;
};

struct FlagRow {
  wchar_t flag;
  bool Directive::*member;
};

constexpr FlagRow kFlags[] = {
    {L'-', &Directive::left}, {L'+', &Directive::plus}, {L' ', &Directive::space},
    {L'0', &Directive::zero}, {L'#', &Directive::alt},
};

bool SetFlag(wchar_t c, Directive& directive) {
  for (const FlagRow& row : kFlags) {
    if (row.flag == c) {
      directive.*row.member = true;
      return true;
    }
  }
  return false;
}

int ReadNumber(const wchar_t*& p) {
  int value = 0;
  for (; *p >= L'0' && *p <= L'9'; ++p) value = std::min(value * 10 + (*p - L'0'), kMaxField);
  return value;
}

// Reads flags, width, precision and conversion character after a '%'.
const wchar_t* ParseDirective(const wchar_t* p, Directive& directive) {
  while (SetFlag(*p, directive)) ++p;
  directive.width = ReadNumber(p);
  if (*p == L'.') {
    ++p;
    directive.precision = ReadNumber(p);
  }
  directive.conversion = *p;
  return *p ? p + 1 : p;
}

bool IsSignedConversion(wchar_t c) {
  return c == L'd' || c == L'i' || c == L'f' || c == L'e' || c == L'g';
}

std::wstring Widen(const std::string& ascii) { return std::wstring(ascii.begin(), ascii.end()); }

std::wstring SignPrefix(const Directive& d, bool negative) {
  if (negative) return L"-";
  if (!IsSignedConversion(d.conversion)) return L"";
  if (d.plus) return L"+";
  return d.space ? L" " : L"";
}

std::wstring Pad(const Directive& d, const std::wstring& prefix, const std::wstring& body, bool zeroFill) {
  const std::size_t length = prefix.size() + body.size();
  const std::size_t width = static_cast<std::size_t>(d.width);
  if (width <= length) return prefix + body;
  const std::size_t fill = width - length;
  if (d.left) return prefix + body + std::wstring(fill, L' ');
  if (zeroFill) return prefix + std::wstring(fill, L'0') + body;
  return std::wstring(fill, L' ') + prefix + body;
}

// ---- integers -------------------------------------------------------------

struct IntegerValue {
  bool negative;
  unsigned long long magnitude;
};

long long AsInteger(const FormatArg& arg) {
  if (arg.kind() != FormatArg::Kind::Real) return arg.integer();
  const double v = arg.real();
  if (std::isnan(v)) return 0;
  if (v >= 9.2e18) return LLONG_MAX;
  if (v <= -9.2e18) return LLONG_MIN;
  return static_cast<long long>(v);
}

IntegerValue SignedValue(const FormatArg& arg) {
  if (arg.kind() == FormatArg::Kind::Unsigned) return {false, static_cast<unsigned long long>(arg.integer())};
  const long long v = AsInteger(arg);
  const unsigned long long bits = static_cast<unsigned long long>(v);
  return {v < 0, v < 0 ? 0ULL - bits : bits};
}

// "%u", "%x" and "%X" read a 32-bit unsigned int, as the platform's printf
// does: a negative int shows its two's complement, an address its low half.
IntegerValue Unsigned32Value(const FormatArg& arg) {
  return {false, static_cast<unsigned long long>(AsInteger(arg)) & 0xFFFFFFFFULL};
}

std::wstring Digits(unsigned long long value, unsigned base, bool upper) {
  const wchar_t* symbols = upper ? L"0123456789ABCDEF" : L"0123456789abcdef";
  std::wstring digits;
  do {
    digits.insert(digits.begin(), symbols[value % base]);
    value /= base;
  } while (value != 0);
  return digits;
}

std::wstring FormatInteger(const Directive& d, IntegerValue value) {
  const bool hex = d.conversion == L'x' || d.conversion == L'X';
  std::wstring digits;
  if (d.precision != 0 || value.magnitude != 0) digits = Digits(value.magnitude, hex ? 16 : 10, d.conversion == L'X');
  if (d.precision > static_cast<int>(digits.size())) digits.insert(0, static_cast<std::size_t>(d.precision) - digits.size(), L'0');
  std::wstring prefix = SignPrefix(d, value.negative);
  if (hex && d.alt && value.magnitude != 0) prefix += d.conversion == L'X' ? L"0X" : L"0x";
  return Pad(d, prefix, digits, d.zero && d.precision < 0);
}

// ---- reals ----------------------------------------------------------------

std::string ToChars(double magnitude, std::chars_format format, int precision) {
  std::vector<char> buffer(static_cast<std::size_t>(precision) + 400);
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude, format, precision);
  return std::string(buffer.data(), result.ptr);
}

int DecimalExponent(const std::string& scientific) {
  const std::size_t e = scientific.find('e');
  const char* first = scientific.data() + e + 2;  // past "e+" or "e-"
  int exponent = 0;
  std::from_chars(first, scientific.data() + scientific.size(), exponent);
  return scientific[e + 1] == '-' ? -exponent : exponent;
}

// Removes the zeros that end the fraction, and the point when nothing is left.
std::string StripTrailingZeros(std::string text) {
  const std::size_t point = text.find('.');
  if (point == std::string::npos) return text;
  std::size_t end = std::min(text.find('e'), text.size());
  std::size_t keep = end;
  while (keep > point + 1 && text[keep - 1] == '0') --keep;
  if (keep == point + 1) keep = point;
  return text.erase(keep, end - keep);
}

std::string EnsurePoint(std::string text) {
  if (text.find('.') == std::string::npos) text.insert(std::min(text.find('e'), text.size()), 1, '.');
  return text;
}

// "%g": the style of "%e" or "%f", whichever the exponent calls for, with
// `precision` significant digits.
std::string General(double magnitude, int precision, bool alt) {
  const int significant = precision < 0 ? 6 : std::max(precision, 1);
  const std::string scientific = ToChars(magnitude, std::chars_format::scientific, significant - 1);
  const int exponent = DecimalExponent(scientific);
  std::string text = (significant > exponent && exponent >= -4)
                         ? ToChars(magnitude, std::chars_format::fixed, significant - 1 - exponent)
                         : scientific;
  return alt ? EnsurePoint(text) : StripTrailingZeros(text);
}

std::string FiniteDigits(const Directive& d, double magnitude) {
  const int precision = d.precision < 0 ? 6 : d.precision;
  if (d.conversion == L'g') return General(magnitude, d.precision, d.alt);
  const auto format = d.conversion == L'e' ? std::chars_format::scientific : std::chars_format::fixed;
  const std::string text = ToChars(magnitude, format, precision);
  return d.alt ? EnsurePoint(text) : text;
}

std::wstring FormatReal(const Directive& d, double value) {
  const bool finite = std::isfinite(value);
  const std::string digits = finite ? FiniteDigits(d, std::fabs(value)) : (std::isnan(value) ? "nan" : "inf");
  return Pad(d, SignPrefix(d, std::signbit(value)), Widen(digits), d.zero && finite);
}

double AsReal(const FormatArg& arg) {
  switch (arg.kind()) {
    case FormatArg::Kind::Real:
      return arg.real();
    case FormatArg::Kind::Unsigned:
      return static_cast<double>(static_cast<unsigned long long>(arg.integer()));
    default:
      return static_cast<double>(arg.integer());
  }
}

// ---- text -----------------------------------------------------------------

std::wstring FormatText(const Directive& d, const wchar_t* text) {
  std::wstring body(text);
  if (d.precision >= 0 && body.size() > static_cast<std::size_t>(d.precision)) body.resize(d.precision);
  return Pad(d, L"", body, false);
}

Directive WithConversion(Directive d, wchar_t conversion) {
  d.conversion = conversion;
  d.precision = -1;
  return d;
}

// A number given to "%s" is written as "%d" or "%g" would write it.
std::wstring FormatNaturalNumber(const Directive& d, const FormatArg& arg) {
  if (arg.kind() == FormatArg::Kind::Real) return FormatReal(WithConversion(d, L'g'), arg.real());
  return FormatInteger(WithConversion(d, L'd'), SignedValue(arg));
}

std::wstring FormatArgument(const Directive& d, const FormatArg& arg) {
  if (arg.kind() == FormatArg::Kind::Text) return FormatText(d.conversion == L's' ? d : WithConversion(d, L's'), arg.text());
  switch (d.conversion) {
    case L'd':
    case L'i':
      return FormatInteger(d, SignedValue(arg));
    case L'u':
    case L'x':
    case L'X':
      return FormatInteger(d, Unsigned32Value(arg));
    case L'c':
      return Pad(d, L"", std::wstring(1, static_cast<wchar_t>(AsInteger(arg))), false);
    case L'f':
    case L'e':
    case L'g':
      return FormatReal(d, AsReal(arg));
    default:  // 's'
      return FormatNaturalNumber(d, arg);
  }
}

bool IsKnownConversion(wchar_t c) { return c != 0 && std::wstring_view(L"diuxXcsfeg").find(c) != std::wstring_view::npos; }

}  // namespace

std::wstring FormatList(const wchar_t* format, std::initializer_list<FormatArg> args) {
  std::wstring out;
  if (!format) return out;
  auto next = args.begin();
  for (const wchar_t* p = format; *p;) {
    if (*p != L'%') {
      out += *p++;
      continue;
    }
    if (p[1] == L'%') {
      out += L'%';
      p += 2;
      continue;
    }
    Directive directive;
    const wchar_t* end = ParseDirective(p + 1, directive);
    if (!IsKnownConversion(directive.conversion)) {
      out.append(p, end);  // not a directive of ours: written as it stands
    } else if (next != args.end()) {
      out += FormatArgument(directive, *next++);
    }
    p = end;
  }
  return out;
}

}  // namespace pf
