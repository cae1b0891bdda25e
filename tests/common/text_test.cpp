// UTF-8 and UTF-16 forms of wide text, the number conversions and the name check.
#include "common/Text.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <cstring>

namespace pf {
namespace {

TEST(Text, Utf8AndUtf16FormsOfWideText) {
  const struct {
    const wchar_t* wide;
    const char* narrow;
    std::u16string utf16;
  } rows[] = {
      {L"", "", u""},
      {L"G01 X100.", "G01 X100.", u"G01 X100."},
      {L"\u00C4", "\xC3\x84", u"\u00C4"},
      {L"\u20AC", "\xE2\x82\xAC", u"\u20AC"},
      {L"\U0001F600", "\xF0\x9F\x98\x80", u"\xD83D\xDE00"},
  };
  // A surrogate pair in wide text, as Windows holds it, is one character.
  EXPECT_EQ(ToUtf8(L"\xD83D\xDE00 \xD800"), "\xF0\x9F\x98\x80 \xEF\xBF\xBD");
  for (const auto& row : rows) {
    SCOPED_TRACE(row.narrow);
    EXPECT_EQ(ToUtf8(row.wide), row.narrow);
    EXPECT_EQ(FromUtf8(row.narrow), row.wide);
    EXPECT_EQ(ToUtf16(row.wide), row.utf16);
    EXPECT_EQ(FromUtf16(row.utf16), row.wide);
  }
}

TEST(Text, MalformedUtf8BecomesReplacementCharacters) {
  const struct {
    const char* narrow;
    const wchar_t* wide;
  } rows[] = {
      {"a\xFF" "b", L"a\uFFFD" L"b"},
      {"\xC3", L"\uFFFD"},
      {"\xC0\xAF", L"\uFFFD\uFFFD"},        // overlong '/'
      {"\xED\xA0\x80", L"\uFFFD\uFFFD\uFFFD"},  // a surrogate
      {"\xFC\x84\x80\x80", L"\uFFFD\uFFFD\uFFFD\uFFFD"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.narrow);
    EXPECT_EQ(FromUtf8(row.narrow), row.wide);
  }
}

TEST(Text, TextToDoubleReadsTheLeadingNumber) {
  const struct {
    const wchar_t* text;
    double expected;
  } rows[] = {
      {L"1.5", 1.5},
      {L"100.000000", 100.0},
      {L"  -2.25e2xyz", -225.0},
      {L"\t\n 7", 7.0},
      {L"+.5", 0.5},
      {L"5.", 5.0},
      {L"1e", 1.0},
      {L"3,5", 3.0},
      {L"12abc", 12.0},
      {L"abc", 0.0},
      {L"NotFound", 0.0},
      {L"", 0.0},
      {L"- 5", 0.0},
      {L".", 0.0},
      {L"1e-400", 0.0},
      {L"1e400", HUGE_VAL},
      {L"-1e400", -HUGE_VAL},
      {L"0.00001e400", HUGE_VAL},
      {L"inf", HUGE_VAL},
      {L"--5", 0.0},       {L"+-5", 0.0},       {L"-+5", 0.0},          {L"0x10", 16.0},
      {L"-0X1A", -26.0},   {L"0x1.8p1", 3.0},   {L"0x.8", 0.5},         {L"0x1e2", 482.0},
      {L"0xg", 0.0},       {L"0x", 0.0},        {L"0x1p5000", HUGE_VAL}, {L"0x1p-5000", 0.0},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(ToNarrow(row.text));
    EXPECT_EQ(TextToDouble(row.text), row.expected);
  }
}

TEST(Text, TextToIntReadsTheLeadingDigits) {
  const struct {
    const wchar_t* text;
    int expected;
  } rows[] = {
      {L"42", 42},
      {L"  -17x", -17},
      {L"+8", 8},
      {L"-1", -1},
      {L"1.9", 1},
      {L"abc", 0},
      {L"", 0},
      {L"- 3", 0},
      {L"2147483647", INT_MAX},
      {L"-2147483648", INT_MIN},
      {L"99999999999", INT_MAX},
      {L"-99999999999", INT_MIN},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(ToNarrow(row.text));
    EXPECT_EQ(TextToInt(row.text), row.expected);
  }
}

TEST(Text, UsableNames) {
  EXPECT_EQ(std::wcslen(kForbiddenNameChars), 11u);
  for (const wchar_t* c = kForbiddenNameChars; *c; ++c) {
    SCOPED_TRACE(static_cast<int>(*c));
    EXPECT_FALSE(IsUsableName(std::wstring(L"Part") + *c + L"1"));
  }
  const struct {
    const wchar_t* name;
    bool usable;
  } rows[] = {
      {L"Project1", true}, {L"$1-X", true}, {L"two words", true}, {L"", false}, {L"a/b", false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(ToNarrow(row.name));
    EXPECT_EQ(IsUsableName(row.name), row.usable);
  }
}

}  // namespace
}  // namespace pf
