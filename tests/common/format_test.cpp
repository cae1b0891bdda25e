// The module's formatter: every directive the string table and the
// generators use, on every build, in the C locale.
#include "common/Format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

namespace pf {
namespace {

struct FormatRow {
  const wchar_t* format;
  FormatArg arg;
  const wchar_t* expected;
};

const std::wstring kWideText = L"Pr\u00FCfung \u03A9";

const FormatRow kSingleArgumentRows[] = {
    {L"%d", 42, L"42"},
    {L"%d", -7, L"-7"},
    {L"%5d", 42, L"   42"},
    {L"%-5d|", 42, L"42   |"},
    {L"%05d", -42, L"-0042"},
    {L"%+d", 5, L"+5"},
    {L"% d", 5, L" 5"},
    {L"%.3d", 7, L"007"},
    {L"%.0d", 0, L""},
    {L"%d", 3000000000ULL, L"3000000000"},
    {L"%u", -1, L"4294967295"},
    {L"%x", 255, L"ff"},
    {L"%X", 255, L"FF"},
    {L"%#x", 255, L"0xff"},
    {L"0x%08X", 0x1234, L"0x00001234"},
    {L"0x%08X", -1, L"0xFFFFFFFF"},
    {L"0x%08X", reinterpret_cast<const void*>(static_cast<std::uintptr_t>(0x9ABCDEF0u)), L"0x9ABCDEF0"},
    {L"%c", L'X', L"X"},
    {L"%3c", 'x', L"  x"},
    {L"%s", L"wide", L"wide"},
    {L"%s", kWideText, L"Pr\u00FCfung \u03A9"},
    {L"%6s|", L"ab", L"    ab|"},
    {L"%.2s", L"abc", L"ab"},
    {L"%f", 100.0, L"100.000000"},
    {L"%f", -0.5, L"-0.500000"},
    {L"%3.3f", 1.23456, L"1.235"},
    {L"%4.2f", 7.539822, L"7.54"},
    {L"%0.0f", 3000.0, L"3000"},
    {L"%0.0f", 0.4, L"0"},
    {L"%08.3f", -3.14159, L"-003.142"},
    {L"%-8.1f|", 2.25, L"2.2     |"},
    {L"%+.1f", 2.0, L"+2.0"},
    {L"%#.0f", 3.0, L"3."},
    {L"%f", 1e20, L"100000000000000000000.000000"},
    {L"%e", 12345.678, L"1.234568e+04"},
    {L"%.2e", 0.000123, L"1.23e-04"},
    {L"%g", 100000.0, L"100000"},
    {L"%g", 1e6, L"1e+06"},
    {L"%g", 0.00001, L"1e-05"},
    {L"%g", 3.14159265, L"3.14159"},
    {L"%g", 0.0, L"0"},
    {L"%#g", 1.0, L"1.00000"},
    {L"%f", HUGE_VAL, L"inf"},
    {L"%06.1f", -HUGE_VAL, L"  -inf"},
    // Arguments of the other kind are written as what they are.
    {L"%d", L"abc", L"abc"},
    {L"%s", 12, L"12"},
    {L"%s", 1.5, L"1.5"},
    {L"%d", 2.9, L"2"},
    {L"%f", 3, L"3.000000"},
    // Not a directive of ours.
    {L"%y", 1, L"%y"},
};

TEST(Format, SingleArgument) {
  for (const FormatRow& row : kSingleArgumentRows) {
    SCOPED_TRACE(row.format);
    EXPECT_EQ(FormatList(row.format, {row.arg}), row.expected);
  }
}

TEST(Format, SeveralArguments) {
  const struct {
    std::wstring actual;
    const wchar_t* expected;
  } rows[] = {
      {Format(L"$%d-%c", 1, L'X'), L"$1-X"},
      {Format(L"$%d-%s", 2, L"IJ"), L"$2-IJ"},
      {Format(L"$%d-%s", 3, std::wstring(L"KI")), L"$3-KI"},
      {Format(L"%d%%", 50), L"50%"},
      {Format(L"%%d"), L"%d"},
      {Format(L"%s\\KORVANTEL\\Servo Bench\\", L"C:\\Users\\me\\AppData\\Local"),
       L"C:\\Users\\me\\AppData\\Local\\KORVANTEL\\Servo Bench\\"},
      {Format(L"%d-%d", 1), L"1-"},
      {Format(L"no directives", 1), L"no directives"},
      {Format(L"trailing %"), L"trailing %"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.expected);
    EXPECT_EQ(row.actual, row.expected);
  }
}

// A host may switch the process to a locale with a decimal comma; generated
// programs must still read "1.5".
TEST(Format, IgnoresTheGlobalLocale) {
  ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr) << "the german_locale test makes it";
  const std::wstring fixed = Format(L"%f", 1.5);
  const std::wstring rounded = Format(L"%4.2f", 7.539822);
  const std::wstring general = Format(L"%g", 0.25);
  const std::wstring integer = Format(L"%d", 1234567);
  std::setlocale(LC_ALL, "C");
  EXPECT_EQ(fixed, L"1.500000");
  EXPECT_EQ(rounded, L"7.54");
  EXPECT_EQ(general, L"0.25");
  EXPECT_EQ(integer, L"1234567");
}

}  // namespace
}  // namespace pf
