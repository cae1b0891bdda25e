// printf-style formatting into wide text, the same on every build.
//
// The string table's formats follow the Windows wide-printf meaning: "%s"
// takes a wide string, "%c" a character code. glibc and mingw-w64's C99
// formatter read "%s" as a narrow string, so the module formats through this
// one helper instead of swprintf. Numbers are always written in the C locale
// (a point as decimal separator, no grouping).
//
// Directives: %d %i %u %x %X %c %s %f %e %g %%, with the flags "-+ 0#", a width
// and a precision ("*" is not supported). Arguments are checked by type, not
// by trust: an integer given to "%s" or a text given to "%d" is written in its
// natural form rather than read as garbage; a number given to a number
// directive of the other kind is converted by value (a real given to "%d"
// loses its fraction). "%u", "%x" and "%X" write the low 32 bits, as the
// platform's printf reads an unsigned int there: "0x%08X" of an address shows
// its low half, of -1 "FFFFFFFF". A directive without an argument is written
// as nothing; an unknown directive is written as it stands.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string>

namespace pf {

class FormatArg {
 public:
  enum class Kind { Integer, Unsigned, Real, Text };

  FormatArg(int v) : kind_(Kind::Integer), integer_(v) {}
  FormatArg(long v) : kind_(Kind::Integer), integer_(v) {}
  FormatArg(long long v) : kind_(Kind::Integer), integer_(v) {}
  FormatArg(unsigned v) : kind_(Kind::Unsigned), integer_(static_cast<long long>(v)) {}
  FormatArg(unsigned long v) : kind_(Kind::Unsigned), integer_(static_cast<long long>(v)) {}
  FormatArg(unsigned long long v) : kind_(Kind::Unsigned), integer_(static_cast<long long>(v)) {}
  FormatArg(char v) : kind_(Kind::Integer), integer_(static_cast<unsigned char>(v)) {}
  FormatArg(wchar_t v) : kind_(Kind::Integer), integer_(static_cast<long long>(v)) {}
  FormatArg(double v) : kind_(Kind::Real), real_(v) {}
  FormatArg(const wchar_t* s) : kind_(Kind::Text), text_(s ? s : L"(null)") {}
  FormatArg(const std::wstring& s) : kind_(Kind::Text), text_(s.c_str()) {}
  // An address, as the log lines show buffers ("0x%08X"): its integer value.
  FormatArg(const void* p)
      : kind_(Kind::Unsigned), integer_(static_cast<long long>(reinterpret_cast<std::uintptr_t>(p))) {}

  Kind kind() const { return kind_; }
  long long integer() const { return integer_; }
  double real() const { return real_; }
  const wchar_t* text() const { return text_; }

 private:
  Kind kind_;
  long long integer_ = 0;
  double real_ = 0.0;
  const wchar_t* text_ = L"";
};

// Formats with an explicit argument list.
std::wstring FormatList(const wchar_t* format, std::initializer_list<FormatArg> args);

// Formats with the given arguments: Format(L"$%d-%c", 1, L'X') gives "$1-X".
template <class... Args>
std::wstring Format(const wchar_t* format, const Args&... args) {
  return FormatList(format, {FormatArg(args)...});
}

inline std::wstring Format(const std::wstring& format) { return FormatList(format.c_str(), {}); }

template <class... Args>
std::wstring Format(const std::wstring& format, const Args&... args) {
  return FormatList(format.c_str(), {FormatArg(args)...});
}

}  // namespace pf
